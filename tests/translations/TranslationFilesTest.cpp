#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

const QStringList Languages = {"de", "fr", "es"};

QString translationFile(const QString& folder, const QString& language) {
    return QDir(folder).filePath(QStringLiteral("tallowmere_%1.ts").arg(language));
}

struct Entry {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty when done
};

struct TranslationFile {
    QString language;
    std::vector<Entry> entries;
};

TranslationFile read(const QString& path) {
    TranslationFile file;
    QFile input(path);
    EXPECT_TRUE(input.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&input);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"TS")
            file.language = xml.attributes().value(QLatin1String("language")).toString();
        else if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            entry = Entry{context, {}, {}, {}};
        else if (xml.name() == u"source")
            entry.source = xml.readElementText();
        else if (xml.name() == u"translation") {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText();
            file.entries.push_back(entry);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return file;
}

// "%L1" is "%1" written with the user's digit grouping: the same placeholder.
QStringList placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.append(match.captured(1));
    found.sort();
    return found;
}

// An "&" marks the accelerator; "&&" is a plain ampersand.
int accelerators(QString text) {
    return int(text.remove(QStringLiteral("&&")).count(u'&'));
}

std::string where(const QString& language, const Entry& entry) {
    return QStringLiteral("%1 %2: \"%3\"").arg(language, entry.context, entry.source).toStdString();
}

TEST(TranslationFiles, EveryTextIsTranslatedWithItsPlaceholdersAndAccelerator) {
    for (const QString& language : Languages) {
        const TranslationFile file = read(translationFile(TALLOWMERE_TRANSLATIONS, language));
        EXPECT_TRUE(file.language.startsWith(language)) << file.language.toStdString();
        EXPECT_GT(file.entries.size(), 100u) << language.toStdString();
        for (const Entry& entry : file.entries) {
            EXPECT_EQ(entry.type.toStdString(), "") << where(language, entry);
            EXPECT_FALSE(entry.translation.isEmpty()) << where(language, entry);
            EXPECT_EQ(placeholders(entry.translation), placeholders(entry.source))
                << where(language, entry);
            EXPECT_EQ(accelerators(entry.translation), accelerators(entry.source))
                << where(language, entry);
        }
    }
}

// What lupdate would add (a text of the code that no file has) or retire (a text the code no
// longer has): a copy of each file is brought up to date with the sources and must not change.
TEST(TranslationFiles, HoldExactlyTheTextsOfTheCode) {
    QTemporaryDir copies;
    ASSERT_TRUE(copies.isValid());
    QStringList arguments = {QStringLiteral("-silent"),
                             QStringLiteral("-locations"),
                             QStringLiteral("none"),
                             QStringLiteral("-I"),
                             QStringLiteral(TALLOWMERE_SOURCES),
                             QStringLiteral(TALLOWMERE_SOURCES "/app"),
                             QStringLiteral(TALLOWMERE_SOURCES "/ui"),
                             QStringLiteral(TALLOWMERE_SOURCES "/db"),
                             QStringLiteral(TALLOWMERE_SOURCES "/io"),
                             QStringLiteral(TALLOWMERE_SOURCES "/report"),
                             QStringLiteral(TALLOWMERE_SOURCES "/settings"),
                             QStringLiteral("-ts")};
    for (const QString& language : Languages) {
        const QString copy = translationFile(copies.path(), language);
        ASSERT_TRUE(QFile::copy(translationFile(TALLOWMERE_TRANSLATIONS, language), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        arguments.append(copy);
    }
    QProcess lupdate;
    lupdate.start(QStringLiteral(TALLOWMERE_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << lupdate.errorString().toStdString();
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    for (const QString& language : Languages) {
        const TranslationFile file = read(translationFile(copies.path(), language));
        for (const Entry& entry : file.entries)
            EXPECT_EQ(entry.type.toStdString(), "") << where(language, entry);
    }
}

}  // namespace
