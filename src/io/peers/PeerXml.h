#pragma once

#include <QByteArray>
#include <QString>

class QXmlStreamReader;

namespace io {

// The XML of another catalogue's file is read by QXmlStreamReader alone, which never fetches
// anything: a document type that declares an external entity is refused outright, since such an
// entity is made to read other files, and an undeclared entity is an error of the XML.

// Throws FileError with notXml, which names the kind of file expected, when the bytes are no XML
// at all.
void RequireXml(const QByteArray& bytes, const QString& notXml);
// Reads on to the next start element; throws FileError for an external entity or broken XML.
bool NextStartElement(QXmlStreamReader& xml);
// The element's own text, its children's left out; throws as above.
QString ElementText(QXmlStreamReader& xml);
// Passes over the element and what it holds; throws as above.
void SkipElement(QXmlStreamReader& xml);
// Throws FileError when the reader has met broken XML, with where and why.
void CheckXml(const QXmlStreamReader& xml);

}  // namespace io
