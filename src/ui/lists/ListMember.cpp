#include "ui/lists/ListMember.h"

#include <array>

namespace ui::lists {

namespace {

using db::LookupTable;

const std::array<ListMember, 5> Members = {{
    {LookupTable::Rating, "frmRatings", "Ratings", "frmRating", "Rating", "Add Rating",
     "Edit Rating", "Rating '", "Warning", "Cannot delete this rating.  It is used in ", "Warning"},
    {LookupTable::Genre, "frmGenres", "Genres", "frmGenre", "Genre", "Add Genre", "Edit Genre",
     "Genre '", "Warning", "Cannot delete this genre.  It is used in ", "Information"},
    {LookupTable::Actor, "frmActors", "Actors", "frmActor", "Actor", "Add Actor", "Edit Actor",
     "Actor '", "Information", "Cannot delete this actor.  They are used in ", "Warning"},
    {LookupTable::Media, "frmMedias", "Medias", "frmMedia", "Media", "Add Media", "Edit Media",
     "Media '", "Information", "Cannot delete this media.  Is is used in ", "Information"},
    {LookupTable::Location, "frmLocations", "Storage Locations", "frmLocation", "Location",
     "Add Location", "Edit Location", "Location '", "Information",
     "Cannot delete this location.  Is is used in ", "Information"},
}};

}  // namespace

const ListMember& Member(db::LookupTable table) {
    for (const ListMember& member : Members) {
        if (member.table == table)
            return member;
    }
    Q_UNREACHABLE();
}

Icon MessageIcon(const char* title) {
    return QLatin1String(title) == QLatin1String("Warning") ? Icon::Warning : Icon::Information;
}

}  // namespace ui::lists
