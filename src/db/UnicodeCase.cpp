#include "db/UnicodeCase.h"

#include "db/DatabaseError.h"

#include <sqlite3.h>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QString>
#include <QVariant>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace db {

namespace {

bool isAscii(const char* text, int length) {
    for (int i = 0; i < length; ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

int collate(void*, int aLength, const void* a, int bLength, const void* b) {
    return CompareIgnoringCase(static_cast<const char*>(a), aLength, static_cast<const char*>(b),
                               bLength);
}

// Case-folded code points, so that one comparison serves every letter.
std::vector<char32_t> folded(const char* text) {
    const QString value = QString::fromUtf8(text).toCaseFolded();
    std::vector<char32_t> result;
    result.reserve(value.size());
    for (char32_t c : value.toUcs4())
        result.push_back(c);
    return result;
}

// LIKE's matching on any sequence of case-folded code points: "%" any run, "_" any one, the
// escape character makes the next one literal.
template <typename Folded>
bool matchLike(const Folded& pattern, const Folded& text, char32_t escape) {
    size_t p = 0, t = 0;
    size_t starPattern = std::string::npos, starText = 0;
    while (t < text.size()) {
        if (p < pattern.size()) {
            char32_t c = pattern[p];
            if (escape != 0 && c == escape && p + 1 < pattern.size()) {
                if (pattern[p + 1] == text[t]) {
                    p += 2;
                    ++t;
                    continue;
                }
            } else if (c == U'%') {
                starPattern = ++p;
                starText = t;
                continue;
            } else if (c == U'_' || c == text[t]) {
                ++p;
                ++t;
                continue;
            }
        }
        if (starPattern == std::string::npos)
            return false;
        p = starPattern;
        t = ++starText;
    }
    while (p < pattern.size() && pattern[p] == U'%')
        ++p;
    return p == pattern.size();
}

// ASCII text folded as it is read: most titles and names are plain ASCII, and a search scans
// every row, so this path must not allocate.
class AsciiFolded {
public:
    AsciiFolded(const char* text, size_t length) : text_(text), length_(length) {}
    size_t size() const { return length_; }
    char32_t operator[](size_t i) const { return static_cast<unsigned char>(asciiLower(text_[i])); }

private:
    const char* text_;
    size_t length_;
};

bool likeIgnoringCase(const char* pattern, int patternLength, const char* text, int textLength,
                      char32_t escape) {
    if (isAscii(pattern, patternLength) && isAscii(text, textLength))
        return matchLike(AsciiFolded(pattern, size_t(patternLength)),
                         AsciiFolded(text, size_t(textLength)), escape);
    return matchLike(folded(pattern), folded(text), escape);
}

void like(sqlite3_context* context, int argc, sqlite3_value** argv) {
    const auto* pattern = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    if (pattern == nullptr || text == nullptr)
        return;  // NULL, as the built-in LIKE gives
    char32_t escape = 0;
    if (argc == 3) {
        const auto* escapeText = reinterpret_cast<const char*>(sqlite3_value_text(argv[2]));
        const QString escapeValue = QString::fromUtf8(escapeText ? escapeText : "");
        if (escapeValue.toUcs4().size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = QString(escapeValue).toCaseFolded().toUcs4().front();
    }
    const bool matches = likeIgnoringCase(pattern, sqlite3_value_bytes(argv[0]), text,
                                          sqlite3_value_bytes(argv[1]), escape);
    sqlite3_result_int(context, matches ? 1 : 0);
}

void fold(sqlite3_context* context, int, sqlite3_value** argv) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    if (text == nullptr)
        return;  // NULL folds to NULL
    const QByteArray folded =
        CaseFold(QString::fromUtf8(text, sqlite3_value_bytes(argv[0]))).toUtf8();
    sqlite3_result_text(context, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

// The folds of the first 256 characters, as Qt folds them, looked up rather than worked out:
// most titles and names are Latin-1, and an import folds several per line.
const std::array<char16_t, 0x100>& latin1Folds() {
    static const std::array<char16_t, 0x100> folds = [] {
        std::array<char16_t, 0x100> table{};
        for (char16_t each = 0; each < 0x100; ++each)
            table[each] = QChar(each).toCaseFolded().unicode();
        return table;
    }();
    return folds;
}

// The finding fold of a text that may hold anything: folded, decomposed, marks dropped.
QString findingFoldOf(const QString& text) {
    // Qt folds one letter to one: the sharp s is spelt out here, as the full fold does.
    const QString decomposed = text.toCaseFolded()
                                   .normalized(QString::NormalizationForm_KD)
                                   .toCaseFolded()
                                   .replace(QChar(0xDF), QLatin1String("ss"));
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_Enclosing &&
            c.category() != QChar::Mark_SpacingCombining)
            result.append(c);
    return result;
}

// The finding folds of the first 256 characters: the filter folds every text of every movie
// when it builds its index, and nearly all of them are Latin-1.
const std::array<QString, 0x100>& latin1FindingFolds() {
    static const std::array<QString, 0x100> folds = [] {
        std::array<QString, 0x100> table;
        for (char16_t each = 0; each < 0x100; ++each)
            table[each] = findingFoldOf(QString(QChar(each)));
        return table;
    }();
    return folds;
}

}  // namespace

QString FindingFold(const QString& text) {
    const std::array<QString, 0x100>& folds = latin1FindingFolds();
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x100)
            return findingFoldOf(text);
        if (c.unicode() < 0x80 && (c.unicode() < 'A' || c.unicode() > 'Z'))
            folded.append(c);
        else
            folded.append(folds[c.unicode()]);
    }
    return folded;
}

char16_t CaseFoldLatin1(char16_t c) {
    return latin1Folds()[c];
}

QString CaseFold(const QString& text) {
    const std::array<char16_t, 0x100>& folds = latin1Folds();
    QString folded(text.size(), Qt::Uninitialized);
    QChar* out = folded.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x100)
            return text.toCaseFolded();
        out[i] = QChar(folds[c]);
    }
    return folded;
}

