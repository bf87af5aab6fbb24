#pragma once

#include <QStringList>
#include <future>

namespace db {
class Catalogue;
}

namespace app {

// The stock integrity check, not the cheaper quick check: only the full check sees a row
// missing from an index, and an import through such an index stores a name twice.
QStringList FileDamage(const db::Catalogue& catalogue);

// A command that writes runs only on a sound file. Otherwise says on standard error what is
// wrong and how to mend it, and the command writes nothing.
bool SoundBeforeWriting(const db::Catalogue& catalogue);

// A command that reads goes ahead on a damaged file, so that what can be read is not lost, but
// warns on standard error: its result must not be taken for a sound one. The check runs beside
// the reading, on a connection of its own, so that it costs little time on a second core.
class DamageCheckBeside {
public:
    explicit DamageCheckBeside(const db::Catalogue& catalogue);
    ~DamageCheckBeside();
    DamageCheckBeside(const DamageCheckBeside&) = delete;
    DamageCheckBeside& operator=(const DamageCheckBeside&) = delete;

    // Waits for the check; says what it found. False when the file is damaged.
    bool warnWhenDamaged();

private:
    QString name_;
    QString folder_;
    std::future<QStringList> damage_;
};

// The way back from damage, with the folder of the backups of the catalogues in folder.
QString DamageAdvice(const QString& folder, const QStringList& damage);

}  // namespace app
