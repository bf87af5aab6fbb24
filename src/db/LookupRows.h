#pragma once

#include "db/LookupTable.h"

#include <QString>
#include <vector>

namespace db {

class Connection;

// One row of a lookup table: its id and its name.
struct LookupRow {
    int id = 0;
    QString name;
};

// Every row of the table in name order (ignoring case), the order the lists show them in; a null
// name reads as empty.
std::vector<LookupRow> LookupRows(Connection& connection, LookupTable table);

}  // namespace db
