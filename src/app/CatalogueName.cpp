#include "app/CatalogueName.h"

#include <QCoreApplication>
#include <QList>

namespace app {

namespace {

// The longest file beside the catalogue is <name>.db.lock with QLockFile's own suffixes; file
// systems take 255 bytes.
constexpr qsizetype MaxFileNameBytes = 255 - 24;

bool keeps(char32_t c) {
    // Marks belong to the letter before them: some scripts cannot be written without them.
    switch (QChar::category(c)) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            return true;
        default:
            return QChar::isLetterOrNumber(c);
    }
}

}  // namespace

CatalogueName CatalogueNameOf(const QString& text) {
    CatalogueName result;
    if (text.contains(u'/') || text.contains(u'\\') || text.contains(QStringLiteral(".."))) {
        result.refusal = QCoreApplication::translate(
            "app::CatalogueName",
            "A catalogue name is a name, not a path: it cannot hold '/', '\\' or '..'.");
        return result;
    }
    const QList<uint> characters = text.trimmed().toUcs4();
    int count = 0;
    for (const uint c : characters) {
        if (QChar::category(c) == QChar::Other_Control) {
            result.refusal = QCoreApplication::translate(
                "app::CatalogueName", "A catalogue name cannot hold control characters.");
            return result;
        }
        if (!keeps(c))
            continue;
        // The simple upper case keeps one letter one letter: "ß" stays, as "İ" does.
        const char32_t upper = QChar::toUpper(c);
        result.name += QString::fromUcs4(&upper, 1);
        ++count;
    }
    if (count == 0)
        result.refusal = QCoreApplication::translate("app::CatalogueName",
                                                     "A catalogue name needs letters or digits.");
    else if (count > CatalogueName::MaxLength || result.name.toUtf8().size() > MaxFileNameBytes)
        result.refusal =
            QCoreApplication::translate("app::CatalogueName",
                                        "A catalogue name can have at most %1 letters and digits.")
                .arg(CatalogueName::MaxLength);
    if (!result.refusal.isEmpty())
        result.name.clear();
    return result;
}

}  // namespace app
