#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace settings {

// The keys of the settings store, exactly as the program has always named them.
namespace key {
inline constexpr char DBName[] = "DBName";
inline constexpr char SortCol[] = "SortCol";
inline constexpr char SortOrder[] = "SortOrder";
inline constexpr char ExportFilename[] = "ExportFilename";
inline constexpr char ImportFilename[] = "ImportFilename";
inline constexpr char SearchTitle[] = "gSearchTitle";
inline constexpr char SearchMovieId[] = "gSearchMovieId";
inline constexpr char SearchLabel[] = "gSearchLabel";
inline constexpr char SearchActor[] = "gSearchActor";
inline constexpr char SearchDirector[] = "gSearchDirector";
inline constexpr char SearchGenreIds[] = "gSearchGenreIds";
inline constexpr char SearchLocation[] = "gSearchLocation";
inline constexpr char SearchNotes[] = "gSearchNotes";
inline constexpr char SearchProducer[] = "gSearchProducer";
inline constexpr char SearchRatingIds[] = "gSearchRatingIds";
inline constexpr char SearchMediaIds[] = "gSearchMediaIds";
inline constexpr char Printer[] = "Printer";
inline constexpr char Copies[] = "Copies";
inline constexpr char IMDbSite[] = "IMDbSite";
}  // namespace key

inline constexpr char DefaultDatabaseName[] = "KIB";
inline constexpr char DefaultFilmSiteHost[] = "www.imdb.com";

// The per-user settings store: application "KIB", section "Settings", every value a text.
// Normally ~/.config/KIB/KIB.conf.
class Settings {
public:
    Settings();
    // A store in a file of the caller's choosing (tests).
    explicit Settings(const QString& iniFile);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // The stored text, or the key's default when it is absent.
    QString value(const char* key) const;
    QString value(const QString& key, const QString& defaultValue) const;
    void setValue(const QString& key, const QString& value);
    bool contains(const QString& key) const;
    QString fileName() const;

    // The default of every key that has one ("KIB", "1", "<home>/Movies.txt", ...).
    static QString defaultValue(const char* key);

private:
    std::unique_ptr<QSettings> store_;
};

// A longer name would make a file name the file system refuses (its "-wal" and build files too).
inline constexpr int MaxDatabaseNameLength = 100;

// "  my movies 2 " gives "MYMOVIES2": upper case, only A-Z and 0-9.
QString CleanDatabaseName(const QString& text);
// gDBName from "DBName"; a name that cleans to nothing becomes "KIB".
QString LoadDatabaseName(const Settings& settings);

}  // namespace settings
