#include "app/CommandLine.h"

#include "app/CatalogueName.h"
#include "app/PeerCommands.h"
#include "app/QtOptions.h"
#include "settings/Settings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace app {

namespace {

QString description() {
    return QCoreApplication::translate(
        "app::CommandLine",
        "Tallowmere Movie Database: a catalogue of your movie collection.\n"
        "\n"
        "Without a command the window opens. The commands run without a window or a display:\n"
        "  export FILE           write every movie to a movie file\n"
        "  import FILE           read a movie file into the catalogue (backs it up first)\n"
        "  import --from tellico|gcstar|csv FILE [--preset list|diary]\n"
        "                        read another catalogue's file or a CSV file; a CSV file's\n"
        "                        columns follow the preset, or the mapping kept for its header,\n"
        "                        or are guessed from it\n"
        "  report NAME --pdf FILE [--ids 2,5]\n"
        "                        write a report as PDF; NAME as on the Reports menu or one of\n"
        "                        list, label, rating, media, detailed, inventory, cost, lent\n"
        "                        (rating and media take the ids of the ratings or media)\n"
        "  backup FILE           write a consistent copy of the catalogue, also while it is open\n"
        "  check [--repair]      check the file and the movies' references; --repair mends them\n"
        "                        and rebuilds damaged indexes (after a backup)\n"
        "  publish DIR           write the catalogue as a web page, DIR/index.html\n"
        "  pictures import DIR   give movies the pictures of a folder, named after a movie's\n"
        "                        label number or title (A-12.jpg, Alien.png)\n"
        "  pictures export DIR   write every movie's picture into a folder, named the same way\n"
        "\n"
        "Nothing is written into a damaged catalogue; export, report and backup still read it,\n"
        "with a warning.\n"
        "\n"
        "Exit status: 0 when everything went well, 1 on a failure (a line that could not be\n"
        "imported, a damaged catalogue, a busy catalogue), 2 when the command line is wrong.");
}

struct CommandShape {
    const char* name;
    bool takesFile;
};

const CommandShape Commands[] = {{"export", true},   {"import", true}, {"report", false},
                                 {"backup", true},   {"check", false}, {"publish", true},
                                 {"pictures", false}};

Invocation badUsage(const QString& message) {
    Invocation invocation;
    invocation.kind = Invocation::Kind::BadUsage;
    invocation.message =
        message + u'\n' +
        QCoreApplication::translate("app::CommandLine", "Try 'tallowmere --help'.");
    return invocation;
}

}  // namespace

