#include "report/PdfObjects.h"

#include <QIODevice>
#include <charconv>
#include <cmath>

namespace report::pdf {

ObjectWriter::ObjectWriter(QIODevice& out, int compressionLevel)
    : out_(out), compressionLevel_(compressionLevel) {
    // The binary comment tells transfer programs that the file is not plain text.
    write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

int ObjectWriter::reserve() {
    offsets_.append(-1);
    return int(offsets_.size());
}

void ObjectWriter::beginObject(int number) {
    offsets_[number - 1] = offset_;
    write(QByteArray::number(number) + " 0 obj\n");
}

void ObjectWriter::write(const QByteArray& bytes) {
    if (failed_)
        return;
    if (out_.write(bytes) != bytes.size())
        failed_ = true;
    offset_ += bytes.size();
}

void ObjectWriter::writeStream(int number, const QByteArray& entries, const QByteArray& data,
                               bool deflate) {
    QByteArray body = data;
    QByteArray filter;
    if (deflate) {
        // qCompress puts the length before the zlib stream; PDF wants the zlib stream alone.
        body = qCompress(data, compressionLevel_).mid(4);
        filter = "/Filter /FlateDecode ";
    }
    beginObject(number);
    write("<< " + entries + ' ' + filter + "/Length " + QByteArray::number(body.size()) +
          " >>\nstream\n");
    write(body);
    write("\nendstream\n");
    endObject();
}

void ObjectWriter::finish(int catalogue, int info) {
    const qint64 table = offset_;
    QByteArray xref = "xref\n0 " + QByteArray::number(offsets_.size() + 1) + "\n";
    xref += "0000000000 65535 f \n";
    for (qint64 offset : offsets_)
        xref += QByteArray::number(qMax<qint64>(offset, 0)).rightJustified(10, '0') +
                (offset < 0 ? " 00000 f \n" : " 00000 n \n");
    write(xref);
    write("trailer\n<< /Size " + QByteArray::number(offsets_.size() + 1) + " /Root " +
          Reference(catalogue) + " /Info " + Reference(info) + " >>\nstartxref\n" +
          QByteArray::number(table) + "\n%%EOF\n");
}

QByteArray Number(double value) {
    if (!std::isfinite(value))
        return "0";
    char buffer[32];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (error != std::errc())
        return "0";
    while (end > buffer && end[-1] == '0')
        --end;
    if (end > buffer && end[-1] == '.')
        --end;
    QByteArray number(buffer, end - buffer);
    return number.isEmpty() || number == "-" || number == "-0" ? QByteArray("0") : number;
}

QByteArray TextString(const QString& text) {
    QByteArray hex = "<FEFF";
    for (QChar unit : text)
        hex += QByteArray::number(unit.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

QByteArray Reference(int number) {
    return QByteArray::number(number) + " 0 R";
}

}  // namespace report::pdf
