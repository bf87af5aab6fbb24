#pragma once

#include "io/peers/CsvTable.h"
#include "io/peers/PeerMovie.h"

#include <QList>
#include <QString>
#include <optional>

namespace io {

// What a CSV column goes into. A note line is "Header: value" in the notes.
enum class CsvField {
    Nothing,
    NoteLine,
    Title,
    Year,
    Genres,
    Media,
    Rating,
    Directors,
    Producers,
    Cast,
    Minutes,
    Stars,       // out of five
    StarsOfTen,  // out of ten, halved
    Location,
    Label,
    Acquired,
    Cost,
    LentTo,
    LentDate,
    Comments,
};
inline constexpr int CsvFieldCount = int(CsvField::Comments) + 1;

// One field for each column, in the columns' order.
using CsvMapping = QList<CsvField>;

// The name the mapping dialog shows, and the word the settings keep.
QString CsvFieldName(CsvField field);
QString CsvFieldKey(CsvField field);

// Guessed from the header's names, ignoring case, accents and punctuation; a column the guess
// does not know becomes a note line.
CsvMapping GuessCsvMapping(const QStringList& header);

// The export layouts of the two big film web sites: "list" (Const, Title, Year, Genres,
// Directors, Your Rating, ...) and "diary" (Name, Year, Rating, ...). Columns a preset does not
// name are guessed.
QStringList CsvPresetNames();
std::optional<CsvMapping> CsvPreset(const QString& name, const QStringList& header);

// A mapping is remembered for files of the same header: the header's signature names it.
QString CsvHeaderSignature(const QStringList& header);
// The settings key it is kept under.
QString CsvMappingKey(const QStringList& header);
QString CsvMappingText(const CsvMapping& mapping);
// Nothing when the text does not fit the number of columns.
std::optional<CsvMapping> CsvMappingFromText(const QString& text, qsizetype columns);

// The mapping kept for the header when it fits, else the guess.
CsvMapping SavedOrGuessedMapping(const QStringList& header, const QString& savedText);

// The rows as movies, each column into its field.
PeerReading ReadCsvMovies(const CsvTable& table, const CsvMapping& mapping);

}  // namespace io
