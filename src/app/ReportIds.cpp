#include "app/ReportIds.h"

#include "db/LookupLists.h"
#include "db/LookupTable.h"

#include <QCoreApplication>
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
    // A whole sentence for each kind: languages word "rating" and "media" differently around it.
    const QString sentence =
        ofRatings ? QCoreApplication::translate("app::ReportIds",
                                                "These ids name no rating: %1. The rating ids: %2.")
                  : QCoreApplication::translate("app::ReportIds",
                                                "These ids name no media: %1. The media ids: %2.");
    return sentence.arg(unknown.join(QStringLiteral(", ")),
                        offered.isEmpty() ? QCoreApplication::translate("app::ReportIds", "none")
                                          : offered.join(QStringLiteral(", ")));
}

}  // namespace app
