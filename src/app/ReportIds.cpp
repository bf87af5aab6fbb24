#include "app/ReportIds.h"

#include "db/LookupLists.h"
#include "db/LookupTable.h"

#include <QStringList>
#include <algorithm>

namespace app {

std::optional<QString> UnknownReportIds(db::Connection& connection, bool ofRatings,
                                        const QList<int>& ids) {
    const QList<db::LookupEntry> entries =
        db::LookupEntries(connection, ofRatings ? db::LookupTable::Rating : db::LookupTable::Media);
    QStringList unknown;
    for (int id : ids) {
        const bool known =
            std::any_of(entries.begin(), entries.end(),
                        [id](const db::LookupEntry& entry) { return entry.id == id; });
        if (!known && !unknown.contains(QString::number(id)))
            unknown.append(QString::number(id));
    }
    if (unknown.isEmpty())
        return std::nullopt;
    QStringList offered;
    for (const db::LookupEntry& entry : entries)
        offered.append(QStringLiteral("%1: %2").arg(entry.id).arg(entry.name));
    const QString kind = ofRatings ? QStringLiteral("rating") : QStringLiteral("media");
    return QStringLiteral("These ids name no %1: %2. The %1 ids: %3.")
        .arg(kind, unknown.join(QStringLiteral(", ")),
             offered.isEmpty() ? QStringLiteral("none") : offered.join(QStringLiteral(", ")));
}

}  // namespace app
