#pragma once

#include <QString>

namespace db {

// Whether writing to path would replace the catalogue at cataloguePath or one of the files kept
// beside it while it is open (the engine's journals, the lock), however either is spelled.
bool IsCatalogueFile(const QString& path, const QString& cataloguePath);

}  // namespace db
