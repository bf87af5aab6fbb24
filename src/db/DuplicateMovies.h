#pragma once

#include <QString>
#include <vector>

namespace db {

class Connection;

// What two titles of one movie have in common: letter case and accents folded, an English
// article ("The", "A", "An") left out, leading or moved behind a comma at the end ("Matrix, The"),
// an article of another language ("Der", "Die", "Das", "Le", "La", "Les", "El") moved behind a
// comma put back in front, and punctuation and blanks removed. "The Matrix", "Matrix, The" and
// "MATRIX" give "matrix"; "Boot, Das" and "Das Boot" give "dasboot"; "Matrix 2" gives "matrix2".
QString TitleMatchKey(const QString& title);

struct DuplicateMovie {
    int movieId;
    QString title;
};
using DuplicateGroup = std::vector<DuplicateMovie>;

// The groups of two or more movies whose titles share a match key, in the reading order of the
// keys; each group in the reading order of its titles (db/ReadingOrder.h). A title whose key is
// empty is in no group.
std::vector<DuplicateGroup> FindDuplicateMovies(Connection& connection);

// Makes one movie of two: the kept movie keeps all its fields and gains the other's genres and
// cast it lacks (after its own, in the other's order); the other movie and its links are
// deleted; the kept movie takes the other's picture when it has none. One transaction. Throws
// Error when the two are one movie or either is gone.
void MergeMovies(Connection& connection, int keptId, int otherId);

}  // namespace db
