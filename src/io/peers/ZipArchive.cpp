#include "io/peers/ZipArchive.h"

#include "io/MovieFileError.h"

#include <zlib.h>
#include <QCoreApplication>
#include <QHash>

namespace io {

namespace {

constexpr quint32 LocalHeaderSignature = 0x04034b50;
constexpr quint32 CentralHeaderSignature = 0x02014b50;
constexpr quint32 EndSignature = 0x06054b50;
constexpr qsizetype EndSize = 22;
constexpr qsizetype CentralHeaderSize = 46;
constexpr qsizetype LocalHeaderSize = 30;

[[noreturn]] void refuse(const QString& why) {
    throw FileError(
        QCoreApplication::translate("io::ZipArchive", "The archive cannot be read: %1").arg(why));
}

// Little-endian numbers at an offset, checked against the end of the bytes.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}
    quint32 u16(qsizetype at) const { return byte(at) | byte(at + 1) << 8; }
    quint32 u32(qsizetype at) const { return u16(at) | u16(at + 2) << 16; }
    QByteArray slice(qsizetype at, qint64 size) const {
        if (at < 0 || size < 0 || at + size > bytes_.size())
            refuse(QCoreApplication::translate("io::ZipArchive", "it is cut short or damaged."));
        return bytes_.mid(at, size);
    }

private:
    quint32 byte(qsizetype at) const {
        if (at < 0 || at >= bytes_.size())
            refuse(QCoreApplication::translate("io::ZipArchive", "it is cut short or damaged."));
        return quint8(bytes_[at]);
    }
    const QByteArray& bytes_;
};

bool leadsOutside(const QString& name) {
    const QString path = QString(name).replace(u'\\', u'/');
    return path.startsWith(u'/') || path == QLatin1String("..") ||
           path.startsWith(QLatin1String("../")) || path.contains(QLatin1String("/../")) ||
           path.endsWith(QLatin1String("/..")) || (path.size() > 1 && path[1] == u':');
}

QString tooLarge(qint64 limit) {
    return QCoreApplication::translate(
               "io::ZipArchive",
               "it would unpack to more than %1 MB, which no collection needs. It may be made to "
               "fill the memory (a zip bomb).")
        .arg(limit / (1024 * 1024));
}

QByteArray inflateRaw(const QByteArray& packed, qint64 expected, qint64 limit) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        refuse(QCoreApplication::translate("io::ZipArchive", "the unpacker could not start."));
    QByteArray out;
    out.resize(qsizetype(std::min<qint64>(std::max<qint64>(expected, 4096), limit)));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    stream.avail_in = uInt(packed.size());
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        if (qint64(stream.total_out) == out.size()) {
            if (out.size() >= limit) {
                inflateEnd(&stream);
                refuse(tooLarge(limit));
            }
            out.resize(qsizetype(std::min<qint64>(qint64(out.size()) * 2, limit)));
        }
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + stream.total_out);
        stream.avail_out = uInt(out.size() - qsizetype(stream.total_out));
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) {
            inflateEnd(&stream);
            refuse(QCoreApplication::translate("io::ZipArchive", "its packed data is damaged."));
        }
        if (status == Z_OK && stream.avail_in == 0 && stream.avail_out > 0) {
            inflateEnd(&stream);
            refuse(QCoreApplication::translate("io::ZipArchive", "its packed data is cut short."));
        }
    }
    out.resize(qsizetype(stream.total_out));
    inflateEnd(&stream);
    return out;
}

}  // namespace

