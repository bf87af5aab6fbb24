#include "ui/search/TextSearchKinds.h"

#include "settings/Settings.h"

#include <QtGlobal>
#include <array>

namespace ui {

namespace {

#define WILDCARDS "  Use * to represent any group of letters and ? to represent any one letter."

using db::ActiveSearch;
using db::SearchType;

const std::array<TextSearchKind, 8> Kinds = {{
    {SearchType::Title, "frmSearchTitle", "Search Title", "txtTitle", "lblTitle",
     "Title:", "Enter the title of the movie you want to find." WILDCARDS,
     settings::key::SearchTitle, "Enter a title to search for.", "No movies match the title '%1'.",
     nullptr, InputRule::AsTyped, &ActiveSearch::title},
    {SearchType::MovieId, "frmSearchMovieId", "Search Movie #", "txtMovieId", "lblMovieId",
     "Movie #:", "Enter the # of the movie you want to find.", settings::key::SearchMovieId,
     "Enter a movie # to find.", "No movies match the # %1.", nullptr, InputRule::MovieNumber,
     nullptr},
    {SearchType::Label, "frmSearchLabel", "Search Label Number", "txtLabel", "lblLabel",
     "Label:", "Enter the label number of the movie you want to find." WILDCARDS,
     settings::key::SearchLabel, "Enter a label number to search.",
     "No movies match the label number '%1'.", nullptr, InputRule::AsTyped, &ActiveSearch::label},
    {SearchType::Actor, "frmSearchActor", "Search Actor", "txtSearch", "lblSearch",
     "Actor:", "Enter the name of an actor to find the movies they appear in." WILDCARDS,
     settings::key::SearchActor, "Enter an actor to search for.",
     "No movies have an actor that matches '%1'.", "&Lookup Actor", InputRule::AsTyped,
     &ActiveSearch::actor},
    {SearchType::Director, "frmSearchDirector", "Search Director", "txtSearch", "lblSearch",
     "Director:", "Enter the director of the movie you want to find." WILDCARDS,
     settings::key::SearchDirector, "Enter a director to search for.",
     "No movies match the director '%1'.", nullptr, InputRule::AsTyped, &ActiveSearch::director},
    {SearchType::Producer, "frmSearchProducer", "Search Producer", "txtSearch", "lblSearch",
     "Producer:", "Enter the producer of the movie you want to find." WILDCARDS,
     settings::key::SearchProducer, "Enter a producer to search for.",
     "No movies match the producer '%1'.", nullptr, InputRule::AsTyped, &ActiveSearch::producer},
    {SearchType::Location, "frmSearchLocation", "Search Location", "txtSearch", "lblSearch",
     "Location:",
     "Enter the name of the storage location of the movies you want to find." WILDCARDS,
     settings::key::SearchLocation, "Enter a location to search for.",
     "No movies have a location that matches '%1'.", "&Lookup Location", InputRule::AsTyped,
     &ActiveSearch::location},
    {SearchType::Notes, "frmSearchNotes", "Search Notes", "txtSearch", "lblSearch",
     "Notes:", "Enter any notes you want to find." WILDCARDS, settings::key::SearchNotes,
     "Enter notes to search for.", "No movies match the notes '%1'.", nullptr,
     InputRule::EnclosedInStars, &ActiveSearch::notes},
}};

#undef WILDCARDS

}  // namespace

const TextSearchKind& TextSearchKindOf(db::SearchType type) {
    for (const TextSearchKind& kind : Kinds)
        if (kind.type == type)
            return kind;
    qFatal("No text search dialog for search type %d", static_cast<int>(type));
}

QString EncloseInStars(const QString& text) {
    QString result = text.trimmed();
    if (!result.startsWith(u'*'))
        result.prepend(u'*');
    if (!result.endsWith(u'*'))
        result.append(u'*');
    return result;
}

}  // namespace ui
