#include "db/EngineWords.h"

#include <sqlite3.h>
#include <QCoreApplication>

namespace db {

QString EngineFailureInWords(int resultCode) {
    // Sorts of many rows spill into temporary files, so a full disk shows in reading too.
    switch (resultCode & 0xFF) {
        case SQLITE_FULL:
        case SQLITE_IOERR:
            return QCoreApplication::translate(
                "db::EngineWords",
                "The disk is full or cannot be written: the catalogue, or a temporary file "
                "that sorting needs, could not be read or written. Make room on the disk (and "
                "in the temporary folder), then try again.");
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return QCoreApplication::translate(
                "db::EngineWords",
                "The catalogue cannot be written: its file or its folder may "
                "be written only by another user, or is on a read-only disk.");
        case SQLITE_CANTOPEN:
            return QCoreApplication::translate(
                "db::EngineWords",
                "The catalogue, or a temporary file beside it, could not be "
                "opened: its folder may be missing or may not be writable.");
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return QCoreApplication::translate(
                "db::EngineWords",
                "The catalogue is busy: another program has been writing it "
                "for a while. Try again when it is done.");
        case SQLITE_NOMEM:
            return QCoreApplication::translate("db::EngineWords",
                                               "There is not enough memory left to finish this.");
        default:
            return QString();
    }
}

}  // namespace db
