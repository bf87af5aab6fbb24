#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

class QIODevice;

namespace report::pdf {

// Writes a PDF file's numbered objects as they come, each straight to the file, and at the end
// the cross-reference table that finds them: a long report never has to be held whole.
class ObjectWriter {
public:
    ObjectWriter(QIODevice& out, int compressionLevel);

    // A number for an object that is written later.
    int reserve();
    void beginObject(int number);
    void endObject() { write("endobj\n"); }
    void write(QByteArrayView bytes);
    // A whole stream object: the dictionary entries besides its length and filter, and its data,
    // deflated unless told otherwise.
    void writeStream(int number, const QByteArray& entries, const QByteArray& data,
                     bool deflate = true);
    void finish(int catalogue, int info);
    bool failed() const { return failed_; }

private:
    QIODevice& out_;
    int compressionLevel_;
    qint64 offset_ = 0;
    QList<qint64> offsets_;  // by object number - 1; -1 until written
    bool failed_ = false;
};

// A number as PDF content writes it: at most two decimals, no trailing zeros.
QByteArray Number(double value);
void AppendNumber(QByteArray& out, double value);
// A text string for the document's information: UTF-16 in hexadecimal, with its byte order mark.
QByteArray TextString(const QString& text);
// "n 0 R"
QByteArray Reference(int number);

}  // namespace report::pdf
