#include "ui/search/TextSearchKinds.h"

#include "settings/Settings.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <array>

namespace ui {

namespace {

using db::ActiveSearch;
using db::SearchType;

const std::array<TextSearchKind, 8> Kinds = {{
    {SearchType::Title, "frmSearchTitle", QT_TRANSLATE_NOOP("ui::SearchDialog", "Search Title"),
     "txtTitle", "lblTitle", QT_TRANSLATE_NOOP("ui::SearchDialog", "Title:"),
     QT_TRANSLATE_NOOP("ui::SearchDialog",
                       "Enter the title of the movie you want to find.  Use * to represent any "
                       "group of letters and ? to represent any one letter."),
     settings::key::SearchTitle,
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Enter a title to search for."),
     QT_TRANSLATE_NOOP("ui::SearchDialog", "No movies match the title '%1'."), nullptr,
     InputRule::AsTyped, &ActiveSearch::title},
    {SearchType::MovieId, "frmSearchMovieId",
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Search Movie #"), "txtMovieId", "lblMovieId",
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Movie #:"),
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Enter the # of the movie you want to find."),
     settings::key::SearchMovieId,
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Enter a movie # to find."),
     QT_TRANSLATE_NOOP("ui::SearchDialog", "No movies match the # %1."), nullptr,
     InputRule::MovieNumber, nullptr},
    {SearchType::Label, "frmSearchLabel",
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Search Label Number"), "txtLabel", "lblLabel",
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Label:"),
     QT_TRANSLATE_NOOP("ui::SearchDialog",
                       "Enter the label number of the movie you want to find.  Use * to represent "
                       "any group of letters and ? to represent any one letter."),
     settings::key::SearchLabel,
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Enter a label number to search."),
     QT_TRANSLATE_NOOP("ui::SearchDialog", "No movies match the label number '%1'."), nullptr,
     InputRule::AsTyped, &ActiveSearch::label},
    {SearchType::Actor, "frmSearchActor", QT_TRANSLATE_NOOP("ui::SearchDialog", "Search Actor"),
     "txtSearch", "lblSearch", QT_TRANSLATE_NOOP("ui::SearchDialog", "Actor:"),
     QT_TRANSLATE_NOOP("ui::SearchDialog",
                       "Enter the name of an actor to find the movies they appear in.  Use * to "
                       "represent any group of letters and ? to represent any one letter."),
     settings::key::SearchActor,
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Enter an actor to search for."),
     QT_TRANSLATE_NOOP("ui::SearchDialog", "No movies have an actor that matches '%1'."),
     QT_TRANSLATE_NOOP("ui::SearchDialog", "&Lookup Actor"), InputRule::AsTyped,
     &ActiveSearch::actor},
    {SearchType::Director, "frmSearchDirector",
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Search Director"), "txtSearch", "lblSearch",
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Director:"),
     QT_TRANSLATE_NOOP("ui::SearchDialog",
                       "Enter the director of the movie you want to find.  Use * to represent any "
                       "group of letters and ? to represent any one letter."),
     settings::key::SearchDirector,
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Enter a director to search for."),
     QT_TRANSLATE_NOOP("ui::SearchDialog", "No movies match the director '%1'."), nullptr,
     InputRule::AsTyped, &ActiveSearch::director},
    {SearchType::Producer, "frmSearchProducer",
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Search Producer"), "txtSearch", "lblSearch",
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Producer:"),
     QT_TRANSLATE_NOOP("ui::SearchDialog",
                       "Enter the producer of the movie you want to find.  Use * to represent any "
                       "group of letters and ? to represent any one letter."),
     settings::key::SearchProducer,
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Enter a producer to search for."),
     QT_TRANSLATE_NOOP("ui::SearchDialog", "No movies match the producer '%1'."), nullptr,
     InputRule::AsTyped, &ActiveSearch::producer},
    {SearchType::Location, "frmSearchLocation",
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Search Location"), "txtSearch", "lblSearch",
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Location:"),
     QT_TRANSLATE_NOOP(
         "ui::SearchDialog",
         "Enter the name of the storage location of the movies you want to find.  Use * to "
         "represent any group of letters and ? to represent any one letter."),
     settings::key::SearchLocation,
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Enter a location to search for."),
     QT_TRANSLATE_NOOP("ui::SearchDialog", "No movies have a location that matches '%1'."),
     QT_TRANSLATE_NOOP("ui::SearchDialog", "&Lookup Location"), InputRule::AsTyped,
     &ActiveSearch::location},
    {SearchType::Notes, "frmSearchNotes", QT_TRANSLATE_NOOP("ui::SearchDialog", "Search Notes"),
     "txtSearch", "lblSearch", QT_TRANSLATE_NOOP("ui::SearchDialog", "Notes:"),
     QT_TRANSLATE_NOOP("ui::SearchDialog",
                       "Enter any notes you want to find.  Use * to represent any group of letters "
                       "and ? to represent any one letter."),
     settings::key::SearchNotes,
     QT_TRANSLATE_NOOP("ui::SearchDialog", "Enter notes to search for."),
     QT_TRANSLATE_NOOP("ui::SearchDialog", "No movies match the notes '%1'."), nullptr,
     InputRule::EnclosedInStars, &ActiveSearch::notes},
}};

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
