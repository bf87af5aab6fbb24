#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace io {

// How much a member of an archive may unpack to: far more than any real collection's XML, far
// less than a crafted archive could make of a few kilobytes.
inline constexpr qint64 ZipUnpackLimit = 200ll * 1024 * 1024;

// Whether the bytes begin as a zip archive does.
bool LooksLikeZip(const QByteArray& bytes);

// One member of a zip archive held in memory, unpacked in memory: nothing is ever written to
// disk, so no name in the archive can lead anywhere. An archive that names a path outside its
// folder ("../", "/"), is encrypted, damaged, or would unpack to more than the limit is refused
// with a FileError in words for the user, as is one without the member.
QByteArray ReadZipMember(const QByteArray& archive, const QString& member,
                         qint64 unpackLimit = ZipUnpackLimit);

// A member unpacked, or why it could not be, in words for the user.
struct ZipMember {
    QByteArray bytes;
    QString problem;
};
// Many members at once, the table of contents read and checked once, as above (an archive that
// fails that check is a FileError); a member missing or damaged is refused alone.
QHash<QString, ZipMember> ReadZipMembers(const QByteArray& archive, const QStringList& members,
                                         qint64 unpackLimit = ZipUnpackLimit);

}  // namespace io
