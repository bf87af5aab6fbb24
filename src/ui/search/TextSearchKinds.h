#pragma once

#include "db/ActiveSearch.h"

#include <QString>

namespace ui {

// How a dialog treats its input before it saves and tests it.
enum class InputRule {
    AsTyped,          // saved, searched and kept exactly as typed
    MovieNumber,      // reduced to digits, "." and "-" first; a value of 0 or less is refused
    EnclosedInStars,  // trimmed and enclosed in "*", so that any part of the text matches
};

// Everything in which the dialogs with one text box differ from each other.
struct TextSearchKind {
    db::SearchType type;
    const char* formName;
    const char* caption;
    const char* inputName;
    const char* labelName;
    const char* label;
    const char* help;
    const char* settingsKey;
    const char* emptyMessage;
    const char* noMatchMessage;  // %1 is the text of the input box
    const char* lookupCaption;   // the Lookup button's caption, or null when there is none
    InputRule rule;
    QString db::ActiveSearch::*criterion;  // null for the movie number, which is a whole number
};

// The dialog of every kind but None and Genres.
const TextSearchKind& TextSearchKindOf(db::SearchType type);

// " word " gives "*word*"; a star already at either end is not doubled.
QString EncloseInStars(const QString& text);

}  // namespace ui
