#include "db/Catalogue.h"

#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Schema.h"

#include <QFile>
#include <QFileInfo>

namespace db {

namespace {

bool hasSqliteHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

Error notACatalogue(const QString& path) {
    return Error(QStringLiteral("'%1' is not a movie catalogue. It has been left as it is.")
                     .arg(QFileInfo(path).absoluteFilePath()));
}

}  // namespace

Catalogue::Catalogue(QString folder) : folder_(std::move(folder)) {}

Catalogue::~Catalogue() = default;

QString Catalogue::FilePath(const QString& folder, const QString& name) {
    return folder + QStringLiteral("/") + name + QStringLiteral(".db");
}

void Catalogue::OpenDatabase(const QString& name) {
    close();
    name_ = name;
    const QString path = filePath();
    if (!QFileInfo::exists(path))
        CreateDatabase(path);
    if (!hasSqliteHeader(path))
        throw notACatalogue(path);
    auto connection = Connection::open(path);
    try {
        if (!connection->hasTable(QStringLiteral("Version")))
            throw notACatalogue(path);
    } catch (const DatabaseError&) {
        throw notACatalogue(path);
    }
    connection->query(QStringLiteral("PRAGMA journal_mode = WAL"));
    connection_ = std::move(connection);
}

void Catalogue::close() {
    connection_.reset();
}

Connection& Catalogue::connection() {
    if (!connection_)
        throw Error(QStringLiteral("No catalogue is open."));
    return *connection_;
}

}  // namespace db
