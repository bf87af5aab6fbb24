#include "ui/lists/ListMember.h"

#include <QCoreApplication>
#include <array>

namespace ui::lists {

namespace {

using db::LookupTable;

const std::array<ListMember, 5> Members = {{
    {LookupTable::Rating, "frmRatings", QT_TRANSLATE_NOOP("ui::lists::ListMember", "Ratings"),
     "frmRating", QT_TRANSLATE_NOOP("ui::lists::ListMember", "Rating"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Add Rating"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Edit Rating"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Rating '"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Warning"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Cannot delete this rating.  It is used in "),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Warning")},
    {LookupTable::Genre, "frmGenres", QT_TRANSLATE_NOOP("ui::lists::ListMember", "Genres"),
     "frmGenre", QT_TRANSLATE_NOOP("ui::lists::ListMember", "Genre"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Add Genre"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Edit Genre"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Genre '"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Warning"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Cannot delete this genre.  It is used in "),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Information")},
    {LookupTable::Actor, "frmActors", QT_TRANSLATE_NOOP("ui::lists::ListMember", "Actors"),
     "frmActor", QT_TRANSLATE_NOOP("ui::lists::ListMember", "Actor"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Add Actor"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Edit Actor"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Actor '"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Information"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Cannot delete this actor.  They are used in "),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Warning")},
    {LookupTable::Media, "frmMedias", QT_TRANSLATE_NOOP("ui::lists::ListMember", "Medias"),
     "frmMedia", QT_TRANSLATE_NOOP("ui::lists::ListMember", "Media"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Add Media"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Edit Media"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Media '"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Information"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Cannot delete this media.  Is is used in "),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Information")},
    {LookupTable::Location, "frmLocations",
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Storage Locations"), "frmLocation",
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Location"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Add Location"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Edit Location"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Location '"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Information"),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Cannot delete this location.  Is is used in "),
     QT_TRANSLATE_NOOP("ui::lists::ListMember", "Information")},
}};

}  // namespace

const ListMember& Member(db::LookupTable table) {
    for (const ListMember& member : Members) {
        if (member.table == table)
            return member;
    }
    Q_UNREACHABLE();
}

QString Translated(const char* text) {
    return QCoreApplication::translate("ui::lists::ListMember", text);
}

Icon MessageIcon(const char* title) {
    return QLatin1String(title) == QLatin1String("Warning") ? Icon::Warning : Icon::Information;
}

}  // namespace ui::lists
