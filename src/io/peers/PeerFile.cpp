#include "io/peers/PeerFile.h"

#include "io/Destination.h"
#include "io/MovieFileError.h"
#include "io/peers/ZipArchive.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace io {

std::optional<PeerFormat> PeerFormatNamed(const QString& name) {
    if (name == QLatin1String("tellico"))
        return PeerFormat::Tellico;
    if (name == QLatin1String("gcstar"))
        return PeerFormat::Gcstar;
    if (name == QLatin1String("csv"))
        return PeerFormat::Csv;
    return std::nullopt;
}

QString PeerFormatTitle(PeerFormat format) {
    switch (format) {
        case PeerFormat::Tellico:
            return QCoreApplication::translate("io::PeerFile", "KDE collection manager");
        case PeerFormat::Gcstar:
            return QStringLiteral("GCstar");
        case PeerFormat::Csv:
            return QStringLiteral("CSV");
    }
    return {};
}

std::optional<PeerFormat> GuessPeerFormat(const QString& path, const QByteArray& bytes) {
    if (LooksLikeZip(bytes))
        return PeerFormat::Tellico;
    const QByteArray start = bytes.left(4096);
    if (start.contains("<tellico"))
        return PeerFormat::Tellico;
    if (start.contains("<collection") && start.contains("GC"))
        return PeerFormat::Gcstar;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("tc"))
        return PeerFormat::Tellico;
    if (suffix == QLatin1String("gcs"))
        return PeerFormat::Gcstar;
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("txt") ||
        suffix == QLatin1String("tsv"))
        return PeerFormat::Csv;
    return std::nullopt;
}

QByteArray ReadPeerBytes(const QString& path) {
    // Before opening: a pipe would keep the import waiting, a device would never end.
    RequireRegularFile(path);
    const QFileInfo info(path);
    if (!info.exists())
        throw FileError(
            QCoreApplication::translate("io::PeerFile", "'%1' does not exist.").arg(path));
    if (info.size() > ZipUnpackLimit)
        throw FileError(
            QCoreApplication::translate("io::PeerFile",
                                        "'%1' is larger than %2 MB, more than any collection "
                                        "needs: it is not read.")
                .arg(path)
                .arg(ZipUnpackLimit / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QCoreApplication::translate("io::PeerFile", "'%1' could not be read: %2")
                            .arg(path, file.errorString()));
    return file.readAll();
}

}  // namespace io
