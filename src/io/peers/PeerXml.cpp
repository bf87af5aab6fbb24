#include "io/peers/PeerXml.h"

#include "io/MovieFileError.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace io {

namespace {

void checkToken(QXmlStreamReader& xml) {
    if (xml.tokenType() != QXmlStreamReader::DTD)
        return;
    for (const QXmlStreamEntityDeclaration& entity : xml.entityDeclarations())
        if (!entity.systemId().isEmpty() || !entity.publicId().isEmpty())
            throw FileError(QCoreApplication::translate(
                                "io::PeerXml",
                                "The file declares the external entity '%1', which would read "
                                "another file. Such files are not read.")
                                .arg(entity.name().toString()));
}

QXmlStreamReader::TokenType next(QXmlStreamReader& xml) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    checkToken(xml);
    CheckXml(xml);
    return token;
}

}  // namespace

void RequireXml(const QByteArray& bytes, const QString& notXml) {
    QByteArrayView start(bytes);
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.sliced(3);
    if (!start.trimmed().startsWith("<"))
        throw FileError(notXml);
}

void CheckXml(const QXmlStreamReader& xml) {
    if (!xml.hasError() || xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        return;
    throw FileError(QCoreApplication::translate(
                        "io::PeerXml", "The file is not well-formed XML: %1 (line %2, column %3).")
                        .arg(xml.errorString())
                        .arg(xml.lineNumber())
                        .arg(xml.columnNumber()));
}

bool NextStartElement(QXmlStreamReader& xml) {
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = next(xml);
        if (token == QXmlStreamReader::StartElement)
            return true;
        if (token == QXmlStreamReader::EndElement)
            return false;
    }
    if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        throw FileError(
            QCoreApplication::translate("io::PeerXml",
                                        "The file ends in the middle of its XML (line %1): it is "
                                        "cut short.")
                .arg(xml.lineNumber()));
    return false;
}

QString ElementText(QXmlStreamReader& xml) {
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        switch (next(xml)) {
            case QXmlStreamReader::StartElement:
                ++depth;
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                break;
            case QXmlStreamReader::Characters:
            case QXmlStreamReader::EntityReference:
                if (depth == 1)
                    text += xml.text();
                break;
            default:
                break;
        }
    }
    return text;
}

void SkipElement(QXmlStreamReader& xml) {
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        const QXmlStreamReader::TokenType token = next(xml);
        if (token == QXmlStreamReader::StartElement)
            ++depth;
        else if (token == QXmlStreamReader::EndElement)
            --depth;
    }
}

}  // namespace io
