#pragma once

#include <QString>
#include <QtGlobal>

namespace bench {

struct GeneratorOptions {
    int movies = 100000;
    int actors = 20000;  // the pool the casts are drawn from
    quint32 seed = 20261206;
};

// Builds a new catalogue file at path (which must not exist) at the current schema, filled
// through the program's own record operations: about five actors per movie, one to three
// genres, every field filled plausibly, some notes with line breaks, some titles with
// apostrophes and letters beyond ASCII, some movies lent out, costs with cents.
void GenerateCatalogue(const QString& path, const GeneratorOptions& options);

}  // namespace bench