Invocation ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption catalogue(
        QStringLiteral("catalogue"),
        QCoreApplication::translate("app::CommandLine", "Use the catalogue NAME."),
        QCoreApplication::translate("app::CommandLine", "NAME"));
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QCoreApplication::translate("app::CommandLine", "The report's PDF file."),
        QCoreApplication::translate("app::CommandLine", "FILE"));
    const QCommandLineOption ids(
        QStringLiteral("ids"),
        QCoreApplication::translate("app::CommandLine", "Ratings or media of a report, as ids."),
        QCoreApplication::translate("app::CommandLine", "IDS"));
    const QCommandLineOption repair(
        QStringLiteral("repair"),
        QCoreApplication::translate("app::CommandLine", "With check: mend what it finds."));
    const QCommandLineOption from(
        QStringLiteral("from"),
        QCoreApplication::translate("app::CommandLine", "With import: the kind of file."),
        QCoreApplication::translate("app::CommandLine", "FORMAT"));
    const QCommandLineOption preset(
        QStringLiteral("preset"),
        QCoreApplication::translate("app::CommandLine",
                                    "With import --from csv: the columns' layout."),
        QCoreApplication::translate("app::CommandLine", "NAME"));
    parser.addOptions({catalogue, pdf, ids, repair, from, preset});
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QCoreApplication::translate("app::CommandLine",
                                    "export, import, report, backup, check, publish or pictures."),
        QCoreApplication::translate("app::CommandLine", "[command]"));
    // Qt's own options are left to the application object, which takes them out itself.
    if (!parser.parse(WithoutQtOptions(arguments)))
        return badUsage(parser.errorText());

    Invocation invocation;
    if (parser.isSet(help)) {
        invocation.kind = Invocation::Kind::Help;
        // The parser names the program after its file, or not at all without an application;
        // its "Usage:" is in the user's language, and some put a blank before the colon.
        invocation.message =
            parser.helpText().replace(QRegularExpression(QStringLiteral("^([^:\\n]*:\\s*)\\S+")),
                                      QStringLiteral("\\1tallowmere"));
        return invocation;
    }
    if (parser.isSet(version)) {
        invocation.kind = Invocation::Kind::Version;
        return invocation;
    }
    if (parser.isSet(catalogue)) {
        const CatalogueName name = CatalogueNameOf(parser.value(catalogue));
        if (!name.refusal.isEmpty())
            return badUsage(name.refusal);
        invocation.catalogue = name.name;
    }
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        if (parser.isSet(pdf) || parser.isSet(ids) || parser.isSet(repair) || parser.isSet(from) ||
            parser.isSet(preset))
            return badUsage(QCoreApplication::translate(
                "app::CommandLine",
                "--pdf, --ids, --repair, --from and --preset belong to a command."));
        return invocation;
    }
    invocation.kind = Invocation::Kind::Command;
    invocation.command = words.first();
    const CommandShape* shape = nullptr;
    for (const CommandShape& each : Commands)
        if (invocation.command == QLatin1String(each.name))
            shape = &each;
    if (shape == nullptr)
        return badUsage(QCoreApplication::translate("app::CommandLine", "Unknown command '%1'.")
                            .arg(invocation.command));
    if (invocation.command == QLatin1String("pictures")) {
        if (words.size() != 3 ||
            (words.at(1) != QLatin1String("import") && words.at(1) != QLatin1String("export")))
            return badUsage(QCoreApplication::translate(
                "app::CommandLine", "'pictures' takes import or export, then a folder."));
        invocation.direction = words.at(1);
        invocation.file = words.at(2);
        if (parser.isSet(pdf) || parser.isSet(ids) || parser.isSet(repair) || parser.isSet(from) ||
            parser.isSet(preset))
            return badUsage(QCoreApplication::translate(
                "app::CommandLine",
                "--pdf, --ids, --repair, --from and --preset do not belong to 'pictures'."));
        return invocation;
    }
    const bool isReport = invocation.command == QLatin1String("report");
    const qsizetype expected = (shape->takesFile || isReport) ? 2 : 1;
    if (words.size() != expected)
        return badUsage(
            (isReport ? QCoreApplication::translate("app::CommandLine", "'%1' takes a report name.")
             : shape->takesFile
                 ? QCoreApplication::translate("app::CommandLine", "'%1' takes one file name.")
                 : QCoreApplication::translate("app::CommandLine", "'%1' takes no file name."))
                .arg(invocation.command));
    if (shape->takesFile)
        invocation.file = words.at(1);
    if (isReport) {
        invocation.report = words.at(1);
        if (!parser.isSet(pdf))
            return badUsage(
                QCoreApplication::translate("app::CommandLine", "'report' needs --pdf FILE."));
        invocation.pdf = parser.value(pdf);
        invocation.ids = parser.value(ids);
    } else if (parser.isSet(pdf) || parser.isSet(ids)) {
        return badUsage(
            QCoreApplication::translate("app::CommandLine", "--pdf and --ids belong to 'report'."));
    }
    invocation.from = parser.value(from);
    invocation.preset = parser.value(preset);
    if (const QString wrong = PeerOptionsProblem(invocation); !wrong.isEmpty())
        return badUsage(wrong);
    invocation.repair = parser.isSet(repair);
    if (invocation.repair && invocation.command != QLatin1String("check"))
        return badUsage(
            QCoreApplication::translate("app::CommandLine", "--repair belongs to 'check'."));
    return invocation;
}

}  // namespace app
