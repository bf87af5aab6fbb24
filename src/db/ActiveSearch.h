#pragma once

#include <QString>

namespace db {

// The kinds of search, numbered as gSearchType has always numbered them.
enum class SearchType {
    None = 0,
    Title = 1,
    MovieId = 2,
    Label = 3,
    Actor = 4,
    Director = 5,
    Producer = 6,
    Genres = 7,
    Location = 8,
    Notes = 9,
};

// The active search (gSearchType and its criterion variables gSearchTitle ... gSearchNotes):
// which movies the main list shows. In memory only; every run starts with none. Setting one
// kind leaves the other criteria as they were.
struct ActiveSearch {
    SearchType type = SearchType::None;
    QString title;  // patterns as typed, with the user's own * and ?
    int movieId = 0;
    QString label;
    QString actor;
    QString director;
    QString producer;
    QString genreIds;  // genre ids joined by "," without blanks, for example 4,7
    QString location;
    QString notes;  // trimmed and enclosed in "*"

    bool isActive() const { return type != SearchType::None; }
    void clear() { type = SearchType::None; }
};

}  // namespace db
