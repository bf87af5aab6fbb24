#pragma once

#include "report/CatalogueReport.h"

#include <QHash>
#include <QSet>
#include <QStringList>

namespace report {

struct MovieRow;

// Every movie by title as a block of lines: all its fields, its actors and its notes.
class clsReportDetailed final : public CatalogueReport {
public:
    clsReportDetailed(SpoolWriter& writer, db::Connection& connection)
        : CatalogueReport(writer, connection) {}

    QString Name() const override;
    void PrintReport() override;
    void PrintHeading() override;

private:
    // The fields' names in the user's language, looked up once a report, not once a movie.
    struct Labels {
        QString stars, title, location, genres, label, media, minutes, acquired, rating, year, cost,
            director, lentTo, producer, lentDate, actors, notes;
    };
    static Labels translatedLabels();

    void printMovie(const MovieRow& movie);
    // The casts of all movies, each sorted by name: one query, not one per movie.
    void readCasts();
    // The movie's cover, about an inch, at the right of its first line; nothing without one.
    void printCover(int movieId);

    QHash<int, QString> genres_;
    QHash<int, QStringList> casts_;
    QSet<int> withPictures_;
    Labels labels_;
};

}  // namespace report