bool LooksLikeZip(const QByteArray& bytes) {
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

namespace {

// The archive's table of contents, checked as a whole: no name leads out of its folder, and all
// of it unpacks to no more than the limit. The central header of each member, by its name.
QHash<QString, qsizetype> readContents(const Reader& read, const QByteArray& archive,
                                       qint64 unpackLimit) {
    // The end record sits in the last 64 KB, after a comment of up to 65,535 bytes.
    qsizetype end = -1;
    for (qsizetype at = archive.size() - EndSize; at >= 0 && at >= archive.size() - EndSize - 65535;
         --at)
        if (read.u32(at) == EndSignature) {
            end = at;
            break;
        }
    if (end < 0)
        refuse(QCoreApplication::translate("io::ZipArchive",
                                           "it is no zip archive, or a damaged one."));
    const quint32 entries = read.u16(end + 10);
    qsizetype at = read.u32(end + 16);
    qint64 unpackedTotal = 0;
    QHash<QString, qsizetype> contents;
    for (quint32 i = 0; i < entries; ++i) {
        if (read.u32(at) != CentralHeaderSignature)
            refuse(
                QCoreApplication::translate("io::ZipArchive", "its table of contents is damaged."));
        const quint32 unpacked = read.u32(at + 24);
        const quint32 nameSize = read.u16(at + 28);
        const quint32 extraSize = read.u16(at + 30);
        const quint32 commentSize = read.u16(at + 32);
        const QString name = QString::fromUtf8(read.slice(at + CentralHeaderSize, nameSize));
        if (leadsOutside(name))
            refuse(QCoreApplication::translate(
                       "io::ZipArchive",
                       "it holds the path '%1', which leads out of its folder. "
                       "Nothing of it is read.")
                       .arg(name));
        if (unpacked == 0xFFFFFFFFu)
            refuse(tooLarge(unpackLimit));
        unpackedTotal += unpacked;
        if (unpackedTotal > unpackLimit)
            refuse(tooLarge(unpackLimit));
        contents.insert(name, at);
        at += CentralHeaderSize + nameSize + extraSize + commentSize;
    }
    return contents;
}

// The member whose central header is at found, unpacked and checked against its check sum.
QByteArray unpackMember(const Reader& read, qsizetype found, const QString& member,
                        qint64 unpackLimit) {
    if (read.u16(found + 8) & 1)
        refuse(QCoreApplication::translate("io::ZipArchive", "it is encrypted."));
    const quint32 method = read.u16(found + 10);
    const quint32 packedSize = read.u32(found + 20);
    const quint32 unpackedSize = read.u32(found + 24);
    const qsizetype local = read.u32(found + 42);
    if (read.u32(local) != LocalHeaderSignature)
        refuse(QCoreApplication::translate("io::ZipArchive", "its entry for '%1' is damaged.")
                   .arg(member));
    const qsizetype data = local + LocalHeaderSize + read.u16(local + 26) + read.u16(local + 28);
    const QByteArray packed = read.slice(data, packedSize);
    QByteArray unpacked;
    if (method == 0)
        unpacked = packed;
    else if (method == 8)
        unpacked = inflateRaw(packed, unpackedSize, unpackLimit);
    else
        refuse(
            QCoreApplication::translate(
                "io::ZipArchive", "'%1' is packed in a way this program does not read (method %2).")
                .arg(member)
                .arg(method));
    if (unpacked.size() != qsizetype(unpackedSize) ||
        crc32(0, reinterpret_cast<const Bytef*>(unpacked.constData()), uInt(unpacked.size())) !=
            read.u32(found + 16))
        refuse(QCoreApplication::translate("io::ZipArchive",
                                           "'%1' is damaged (its check sum does not match).")
                   .arg(member));
    return unpacked;
}

}  // namespace

QByteArray ReadZipMember(const QByteArray& archive, const QString& member, qint64 unpackLimit) {
    const Reader read(archive);
    const QHash<QString, qsizetype> contents = readContents(read, archive, unpackLimit);
    const auto found = contents.constFind(member);
    if (found == contents.constEnd())
        refuse(QCoreApplication::translate("io::ZipArchive", "it holds no '%1'.").arg(member));
    return unpackMember(read, *found, member, unpackLimit);
}

QHash<QString, ZipMember> ReadZipMembers(const QByteArray& archive, const QStringList& members,
                                         qint64 unpackLimit) {
    const Reader read(archive);
    const QHash<QString, qsizetype> contents = readContents(read, archive, unpackLimit);
    QHash<QString, ZipMember> found;
    for (const QString& name : members) {
        if (found.contains(name))
            continue;
        ZipMember& member = found[name];
        const auto entry = contents.constFind(name);
        if (entry == contents.constEnd()) {
            member.problem =
                QCoreApplication::translate("io::ZipArchive", "The archive holds no '%1'.")
                    .arg(name);
            continue;
        }
        try {
            member.bytes = unpackMember(read, *entry, name, unpackLimit);
        } catch (const FileError& error) {
            member.problem = error.message();
        }
    }
    return found;
}

}  // namespace io
