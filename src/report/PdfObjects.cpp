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

void ObjectWriter::write(QByteArrayView bytes) {
    if (failed_)
        return;
    if (out_.write(bytes.data(), bytes.size()) != bytes.size())
        failed_ = true;
    offset_ += bytes.size();
}

void ObjectWriter::writeStream(int number, const QByteArray& entries, const QByteArray& data,
                               bool deflate) {
    // qCompress puts the length before the zlib stream; PDF wants the zlib stream alone.
    const QByteArray compressed = deflate ? qCompress(data, compressionLevel_) : QByteArray();
    const QByteArrayView body = deflate ? QByteArrayView(compressed).sliced(4) : data;
    beginObject(number);
    write("<< " + entries + (deflate ? " /Filter /FlateDecode" : "") + " /Length " +
          QByteArray::number(body.size()) + " >>\nstream\n");
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
    QByteArray number;
    AppendNumber(number, value);
    return number;
}

void AppendNumber(QByteArray& out, double value) {
    // In hundredths, as a whole number: quicker than formatting the double itself.
    constexpr double Largest = 1e15;
    if (!std::isfinite(value) || std::fabs(value) >= Largest) {
        out += '0';
        return;
    }
    long long hundredths = std::llround(value * 100);
    if (hundredths < 0) {
        out += '-';
        hundredths = -hundredths;
    }
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, hundredths / 100).ptr;
    out.append(digits, end - digits);
    const int fraction = int(hundredths % 100);
    if (fraction != 0) {
        out += '.';
        out += char('0' + fraction / 10);
        if (fraction % 10 != 0)
            out += char('0' + fraction % 10);
    }
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
