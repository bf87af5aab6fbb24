#include "app/CatalogueDamage.h"

#include "app/CommandSupport.h"
#include "db/Catalogue.h"
#include "db/FileCheck.h"

#include <QCoreApplication>

namespace app {

namespace {

// The first few findings are enough to name the damage; check lists them all.
QString firstFindings(const QStringList& damage) {
    constexpr int Shown = 3;
    QString text = damage.mid(0, Shown).join(QStringLiteral("; "));
    if (damage.size() > Shown)
        text += QCoreApplication::translate("app::CatalogueDamage", "; and %1 more")
                    .arg(damage.size() - Shown);
    return text;
}

}  // namespace

QStringList FileDamage(const db::Catalogue& catalogue) {
    return db::IntegrityProblems(catalogue.filePath());
}

QString DamageAdvice(const QString& folder, const QStringList& damage) {
    const QString backups = folder + QStringLiteral("/Backups");
    if (db::OnlyIndexesDamaged(damage))
        return QCoreApplication::translate(
                   "app::CatalogueDamage",
                   "'tallowmere check --repair' rebuilds the damaged indexes (after "
                   "a backup); older copies of the catalogue are kept in %1.")
            .arg(backups);
    return QCoreApplication::translate(
               "app::CatalogueDamage",
               "Put back a copy from %1, or rescue what can be read with the stock "
               "sqlite3 tool's .recover; 'tallowmere check --repair' cannot mend "
               "this.")
        .arg(backups);
}

bool SoundBeforeWriting(const db::Catalogue& catalogue) {
    const QStringList damage = FileDamage(catalogue);
    if (damage.isEmpty())
        return true;
    say(stderr,
        QCoreApplication::translate("app::CatalogueDamage",
                                    "The catalogue '%1' is damaged (%2). Nothing was written.\n%3")
            .arg(catalogue.name(), firstFindings(damage),
                 DamageAdvice(catalogue.folder(), damage)));
    return false;
}

DamageCheckBeside::DamageCheckBeside(const db::Catalogue& catalogue)
    : name_(catalogue.name()),
      folder_(catalogue.folder()),
      damage_(std::async(std::launch::async,
                         [path = catalogue.filePath()] { return db::IntegrityProblems(path); })) {}

// A command that failed half way still waits for the check's connection to close.
DamageCheckBeside::~DamageCheckBeside() = default;

bool DamageCheckBeside::warnWhenDamaged() {
    const QStringList damage = damage_.get();
    if (damage.isEmpty())
        return true;
    say(stderr, QCoreApplication::translate(
                    "app::CatalogueDamage",
                    "Warning: the catalogue '%1' is damaged (%2). What was read from "
                    "it may be incomplete.\n%3")
                    .arg(name_, firstFindings(damage), DamageAdvice(folder_, damage)));
    return false;
}

}  // namespace app
