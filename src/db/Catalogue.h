#pragma once

#include <QString>
#include <memory>

class QLockFile;

#include "db/DatabaseError.h"

namespace db {

class Connection;

// The catalogue is held by another running copy of the program.
class CatalogueInUse : public Error {
public:
    using Error::Error;
};

// The open catalogue: its name (gDBName) and its connection (gConnection). One file per
// catalogue, <folder>/<name>.db.
class Catalogue {
public:
    explicit Catalogue(QString folder);
    ~Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    const QString& folder() const { return folder_; }
    const QString& name() const { return name_; }
    QString filePath() const { return FilePath(folder_, name_); }
    static QString FilePath(const QString& folder, const QString& name);

    // Exclusive: the window and the commands that write hold the catalogue's lock while it is
    // open, so that a second copy of the program cannot write it too. Shared: a reader.
    // ReadOnly: a reader that writes nothing at all, not even the lock, and brings nothing up to
    // date; the file must exist.
    enum class Sharing { Exclusive, Shared, ReadOnly };

    // Opens the named catalogue, building and seeding it first when its file is missing. A file
    // that is not a catalogue is refused with an Error naming it, and is never modified; so is a
    // catalogue another running copy holds. On failure the catalogue that was open stays closed.
    void OpenDatabase(const QString& name, Sharing sharing = Sharing::Exclusive);
    // Closes the connection; the lock stays until another catalogue is opened or this object
    // ends, so that Start over keeps the catalogue to itself while it rebuilds the file.
    void close();
    bool isOpen() const { return connection_ != nullptr; }
    // Throws Error when no catalogue is open.
    Connection& connection();

private:
    QString folder_;
    QString name_;
    std::unique_ptr<Connection> connection_;
    std::unique_ptr<QLockFile> lock_;
    QString lockedName_;
};

}  // namespace db
