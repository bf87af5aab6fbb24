#pragma once

#include <QString>

namespace app {

// The catalogue that --catalogue NAME names. As the window's Open Database does, blanks and
// punctuation are left out and letters upper-cased, but here the letters and digits of every
// script are kept ("ÄÖÜß", "İ", "東京"). Refused, with the reason in refusal: a path separator,
// "..", a control character, no letter or digit, more than MaxLength of them, or a name too long
// for a file name.
struct CatalogueName {
    QString name;
    QString refusal;

    static constexpr int MaxLength = 64;
};
CatalogueName CatalogueNameOf(const QString& text);

}  // namespace app
