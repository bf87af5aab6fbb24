#pragma once

#include <QStringView>

namespace db {

// The longest text each column takes, in characters: the file refuses longer ones, so what
// comes from outside is measured against these before it is written.
inline constexpr int NameMaximum = 50;  // the Name of every lookup table
inline constexpr int TitleMaximum = 100;
inline constexpr int LabelMaximum = 50;
inline constexpr int DirectorMaximum = 100;
inline constexpr int ProducerMaximum = 100;
inline constexpr int LentToMaximum = 50;
inline constexpr int NotesMaximum = 255;

// A text's length as the engine counts it against these: code points, not UTF-16 units.
inline qsizetype CharacterCount(QStringView text) {
    qsizetype count = text.size();
    for (QChar c : text)
        if (c.isLowSurrogate())
            --count;
    return count;
}

}  // namespace db
