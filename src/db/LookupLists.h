#pragma once

#include "db/LookupTable.h"

#include <QList>
#include <QString>

namespace db {

class Connection;

// The upkeep of the five lists of names: add, rename, delete and the test whether an entry is
// still in use. Names are matched by the database's own equality (letter case ignored, blanks
// kept), never trimmed here.

struct LookupEntry {
    int id = 0;
    QString name;  // a null name reads as empty
};

// Every row of the table in name order.
QList<LookupEntry> LookupEntries(Connection& connection, LookupTable table);

// Adds the name unless an equal one exists; false (and nothing written) when it does.
bool AddLookupName(Connection& connection, LookupTable table, const QString& name);
// Gives every row called oldName the new name; false (and nothing written) when another entry
// has that name already, which would leave two entries of one name.
bool RenameLookupName(Connection& connection, LookupTable table, const QString& oldName,
                      const QString& newName);
// Deletes the rows of that name that no movie uses; a row in use stays.
void DeleteLookupName(Connection& connection, LookupTable table, const QString& name);

// How many movies use the entry with this id: a genre counts the distinct movies linked to it
// through MovieGenre, an actor its cast links, the others the movies that name it in their own
// column.
int CountLookupUses(Connection& connection, LookupTable table, int id);

}  // namespace db
