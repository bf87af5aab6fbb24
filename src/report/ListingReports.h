#pragma once

#include "report/CatalogueReport.h"

#include <QHash>
#include <QList>
#include <QString>
#include <vector>

namespace report {

class MovieRows;
struct MovieRow;

// The movie listings of one movie a line in columns: the plain listing and those by label
// number, by rating and by media.
class ColumnListing : public CatalogueReport {
public:
    QString Name() const override { return name_; }
    void PrintReport() override;
    void PrintHeading() override;

    enum class Field { Title, LabelNumber, Stars, Genre, Location, Rating, Media, Minutes };

protected:
    struct Column {
        Field field;
        int tab;  // the column's, and its heading's
    };
    struct Layout {
        std::vector<Tab> tabs;
        std::vector<Column> columns;
    };

    // ending: the query's WHERE and ORDER BY.
    ColumnListing(SpoolWriter& writer, db::Connection& connection, QString name, QString ending,
                  Layout layout);
    // Writes the rows from the first one on, until they run out or the user cancels.
    virtual void printRows(MovieRows& rows);
    void printRow(const MovieRow& row);

private:
    QString value(const MovieRow& row, Field field) const;

    QString name_;
    QString ending_;
    Layout layout_;
    QHash<int, QString> genres_;
    qint64 count_ = 0;
};

class clsReportList final : public ColumnListing {
public:
    clsReportList(SpoolWriter& writer, db::Connection& connection);
};

class clsReportListLabelNumber final : public ColumnListing {
public:
    clsReportListLabelNumber(SpoolWriter& writer, db::Connection& connection);
};

enum class ListingGroup { Rating, Media };

// The movies of the chosen ratings or media, each a group under its bold name.
class GroupedListing : public ColumnListing {
protected:
    GroupedListing(SpoolWriter& writer, db::Connection& connection, ListingGroup group,
                   const QList<int>& ids);
    void printRows(MovieRows& rows) override;

private:
    ListingGroup group_;
};

class clsReportRating final : public GroupedListing {
public:
    // ratingIds: the ratings chosen in the selection dialog.
    clsReportRating(SpoolWriter& writer, db::Connection& connection, const QList<int>& ratingIds)
        : GroupedListing(writer, connection, ListingGroup::Rating, ratingIds) {}
};

class clsReportMedia final : public GroupedListing {
public:
    clsReportMedia(SpoolWriter& writer, db::Connection& connection, const QList<int>& mediaIds)
        : GroupedListing(writer, connection, ListingGroup::Media, mediaIds) {}
};

}  // namespace report
