#pragma once

#include <QString>
#include <QStringList>

namespace db {

class Connection;

// The five lists of names a movie refers to. Table and column names come only from here, so no
// name a user typed ever becomes part of a statement.
enum class LookupTable { Actor, Genre, Location, Media, Rating };

QString TableName(LookupTable table);     // "Actor"
QString IdColumnName(LookupTable table);  // "ActorId"

// The id of the first row with this name (compared ignoring case, not trimmed); a missing name
// is added first.
int LookupOrAddId(Connection& connection, LookupTable table, const QString& name);
// The id of the first row with this name, or 0 when there is none.
int FindLookupId(Connection& connection, LookupTable table, const QString& name);
// Adds a row of this name, whether or not one exists, and returns its id.
int AddLookupRow(Connection& connection, LookupTable table, const QString& name);
// Every name of the table in name order (ignoring case); a null name reads as empty.
QStringList LookupNames(Connection& connection, LookupTable table);

// The statement pieces that find a name ignoring case and order by it: bind the name's
// CaseFold, then the name.
QString NameMatch();
QString NameOrder(LookupTable table);

}  // namespace db
