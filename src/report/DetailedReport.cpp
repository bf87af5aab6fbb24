#include "report/DetailedReport.h"

#include "db/Connection.h"
#include "db/Genres.h"
#include "db/MoviePictures.h"
#include "report/MovieRows.h"
#include "report/ReportValues.h"
#include "report/SpoolWriter.h"

#include <QCoreApplication>

#include <QBuffer>
#include <QImageReader>
#include <QSet>

namespace report {

namespace {

const QString CastQuery = QStringLiteral(
    "SELECT DISTINCT ma.[MovieId], a.[Name] AS [ActorName] FROM [MovieActor] AS ma "
    "INNER JOIN [Actor] AS a ON ma.[ActorId] = a.[ActorId] ORDER BY ma.[MovieId], a.[Name] COLLATE "
    "READING_ORDER");

// The cover's box, twips: about an inch, its right edge just inside the heading's rule.
constexpr int CoverSide = 1440;
constexpr int CoverRight = 11088;  // 7.7 inches

}  // namespace

QString clsReportDetailed::Name() const {
    return QCoreApplication::translate("report::DetailedReport", "Movie Listing (Detailed)");
}

void clsReportDetailed::PrintHeading() {
    writer_.PrintPageHeading();
    writer_.PrintBox(0.1, 0.85, 7.8, 0.85, 1);
    const std::pair<int, double> tabs[] = {{1, 0.1}, {2, 0.9}, {3, 3.5},
                                           {4, 4.3}, {5, 2.3}, {6, 2.9}};
    for (const auto& [tab, position] : tabs)
        writer_.SetTab(tab, position, static_cast<int>(Alignment::Left));
    writer_.NewLine();
    writer_.NewLine();
}

void clsReportDetailed::readCasts() {
    casts_.clear();
    // Each name is kept once and shared by every movie it plays in.
    QSet<QString> names;
    connection_.scan(CastQuery, {}, [this, &names](const db::ScannedRow& row) {
        const QString name = *names.insert(row.text(1));
        casts_[row.integer(0)].append(name);
    });
}

clsReportDetailed::Labels clsReportDetailed::translatedLabels() {
    Labels labels;
    labels.stars = QCoreApplication::translate("report::DetailedReport", "Stars:");
    labels.title = QCoreApplication::translate("report::DetailedReport", "Title:");
    labels.location = QCoreApplication::translate("report::DetailedReport", "Location:");
    labels.genres = QCoreApplication::translate("report::DetailedReport", "Genres:");
    labels.label = QCoreApplication::translate("report::DetailedReport", "Label #:");
    labels.media = QCoreApplication::translate("report::DetailedReport", "Media:");
    labels.minutes = QCoreApplication::translate("report::DetailedReport", "Minutes:");
    labels.acquired = QCoreApplication::translate("report::DetailedReport", "Acquired:");
    labels.rating = QCoreApplication::translate("report::DetailedReport", "Rating:");
    labels.year = QCoreApplication::translate("report::DetailedReport", "Year:");
    labels.cost = QCoreApplication::translate("report::DetailedReport", "Cost:");
    labels.director = QCoreApplication::translate("report::DetailedReport", "Director:");
    labels.lentTo = QCoreApplication::translate("report::DetailedReport", "Lent To:");
    labels.producer = QCoreApplication::translate("report::DetailedReport", "Producer:");
    labels.lentDate = QCoreApplication::translate("report::DetailedReport", "Lent Date:");
    labels.actors = QCoreApplication::translate("report::DetailedReport", "Actors:");
    labels.notes = QCoreApplication::translate("report::DetailedReport", "Notes:");
    return labels;
}

void clsReportDetailed::PrintReport() {
    labels_ = translatedLabels();
    writer_.BeginReport(*this);
    genres_ = db::GetAllGenreTexts(connection_);
    readCasts();
    const QList<int> withPictures = db::MoviesWithPictures(connection_);
    withPictures_ = QSet<int>(withPictures.begin(), withPictures.end());
    MovieRows rows(connection_, QStringLiteral(" ORDER BY m.[Title] COLLATE READING_ORDER"));
    if (!rows.next()) {
        writer_.NewLine();
        writer_.PrintWholeText(
            QCoreApplication::translate("report::DetailedReport", "No movies found."), 1);
        writer_.EndReport();
        return;
    }
    qint64 count = 0;
    for (; !rows.atEnd() && !writer_.cancelled(); rows.next()) {
        printMovie(rows.row());
        ++count;
    }
    // The count line is wider than the values' column.
    writer_.SetTab(2, 4.0, static_cast<int>(Alignment::Left));
    PrintCount(QCoreApplication::translate("report::DetailedReport", "Movie count: %1"), count);
    writer_.EndReport();
}

void clsReportDetailed::printCover(int movieId) {
    if (!withPictures_.contains(movieId))
        return;
    const QByteArray thumbnail = db::ReadMovieThumbnail(connection_, movieId);
    QBuffer buffer;
    buffer.setData(thumbnail);
    buffer.open(QIODevice::ReadOnly);
    const QSize size = QImageReader(&buffer).size();
    if (!size.isValid())
        return;
    const QSize box = size.scaled(CoverSide, CoverSide, Qt::KeepAspectRatio);
    writer_.PrintPicture(CoverRight - box.width(), 0, box.width(), box.height(), thumbnail);
}

void clsReportDetailed::printMovie(const MovieRow& movie) {
    using Text = std::pair<QString, int>;
    auto line = [this](std::initializer_list<Text> texts) {
        writer_.NewLine();
        for (const Text& text : texts)
            writer_.PrintText(text.first, text.second);
    };
    line({{labels_.stars, 1}, {StarsText(movie.stars), 2}});
    printCover(movie.movieId);
    line({{labels_.title, 1}, {movie.title, 2}, {labels_.location, 3}, {movie.locationName, 4}});
    line({{labels_.genres, 1},
          {genres_.value(movie.movieId, QString::fromLatin1(db::NoGenreText)), 2},
          {labels_.label, 3},
          {movie.labelNumber, 4}});
    line({{labels_.media, 1},
          {movie.mediaName, 2},
          {labels_.minutes, 5},
          {QString::number(movie.minutes), 6},
          {labels_.acquired, 3},
          {DateText(movie.acquireDate), 4}});
    line({{labels_.rating, 1},
          {movie.ratingName, 2},
          {labels_.year, 5},
          {QString::number(movie.releaseYear), 6},
          {labels_.cost, 3},
          {CurrencyText(movie.cost), 4}});
    line({{labels_.director, 1}, {movie.director, 2}, {labels_.lentTo, 3}, {movie.lentTo, 4}});
    line({{labels_.producer, 1},
          {movie.producer, 2},
          {labels_.lentDate, 3},
          {DateText(movie.lentDate), 4}});
    const QStringList cast = casts_.value(movie.movieId);
    for (qsizetype actor = 0; actor < cast.size(); ++actor) {
        writer_.NewLine();
        if (actor == 0)
            writer_.PrintText(labels_.actors, 1);
        writer_.PrintText(cast[actor], 2);
    }
    if (!movie.notes.isEmpty()) {
        writer_.NewLine();
        writer_.PrintText(labels_.notes, 1);
        // Style 1 wraps long notes inside their column.
        writer_.PrintText(movie.notes, 2, NormalStyle);
    }
    writer_.NewLine();
}

}  // namespace report
