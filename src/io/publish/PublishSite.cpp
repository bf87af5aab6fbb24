#include "io/publish/PublishSite.h"

#include "io/MovieFileError.h"
#include "io/PictureFolder.h"
#include "io/publish/CatalogueJson.h"
#include "io/publish/PublishedPageWords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace io {

namespace {

QByteArray resource(const QString& name) {
    QFile file(QStringLiteral(":/publish/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QCoreApplication::translate("io::PublishSite",
                                                    "The program's page template '%1' is missing.")
                            .arg(name));
    return file.readAll();
}

// The words as the script reads them, escaped as the catalogue is, so that no word can end
// its script element.
QByteArray wordsJson(const QMap<QString, QString>& words) {
    QByteArray out = "{";
    for (auto word = words.cbegin(); word != words.cend(); ++word) {
        if (word != words.cbegin())
            out += ',';
        AppendJsonString(out, word.key());
        out += ':';
        AppendJsonString(out, word.value());
    }
    out += '}';
    return out;
}

// A word for HTML text or a double-quoted attribute.
QByteArray htmlText(const QString& word) {
    return word.toHtmlEscaped().toUtf8();
}

// The page template with its words, style, script and data put in their places. Slots are looked
// for in the template only, never in what went into one, so no word or title can pass for a slot.
QByteArray page(const QByteArray& data, const QMap<QString, QString>& words) {
    const QByteArray page = resource(QStringLiteral("index.html"));
    const QByteArray style = resource(QStringLiteral("page.css"));
    const QByteArray script = resource(QStringLiteral("page.js"));
    const QByteArray language = htmlText(words.value(QStringLiteral("language")));
    const QByteArray title = htmlText(words.value(QStringLiteral("pageTitle")));
    const QByteArray noScript = htmlText(words.value(QStringLiteral("noScript")));
    const QByteArray wordData = wordsJson(words);
    struct Slot {
        const char* marker;
        const QByteArray& text;
    };
    const Slot fills[] = {{"/*@LANGUAGE@*/", language}, {"/*@TITLE@*/", title},
                          {"/*@STYLE@*/", style},       {"/*@NOSCRIPT@*/", noScript},
                          {"/*@DATA@*/", data},         {"/*@WORDS@*/", wordData},
                          {"/*@SCRIPT@*/", script}};
    QByteArray out;
    out.reserve(page.size() + style.size() + script.size() + data.size() + wordData.size());
    qsizetype from = 0;
    for (const Slot& fill : fills) {
        const qsizetype at = page.indexOf(fill.marker, from);
        Q_ASSERT(at >= 0);
        out += page.mid(from, at - from);
        out += fill.text;
        from = at + qstrlen(fill.marker);
    }
    out += page.mid(from);
    return out;
}

}  // namespace

PublishResult PublishSite(db::Connection& connection, const QString& catalogueName,
                          const QString& folder, const QDate& published) {
    if (!QDir().mkpath(folder))
        throw FileError(
            QCoreApplication::translate("io::PublishSite", "The folder '%1' could not be made.")
                .arg(folder));
    // The pictures go first: the page names only those that are there.
    const QHash<int, QString> covers =
        WriteNumberedPictures(connection, QDir(folder).filePath(QStringLiteral("pictures")));
    const CatalogueJson data = MakeCatalogueJson(connection, catalogueName, published, covers);
    PublishResult result;
    result.movies = data.movies;
    result.page = QDir(folder).absoluteFilePath(QStringLiteral("index.html"));
    QSaveFile file(result.page);
    const QByteArray text = page(data.json, PublishedPageWords());
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw FileError(QCoreApplication::translate(
                            "io::PublishSite", "The web page could not be written to '%1'.\n\n%2")
                            .arg(result.page, file.errorString()));
    return result;
}

}  // namespace io