int CompareIgnoringCase(const char* a, int aLength, const char* b, int bLength) {
    if (isAscii(a, aLength) && isAscii(b, bLength)) {
        const int common = std::min(aLength, bLength);
        for (int i = 0; i < common; ++i) {
            const char x = asciiLower(a[i]);
            const char y = asciiLower(b[i]);
            if (x != y)
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
        }
        return aLength == bLength ? 0 : (aLength < bLength ? -1 : 1);
    }
    return QString::compare(QString::fromUtf8(a, aLength), QString::fromUtf8(b, bLength),
                            Qt::CaseInsensitive);
}

bool LikeIgnoringCase(const char* pattern, const char* text, char32_t escape) {
    return likeIgnoringCase(pattern, int(strlen(pattern)), text, int(strlen(text)), escape);
}

sqlite3* InstallUnicodeCase(QSqlDatabase& database) {
    const QVariant handle = database.driver()->handle();
    sqlite3* connection = nullptr;
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        connection = *static_cast<sqlite3* const*>(handle.data());
    if (connection == nullptr)
        throw Error(QCoreApplication::translate("db::UnicodeCase",
                                                "The catalogue connection has no SQLite handle."));
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_collation(connection, "UNICODE_NOCASE", SQLITE_UTF8, nullptr, collate) !=
            SQLITE_OK ||
        sqlite3_create_function(connection, "unicode_fold", 1, flags, nullptr, fold, nullptr,
                                nullptr) != SQLITE_OK ||
        sqlite3_create_function(connection, "like", 2, flags, nullptr, like, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_create_function(connection, "like", 3, flags, nullptr, like, nullptr, nullptr) !=
            SQLITE_OK)
        throw Error(QString::fromUtf8(sqlite3_errmsg(connection)));
    return connection;
}

}  // namespace db
