#include "io/publish/PublishedPageWords.h"

#include <QCoreApplication>

namespace io {

QMap<QString, QString> PublishedPageWords() {
    return {
        // The translation itself says which language it is; the system's locale may name one
        // the program has no words for.
        {QStringLiteral("language"),
         QCoreApplication::translate("io::PublishedPage", "en",
                                     "The code of this translation's language, as a web page "
                                     "names it: de, fr, es")},
        {QStringLiteral("pageTitle"),
         QCoreApplication::translate("io::PublishedPage", "Movie catalogue")},
        {QStringLiteral("noScript"),
         QCoreApplication::translate("io::PublishedPage", "The list of movies needs JavaScript.")},
        {QStringLiteral("published"),
         QCoreApplication::translate("io::PublishedPage", "Published on %1",
                                     "%1 is the day, as 2026-12-07")},
        {QStringLiteral("filter"), QCoreApplication::translate("io::PublishedPage", "Filter")},
        {QStringLiteral("filterHint"),
         QCoreApplication::translate("io::PublishedPage",
                                     "Words of a title, a name, a genre, the notes")},
        {QStringLiteral("allMovies"),
         QCoreApplication::translate("io::PublishedPage", "%1 movies")},
        {QStringLiteral("someMovies"),
         QCoreApplication::translate("io::PublishedPage", "%1 of %2 movies",
                                     "The movies the filter lets through, of all")},
        {QStringLiteral("close"), QCoreApplication::translate("io::PublishedPage", "Close")},
        {QStringLiteral("coverOf"),
         QCoreApplication::translate("io::PublishedPage", "Cover of %1", "%1 is the title")},
        {QStringLiteral("cast"), QCoreApplication::translate("io::PublishedPage", "Cast")},
        {QStringLiteral("genres"), QCoreApplication::translate("io::PublishedPage", "Genres")},
        {QStringLiteral("title"), QCoreApplication::translate("io::PublishedPage", "Title")},
        {QStringLiteral("year"), QCoreApplication::translate("io::PublishedPage", "Year")},
        {QStringLiteral("director"), QCoreApplication::translate("io::PublishedPage", "Director")},
        {QStringLiteral("media"), QCoreApplication::translate("io::PublishedPage", "Media")},
        {QStringLiteral("rating"), QCoreApplication::translate("io::PublishedPage", "Rating")},
        {QStringLiteral("stars"), QCoreApplication::translate("io::PublishedPage", "Stars")},
        {QStringLiteral("minutes"), QCoreApplication::translate("io::PublishedPage", "Minutes")},
        {QStringLiteral("label"), QCoreApplication::translate("io::PublishedPage", "Label #")},
        {QStringLiteral("movieNumber"),
         QCoreApplication::translate("io::PublishedPage", "Movie #")},
        {QStringLiteral("location"),
         QCoreApplication::translate("io::PublishedPage", "Storage location")},
        {QStringLiteral("producer"), QCoreApplication::translate("io::PublishedPage", "Producer")},
        {QStringLiteral("acquired"), QCoreApplication::translate("io::PublishedPage", "Acquired")},
        {QStringLiteral("cost"), QCoreApplication::translate("io::PublishedPage", "Cost")},
        {QStringLiteral("lentTo"), QCoreApplication::translate("io::PublishedPage", "Lent to")},
        {QStringLiteral("lentOn"), QCoreApplication::translate("io::PublishedPage", "Lent on")},
        {QStringLiteral("notes"), QCoreApplication::translate("io::PublishedPage", "Notes")},
    };
}

}  // namespace io
