#pragma once

#include <QStringList>

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
// warns on standard error: its result must not be taken for a sound one. False when damaged.
bool WarnWhenDamaged(const db::Catalogue& catalogue);

// The way back from damage, with the folder of the backups of the catalogues in folder.
QString DamageAdvice(const QString& folder, const QStringList& damage);

}  // namespace app
