#pragma once

#include "db/LookupTable.h"
#include "ui/common/UserInterface.h"

namespace ui::lists {

// One of the five lists the user keeps (ratings, genres, actors, media, storage locations): its
// table and every word its two dialogs show (in English: Translated() gives the user's words). The
// list and edit dialogs are one implementation driven by these rows.
struct ListMember {
    db::LookupTable table;
    const char* listForm;     // object name of the list dialog
    const char* listCaption;  // its caption
    const char* editForm;     // object name of the edit dialog
    const char* editCaption;  // its own caption, before the opener sets one
    const char* addCaption;
    const char* renameCaption;
    const char* existsLabel;  // "Rating '": the refusal of a name that exists begins so
    const char* existsTitle;
    const char* inUseText;  // followed by the count and " movies."
    const char* inUseTitle;
};

const ListMember& Member(db::LookupTable table);
// One of those words in the user's language.
QString Translated(const char* text);

// The icon of a message titled "Warning" or "Information".
Icon MessageIcon(const char* title);

}  // namespace ui::lists
