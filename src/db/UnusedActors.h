#pragma once

namespace db {

class Connection;

// Deletes every actor that no movie's cast names; returns how many there were.
int DeleteUnusedActors(Connection& connection);

}  // namespace db
