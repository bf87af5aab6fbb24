#include "db/Movies.h"
#include "io/publish/PublishSite.h"
#include "io/publish/PublishedPageWords.h"
#include "support/InstalledTranslation.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>

namespace {

const QByteArray WordsStart = R"(<script type="application/json" id="words">)";

// Every word of the page as markup that would end its place: its script element, its title,
// its attribute.
const QString Hostile = QStringLiteral("</script><b class=\"x\">'&</title></noscript>");

class HostileTranslation : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "io::PublishedPage") != 0)
            return {};
        return Hostile + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

class PublishedPageLanguage : public testing::Test {
protected:
    PublishedPageLanguage() {
        db::MovieRecord movie;
        movie.title = QStringLiteral("Alien");
        movie.mediaId = movie.ratingId = movie.locationId = 1;
        db::InsertMovie(connection, movie);
    }

    QByteArray publish() {
        io::PublishSite(connection, QStringLiteral("KIB"), folder, QDate(2026, 12, 7));
        return test::ContentsOf(folder + "/index.html");
    }

    // The words as the page's script reads them: the text of their element, up to the first end
    // of a script element, which must be all of it.
    static QJsonObject publishedWords(const QByteArray& page) {
        const qsizetype start = page.indexOf(WordsStart);
        EXPECT_GE(start, 0);
        const qsizetype from = start + WordsStart.size();
        QJsonParseError error;
        const QJsonDocument words =
            QJsonDocument::fromJson(page.mid(from, page.indexOf("</script>", from) - from), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return words.object();
    }

    test::TestCatalogue files;
    db::Connection& connection = files.open();
    const QString folder = files.path("site");
};

// The words the script shows go in as data; the language, the title and the text for a browser
// without scripts are put into the page itself.
TEST_F(PublishedPageLanguage, TheProgramsLanguageIsThePagesLanguage) {
    test::InstalledTranslation german{QStringLiteral("de")};
    ASSERT_TRUE(german.loaded());
    QByteArray page = publish();
    EXPECT_TRUE(page.contains("<html lang=\"de\">"));
    EXPECT_TRUE(page.contains("<title>Filmkatalog</title>"));
    EXPECT_TRUE(page.contains("<noscript><p>Die Filmliste braucht JavaScript.</p></noscript>"));
    EXPECT_EQ(publishedWords(page)["someMovies"].toString(), "%1 von %2 Filmen");

    german.uninstall();
    page = publish();
    EXPECT_TRUE(page.contains("<html lang=\"en\">"));
    EXPECT_EQ(publishedWords(page)["someMovies"].toString(), "%1 of %2 movies");
}

TEST_F(PublishedPageLanguage, NoTranslatedWordCanBreakOutOfItsPlace) {
    HostileTranslation hostile;
    QCoreApplication::installTranslator(&hostile);
    const QByteArray page = publish();
    const QMap<QString, QString> expected = io::PublishedPageWords();
    QCoreApplication::removeTranslator(&hostile);

    const QJsonObject words = publishedWords(page);
    EXPECT_EQ(words.size(), expected.size());
    for (auto word = expected.cbegin(); word != expected.cend(); ++word) {
        EXPECT_TRUE(word.value().startsWith(Hostile)) << word.key().toStdString();
        EXPECT_EQ(words[word.key()].toString(), word.value()) << word.key().toStdString();
    }
    const QByteArray escaped = "&lt;/script&gt;&lt;b class=&quot;x&quot;&gt;'&amp;&lt;/title&gt;"
                               "&lt;/noscript&gt;";
    EXPECT_TRUE(page.contains("<html lang=\"" + escaped + "en\">"));
    EXPECT_TRUE(page.contains("<title>" + escaped + "Movie catalogue</title>"));
    EXPECT_TRUE(page.contains("<noscript><p>" + escaped));
    // The page's own elements, and nothing a word brought.
    EXPECT_EQ(page.count("</script>"), 3);
    EXPECT_EQ(page.count("</title>"), 1);
    EXPECT_EQ(page.count("</noscript>"), 1);
    EXPECT_FALSE(page.contains("<b "));
}

}  // namespace
