#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace db {
class Connection;
}

namespace app {

// Why the ids given to the listing by rating or by media are refused: those that name no rating
// (or media), with the ones that do. Nothing when every id names one.
std::optional<QString> UnknownReportIds(db::Connection& connection, bool ofRatings,
                                        const QList<int>& ids);

}  // namespace app
