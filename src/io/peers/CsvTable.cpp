#include "io/peers/CsvTable.h"

#include "io/MovieFileError.h"
#include "io/TextDecoding.h"

#include <QCoreApplication>

namespace io {

namespace {

QChar separatorOf(QStringView text) {
    const QStringView firstLine = text.left(text.indexOf(u'\n'));
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (QChar c : firstLine) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
        else if (!quoted && c == u'\t')
            ++tabs;
    }
    if (tabs > commas && tabs > semicolons)
        return u'\t';
    return semicolons > commas ? u';' : u',';
}

}  // namespace

CsvTable ReadCsv(const QByteArray& bytes) {
    if (bytes.startsWith("PK\x03\x04") || bytes.trimmed().startsWith("<?xml"))
        throw FileError(
            bytes.startsWith("PK")
                ? QCoreApplication::translate("io::CsvTable",
                                              "The file is not a CSV file: it is a zip archive.")
                : QCoreApplication::translate(
                      "io::CsvTable", "The file is not a CSV file: it is an XML document."));
    if (bytes.contains('\0'))
        throw FileError(QCoreApplication::translate(
            "io::CsvTable", "The file is not a CSV file: it holds binary data."));
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    CsvTable table;
    table.windows1252 = DetectEncoding(body) == FileEncoding::Windows1252;
    const QString text = Decode(body, DetectEncoding(body));
    if (text.trimmed().isEmpty())
        throw FileError(QCoreApplication::translate("io::CsvTable", "The file is empty."));
    const QChar separator = separatorOf(text);

    QStringList row;
    QString field;
    int line = 1;
    int rowLine = 1;
    bool quoted = false;
    bool fieldStarted = false;
    auto endRow = [&] {
        row.append(field);
        field.clear();
        const bool blank = row.size() == 1 && row[0].trimmed().isEmpty();
        if (!blank) {
            if (table.header.isEmpty()) {
                table.header = row;
            } else {
                table.rows.push_back(row);
                table.rowLines.push_back(rowLine);
            }
        }
        row.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            row.append(field);
            field.clear();
            fieldStarted = false;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRow();
            fieldStarted = false;
            rowLine = ++line;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (!field.isEmpty() || !row.isEmpty())
        endRow();
    for (QString& name : table.header)
        name = name.trimmed();
    return table;
}

}  // namespace io
