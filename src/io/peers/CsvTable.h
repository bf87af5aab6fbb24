#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

namespace io {

// A CSV file read whole: its header and rows, each row with the line it begins on. The text is
// UTF-8 (with or without a byte-order mark) when it is valid UTF-8, and Windows-1252 otherwise;
// the separator is the comma, the semicolon or the tab, whichever the header uses most. Fields
// may be quoted, with doubled quotes and line breaks inside.
struct CsvTable {
    QStringList header;
    std::vector<QStringList> rows;
    std::vector<int> rowLines;
    bool windows1252 = false;
};

// Throws FileError for a file that cannot be a CSV file (empty, or binary).
CsvTable ReadCsv(const QByteArray& bytes);

}  // namespace io
