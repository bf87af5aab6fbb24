#pragma once

#include "db/LookupTable.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <array>

namespace db {

class Connection;

// The names of the lookup lists and the titles of the movies, held in memory while many movies
// are written in a row (an import), so that most names and titles need no statement. The file
// stays the truth: a name is read from it when first needed, and a title only when its hash
// says the file may hold it. Compared ignoring case, as the file's own lookups compare.
class KnownNames {
public:
    explicit KnownNames(Connection& connection);

    // The id of the first row of the table with this name, or 0 when there is none.
    int find(LookupTable table, const QString& name);
    // The same; a missing name is added first.
    int findOrAdd(LookupTable table, const QString& name);
    // The id of the first movie with this title, or 0 when there is none.
    int findTitle(const QString& title);
    // A movie of this title has been written.
    void addTitle(const QString& title);
    // The writes since the last commit were rolled back: the names they added are gone.
    void forgetAdded();

private:
    struct Names {
        bool loaded = false;
        QHash<QString, int> ids;  // by case fold
    };
    Names& names(LookupTable table);

    Connection& connection_;
    std::array<Names, 5> tables_;
    bool titlesLoaded_ = false;
    QSet<size_t> titleHashes_;  // of the case folds: few bytes a movie, for a million movies
};

}  // namespace db
