#pragma once

#include "io/PictureFolder.h"
#include "io/peers/PeerMovie.h"

namespace db {
class Connection;
}

namespace io {

// Covers the file named but did not hold are looked for beside it (at path): a name relative to
// its folder only, never one that leads out of it.
void FindCoversBeside(PeerReading& reading, const QString& path);

// After the import of the reading's lines: each cover goes to the movie its line wrote, through
// the checks any picture passes; a cover that cannot be stored is refused in words for the user
// and nothing of it is written. Covers of lines the import did not write are passed over.
PictureImportResult ImportPeerCovers(db::Connection& connection, const PeerReading& reading,
                                     const ImportResult& imported);

}  // namespace io
