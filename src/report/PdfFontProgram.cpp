#include "report/PdfFontProgram.h"

#include <QList>
#include <QRawFont>
#include <QtEndian>
#include <algorithm>
#include <array>

namespace report::pdf {

namespace {

// The tables a PDF viewer needs to draw an embedded TrueType font, in tag order.
constexpr std::array<const char*, 9> Tables = {"cvt ", "fpgm", "glyf", "head", "hhea",
                                               "hmtx", "loca", "maxp", "prep"};

quint16 read16(const QByteArray& data, qsizetype at) {
    return at + 2 <= data.size() ? qFromBigEndian<quint16>(data.constData() + at) : 0;
}

quint32 read32(const QByteArray& data, qsizetype at) {
    return at + 4 <= data.size() ? qFromBigEndian<quint32>(data.constData() + at) : 0;
}

void append16(QByteArray& data, quint16 value) {
    char bytes[2];
    qToBigEndian(value, bytes);
    data.append(bytes, 2);
}

void append32(QByteArray& data, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    data.append(bytes, 4);
}

quint32 checksum(const QByteArray& table) {
    quint32 sum = 0;
    for (qsizetype at = 0; at < table.size(); at += 4) {
        quint32 word = 0;
        for (int i = 0; i < 4; ++i)
            word = (word << 8) | quint8(at + i < table.size() ? table[at + i] : 0);
        sum += word;
    }
    return sum;
}

struct GlyphTable {
    QByteArray glyf;
    QList<quint32> offsets;  // numGlyphs + 1 entries

    QByteArray glyph(quint16 id) const {
        if (id + 1 >= offsets.size() || offsets[id] > offsets[id + 1] ||
            offsets[id + 1] > quint32(glyf.size()))
            return {};
        return glyf.mid(offsets[id], offsets[id + 1] - offsets[id]);
    }
};

// The glyphs a composite glyph is built of.
QList<quint16> components(const QByteArray& glyph) {
    QList<quint16> parts;
    if (glyph.size() < 10 || qint16(read16(glyph, 0)) >= 0)
        return parts;
    qsizetype at = 10;
    quint16 flags = 0;
    do {
        flags = read16(glyph, at);
        parts.append(read16(glyph, at + 2));
        at += 4 + ((flags & 0x0001) ? 4 : 2);
        if (flags & 0x0008)
            at += 2;
        else if (flags & 0x0040)
            at += 4;
        else if (flags & 0x0080)
            at += 8;
    } while ((flags & 0x0020) && at < glyph.size());
    return parts;
}

}  // namespace

QByteArray TrueTypeSubset(const QRawFont& font, const QSet<quint16>& drawn) {
    QByteArray tables[Tables.size()];
    for (size_t i = 0; i < Tables.size(); ++i)
        tables[i] = font.fontTable(Tables[i]);
    QByteArray& glyf = tables[2];
    QByteArray& head = tables[3];
    QByteArray& loca = tables[6];
    const QByteArray& maxp = tables[7];
    if (glyf.isEmpty() || head.size() < 54 || loca.isEmpty() || maxp.size() < 6)
        return {};
    const int glyphCount = read16(maxp, 4);
    const bool longOffsets = read16(head, 50) == 1;

    GlyphTable source{glyf, {}};
    for (int i = 0; i <= glyphCount; ++i)
        source.offsets.append(longOffsets ? read32(loca, qsizetype(i) * 4)
                                          : quint32(read16(loca, qsizetype(i) * 2)) * 2);

    // The drawn glyphs, the parts they are built of, and glyph 0, which stands for any missing.
    QSet<quint16> kept = drawn;
    kept.insert(0);
    QList<quint16> pending(kept.begin(), kept.end());
    while (!pending.isEmpty()) {
        for (quint16 part : components(source.glyph(pending.takeLast())))
            if (part < glyphCount && !kept.contains(part)) {
                kept.insert(part);
                pending.append(part);
            }
    }

    glyf.clear();
    loca.clear();
    for (int id = 0; id <= glyphCount; ++id) {
        if (longOffsets)
            append32(loca, quint32(glyf.size()));
        else
            append16(loca, quint16(glyf.size() / 2));
        if (id < glyphCount && kept.contains(quint16(id))) {
            glyf += source.glyph(quint16(id));
            while (glyf.size() % 4)
                glyf += '\0';
        }
    }
    head.replace(8, 4, QByteArray(4, '\0'));  // the whole file's checksum: not kept up

    QByteArray directory;
    QByteArray body;
    int count = 0;
    for (const QByteArray& table : tables)
        count += table.isEmpty() ? 0 : 1;
    int power = 1;
    int log = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log;
    }
    append32(directory, 0x00010000);
    append16(directory, quint16(count));
    append16(directory, quint16(power * 16));
    append16(directory, quint16(log));
    append16(directory, quint16(count * 16 - power * 16));
    const qsizetype start = 12 + qsizetype(count) * 16;
    for (size_t i = 0; i < Tables.size(); ++i) {
        if (tables[i].isEmpty())
            continue;
        directory.append(Tables[i], 4);
        append32(directory, checksum(tables[i]));
        append32(directory, quint32(start + body.size()));
        append32(directory, quint32(tables[i].size()));
        body += tables[i];
        while (body.size() % 4)
            body += '\0';
    }
    return directory + body;
}

}  // namespace report::pdf
