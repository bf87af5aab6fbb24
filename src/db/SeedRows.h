#pragma once

#include <array>

namespace db {

// The rows a new catalogue starts with, in insertion order, so ids follow the list from 1.
extern const std::array<const char*, 184> SeedActors;
extern const std::array<const char*, 6> SeedLocations;
extern const std::array<const char*, 19> SeedGenres;
extern const std::array<const char*, 4> SeedMedia;
extern const std::array<const char*, 7> SeedRatings;

}  // namespace db
