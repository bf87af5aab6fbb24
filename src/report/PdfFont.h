#pragma once

#include <QHash>
#include <QRawFont>
#include <QSet>
#include <vector>

namespace report::pdf {

class ObjectWriter;

// One font face as the PDF embeds it: glyphs are drawn by their numbers (Identity-H), the
// widths and the program are those of the glyphs drawn, and a map from glyph to character
// keeps the text extractable and searchable.
class EmbeddedFont {
public:
    EmbeddedFont(const QRawFont& face, int number, int index);

    int number() const { return number_; }
    const QRawFont& face() const { return face_; }
    // With TrueType outlines, which the file can carry; others are drawn as shapes.
    bool embeddable() const { return embeddable_; }
    // The face's glyph for the character, 0 when it has none.
    quint16 glyphOf(char32_t character) {
        if (character < CommonLetters && commonKnown_[character])
            return commonGlyphs_[character];
        return lookUp(character);
    }
    void use(quint16 glyph, char32_t character) {
        drawn_[glyph] = true;
        if (characters_[glyph] == 0)
            characters_[glyph] = character;
    }
    bool used() const;
    // The glyph's advance at a size of one, from the face's design.
    double advance(quint16 glyph) {
        if (advances_[glyph] < 0)
            measure(glyph);
        return advances_[glyph];
    }
    void write(ObjectWriter& writer) const;

private:
    static constexpr char32_t CommonLetters = 0x2100;
    quint16 lookUp(char32_t character);
    void measure(quint16 glyph);
    QByteArray baseName() const;

    QRawFont face_;
    int number_;
    int index_;
    bool embeddable_;
    // The glyphs of the letters that most text is made of, looked up once each; 0 not known yet,
    // and the rest by character.
    std::vector<quint16> commonGlyphs_;
    std::vector<bool> commonKnown_;
    QHash<char32_t, quint16> glyphs_;
    // By glyph: whether it was drawn, and the character it stands for, 0 when unknown.
    std::vector<bool> drawn_;
    std::vector<char32_t> characters_;
    QRawFont design_;               // the face at its design size: one unit a pixel
    std::vector<double> advances_;  // by glyph, -1 until measured
};

}  // namespace report::pdf
