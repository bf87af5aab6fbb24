#include "report/PdfFont.h"

#include "report/PdfFontProgram.h"
#include "report/PdfObjects.h"

#include <QList>
#include <QtEndian>
#include <algorithm>

namespace report::pdf {

namespace {

QByteArray hex4(quint32 value) {
    return QByteArray::number(value, 16).rightJustified(4, '0').toUpper();
}

// The character in UTF-16 hexadecimal, as a ToUnicode map gives it.
QByteArray utf16Hex(char32_t character) {
    if (character < 0x10000)
        return hex4(character);
    const char32_t above = character - 0x10000;
    return hex4(0xD800 + (above >> 10)) + hex4(0xDC00 + (above & 0x3FF));
}

QByteArray toUnicodeMap(const QList<quint32>& glyphs, const std::vector<char32_t>& characters) {
    QList<QByteArray> pairs;
    for (quint32 glyph : glyphs)
        if (characters[glyph] != 0)
            pairs.append('<' + hex4(glyph) + "> <" + utf16Hex(characters[glyph]) + ">\n");
    QByteArray map =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    for (qsizetype at = 0; at < pairs.size(); at += 100) {  // at most 100 to a block
        const qsizetype count = qMin<qsizetype>(100, pairs.size() - at);
        map += QByteArray::number(count) + " beginbfchar\n";
        for (qsizetype i = at; i < at + count; ++i)
            map += pairs[i];
        map += "endbfchar\n";
    }
    return map + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

}  // namespace

EmbeddedFont::EmbeddedFont(const QRawFont& face, int number, int index)
    : face_(face),
      number_(number),
      index_(index),
      embeddable_(!face.fontTable("glyf").isEmpty() && !face.fontTable("loca").isEmpty()),
      commonGlyphs_(CommonLetters, 0),
      commonKnown_(CommonLetters, false),
      drawn_(0x10000, false),
      characters_(0x10000, 0),
      design_(face),
      advances_(0x10000, -1) {
    design_.setPixelSize(face.unitsPerEm() > 0 ? face.unitsPerEm() : 1000);
}

void EmbeddedFont::measure(quint16 glyph) {
    const QList<QPointF> advances =
        design_.advancesForGlyphIndexes(QList<quint32>{glyph}, QRawFont::UseDesignMetrics);
    advances_[glyph] = advances.isEmpty() ? 0 : advances[0].x() / design_.pixelSize();
}

quint16 EmbeddedFont::lookUp(char32_t character) {
    if (const auto found = glyphs_.constFind(character); found != glyphs_.constEnd())
        return *found;
    const QString text = QString::fromUcs4(&character, 1);
    quint32 glyphs[2] = {0, 0};
    int count = 2;
    if (!face_.glyphIndexesForChars(text.constData(), int(text.size()), glyphs, &count) ||
        count != 1 || glyphs[0] > 0xFFFF)
        glyphs[0] = 0;
    if (character < CommonLetters) {
        commonGlyphs_[character] = quint16(glyphs[0]);
        commonKnown_[character] = true;
    } else {
        glyphs_.insert(character, quint16(glyphs[0]));
    }
    return quint16(glyphs[0]);
}

bool EmbeddedFont::used() const {
    return std::find(drawn_.begin(), drawn_.end(), true) != drawn_.end();
}

QByteArray EmbeddedFont::baseName() const {
    // A subset's name begins with six capitals of its own.
    QByteArray name = "TMAAA";
    name += char('A' + index_ % 26);
    name += '+';
    for (QChar letter : face_.familyName() + u'-' + face_.styleName())
        if (letter.unicode() < 128 && letter.isLetterOrNumber())
            name += char(letter.unicode());
        else if (letter == u'-')
            name += '-';
    return name;
}

void EmbeddedFont::write(ObjectWriter& writer) const {
    const int cidFont = writer.reserve();
    const int descriptor = writer.reserve();
    const int program = writer.reserve();
    const int toUnicode = writer.reserve();
    const QByteArray name = '/' + baseName();

    writer.beginObject(number_);
    writer.write("<< /Type /Font /Subtype /Type0 /BaseFont " + name +
                 " /Encoding /Identity-H /DescendantFonts [" + Reference(cidFont) +
                 "] /ToUnicode " + Reference(toUnicode) + " >>\n");
    writer.endObject();

    // Widths in thousandths of the em, from the face's own design.
    QRawFont design = face_;
    const double unitsPerEm = face_.unitsPerEm() > 0 ? face_.unitsPerEm() : 1000;
    design.setPixelSize(unitsPerEm);
    QList<quint32> glyphs;
    QSet<quint16> drawn;
    for (size_t glyph = 0; glyph < drawn_.size(); ++glyph)
        if (drawn_[glyph]) {
            glyphs.append(quint32(glyph));
            drawn.insert(quint16(glyph));
        }
    const QList<QPointF> advances =
        design.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    QByteArray widths = "[";
    for (qsizetype i = 0; i < glyphs.size() && i < advances.size(); ++i)
        widths += QByteArray::number(glyphs[i]) + " [" +
                  Number(advances[i].x() * 1000 / unitsPerEm) + "] ";
    widths += ']';
    writer.beginObject(cidFont);
    writer.write("<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + name +
                 " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
                 " /FontDescriptor " +
                 Reference(descriptor) + " /CIDToGIDMap /Identity /W " + widths + " >>\n");
    writer.endObject();

    const QByteArray head = face_.fontTable("head");
    auto fontUnits = [&](qsizetype at) {
        const qint16 value =
            head.size() >= at + 2 ? qFromBigEndian<qint16>(head.constData() + at) : qint16(0);
        return Number(value * 1000 / unitsPerEm);
    };
    const QByteArray ascent = Number(design.ascent() * 1000 / unitsPerEm);
    writer.beginObject(descriptor);
    writer.write("<< /Type /FontDescriptor /FontName " + name + " /Flags 4 /FontBBox [" +
                 fontUnits(36) + ' ' + fontUnits(38) + ' ' + fontUnits(40) + ' ' + fontUnits(42) +
                 "] /ItalicAngle " + (face_.style() == QFont::StyleNormal ? "0" : "-12") +
                 " /Ascent " + ascent + " /Descent " +
                 Number(-design.descent() * 1000 / unitsPerEm) + " /CapHeight " + ascent +
                 " /StemV 80 /FontFile2 " + Reference(program) + " >>\n");
    writer.endObject();

    const QByteArray subset = TrueTypeSubset(face_, drawn);
    writer.writeStream(program, "/Length1 " + QByteArray::number(subset.size()), subset);
    writer.writeStream(toUnicode, {}, toUnicodeMap(glyphs, characters_));
}

}  // namespace report::pdf
