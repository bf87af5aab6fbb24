#pragma once

#include <QString>
#include <QStringList>

namespace app {

// Exit statuses of the program, as --help lists them.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitBadUsage = 2;

// What the command line asks for: the window (on the catalogue given or the one last used), or
// a command that runs without a window.
struct Invocation {
    enum class Kind { Window, Help, Version, Command, BadUsage };
    Kind kind = Kind::Window;
    QString catalogue;  // cleaned; empty: the one the settings name
    QString command;    // export, import, report, backup, check, publish, pictures
    QString file;       // the file of export, import and backup; the folder of publish, pictures
    QString direction;  // pictures: import or export
    QString report;     // the report's name, as given
    QString pdf;        // --pdf
    QString ids;        // --ids
    bool repair = false;
    QString from;     // import --from: tellico, gcstar or csv
    QString preset;   // import --from csv --preset
    QString message;  // the help or version text, or what is wrong with the usage
};

// Reads the program's arguments (the program's name first), without an application object.
Invocation ParseCommandLine(const QStringList& arguments);

}  // namespace app
