#pragma once

#include <QString>
#include <functional>

namespace db {

class Catalogue;

// Removes a closed catalogue's file with the -wal, -shm and -journal files SQLite keeps beside
// it; throws Error naming the first file that could not be removed. The companions go first, so
// that a stale journal can never be applied to the new catalogue that takes the file's place.
void RemoveCatalogueFiles(const QString& path);

using CatalogueFileRemover = std::function<void(const QString& path)>;

// Closes the catalogue, removes its file, and builds and seeds a new one of the same name at
// version 1 (one UpdateDatabase). On failure the catalogue is opened again as it then is (the old
// one when its file could not be removed) and an Error says what failed; nothing is tried again.
void StartOver(Catalogue& catalogue,
               const CatalogueFileRemover& removeFiles = RemoveCatalogueFiles);

}  // namespace db
