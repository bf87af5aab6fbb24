#include "io/peers/PeerCovers.h"

#include "db/MoviePictures.h"
#include "db/Movies.h"
#include "io/CoverPicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace io {

namespace {

// Why a cover's name cannot be followed to a file beside the collection, or empty when it can.
QString unsafeName(const QString& name) {
    const QString path = QDir::fromNativeSeparators(name);
    if (QDir::isAbsolutePath(path) || path.contains(QLatin1String(":")))
        return QCoreApplication::translate(
                   "io::PeerCovers", "only a picture beside the collection is read, not '%1'.")
            .arg(name);
    if (path.split(u'/').contains(QLatin1String("..")))
        return QCoreApplication::translate("io::PeerCovers",
                                           "the name '%1' leads out of the collection's folder.")
            .arg(name);
    return {};
}

}  // namespace

void FindCoversBeside(PeerReading& reading, const QString& path) {
    const QDir folder = QFileInfo(path).absoluteDir();
    for (LineCover& line : reading.covers) {
        PeerCover& cover = line.cover;
        if (!cover.bytes.isEmpty() || !cover.problem.isEmpty())
            continue;
        cover.problem = unsafeName(cover.name);
        if (cover.problem.isEmpty())
            cover.path = folder.filePath(QDir::fromNativeSeparators(cover.name));
    }
}

PictureImportResult ImportPeerCovers(db::Connection& connection, const PeerReading& reading,
                                     const ImportResult& imported) {
    PictureImportResult result;
    if (reading.covers.empty() || imported.stopped)
        return result;
    QSet<int> refusedLines;
    for (const RefusedLine& line : imported.refused)
        refusedLines.insert(line.lineNumber);
    const bool tableThere = db::HasPictureTable(connection);
    for (const LineCover& line : reading.covers) {
        if (refusedLines.contains(line.lineNumber) ||
            (imported.failedLine > 0 && line.lineNumber >= imported.failedLine))
            continue;
        const PeerCover& cover = line.cover;
        const QString who = QStringLiteral("%1 (%2)").arg(cover.name, line.title);
        PreparedPicture prepared;
        if (!tableThere)
            prepared.error = QCoreApplication::translate(
                "io::PeerCovers",
                "This catalogue has no place for pictures yet.  Open it once more to bring it up "
                "to date, then try again.");
        else if (!cover.problem.isEmpty())
            prepared.error = cover.problem;
        else if (!cover.bytes.isEmpty())
            prepared = PrepareCoverPicture(cover.bytes, cover.name);
        else if (!cover.path.isEmpty())
            prepared = PrepareCoverPicture(cover.path);
        else
            prepared.error = QCoreApplication::translate("io::PeerCovers",
                                                         "the file holds no picture of that name.");
        const int movieId = prepared.ok() ? db::FindMovieByTitle(connection, line.title) : 0;
        if (!prepared.ok()) {
            result.refused.append(QStringLiteral("%1: %2").arg(who, prepared.error));
        } else if (movieId <= 0) {
            result.unmatched.append(who);
        } else {
            try {
                db::SetMoviePicture(connection, movieId, prepared.data);
            } catch (const db::MovieGone& gone) {
                result.refused.append(QStringLiteral("%1: %2").arg(who, gone.message()));
                continue;
            }
            result.matched.append(QStringLiteral("%1: %2").arg(cover.name, line.title));
            ++result.stored;
        }
    }
    return result;
}

}  // namespace io
