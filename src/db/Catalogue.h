#pragma once

#include <QString>
#include <memory>

namespace db {

class Connection;

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

    // Opens the named catalogue, building and seeding it first when its file is missing. A file
    // that is not a catalogue is refused with an Error naming it, and is never modified. On
    // failure the catalogue that was open stays closed.
    void OpenDatabase(const QString& name);
    void close();
    bool isOpen() const { return connection_ != nullptr; }
    // Throws Error when no catalogue is open.
    Connection& connection();

private:
    QString folder_;
    QString name_;
    std::unique_ptr<Connection> connection_;
};

}  // namespace db
