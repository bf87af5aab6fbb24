#pragma once

#include <QByteArray>
#include <QSet>

class QRawFont;

namespace report::pdf {

// The TrueType program a PDF embeds for a font: the tables a viewer draws glyphs with, where
// every glyph that was not drawn is left empty (glyph numbers stay as they are). Empty when the
// font has no TrueType outlines.
QByteArray TrueTypeSubset(const QRawFont& font, const QSet<quint16>& glyphs);

}  // namespace report::pdf
