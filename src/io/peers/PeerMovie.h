#pragma once

#include "io/ImportMovies.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <utility>
#include <vector>

namespace io {

// A movie's cover as another catalogue's file names it: the picture's bytes, or the file beside
// the collection that holds it, or why neither could be had.
struct PeerCover {
    QString name;  // as the file names it, for messages; empty for no cover
    QByteArray bytes;
    QString path;
    QString problem;
};

// A movie as another catalogue's file gives it, before it is checked against what this
// catalogue can hold.
struct PeerMovie {
    int number = 0;  // the line of the file where it begins
    QString title;
    QString year;  // the number it begins with
    QStringList genres;
    QString media;
    QString rating;  // the certification
    QStringList directors;
    QStringList producers;
    QStringList cast;
    QString minutes;   // the number it begins with
    double stars = 0;  // on this program's scale of five
    QString location;
    QString label;
    QDate acquired;
    QString cost;  // the number in the text
    QString lentTo;
    QDate lentDate;
    QString comments;
    // What the catalogue has no place for, in the file's order: into the notes as "Key: value".
    QList<std::pair<QString, QString>> extras;
    PeerCover cover;
};

// The cover of a movie that was read, with what finds its movie once the lines are imported.
struct LineCover {
    int lineNumber = 0;
    QString title;
    PeerCover cover;
};

// Another catalogue's file read into the lines the movie-file import writes, with what could
// not come along.
struct PeerReading {
    std::vector<ImportedLine> lines;
    // The entries refused (without a title, a text too long for the catalogue), as the movie-file
    // import counts its refused lines.
    ImportResult result;
    int fieldsLeftOut = 0;  // fields that did not fit into the notes
    int moviesWithFieldsLeftOut = 0;
    QStringList leftOutExamples;    // "Line 3 (Alien): Plot", the first few
    std::vector<LineCover> covers;  // of the movies read, in their order
    static constexpr int ExamplesListed = 10;

    // Adds a movie, checked; a movie the catalogue cannot take is counted as refused.
    void add(const PeerMovie& movie);
    // What the preview and the command line add about fields left out; empty when none were.
    QString notes() const;
};

}  // namespace io
