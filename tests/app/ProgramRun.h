#pragma once

#include "ProgramEnvironment.h"
#include "db/Catalogue.h"
#include "db/Transaction.h"
#include "db/Upgrade.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace test {

// The built program's commands on a home of their own, with no display.
class ProgramRun : public testing::Test {
protected:
    QTemporaryDir home;
    // The user's language the program is started in; see SetLanguage.
    QString lang = QStringLiteral("C.UTF-8");
    QString language;

    struct Outcome {
        int status;
        QString out;
        QString errors;
    };
    // The program with these arguments; through the shell when shellPrefix is given, which then
    // ends in "exec" and the program's path follows it.
    Outcome run(const QStringList& arguments, const QString& shellPrefix = {}) {
        QProcess program;
        QProcessEnvironment environment = ProgramEnvironment(home);
        SetLanguage(environment, lang, language);
        program.setProcessEnvironment(environment);
        if (shellPrefix.isEmpty()) {
            program.start(QStringLiteral(TALLOWMERE_PROGRAM), arguments);
        } else {
            QString line = shellPrefix + QStringLiteral(" '" TALLOWMERE_PROGRAM "'");
            for (const QString& argument : arguments)
                line += QStringLiteral(" '") + argument + u'\'';
            program.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), line});
        }
        program.waitForFinished(120000);
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }
    QString path(const QString& name) { return home.filePath(name); }
    QString folder() { return home.filePath("data/KIB"); }
    QString catalogue(const QString& name = QStringLiteral("KIB")) {
        return folder() + u'/' + name + QStringLiteral(".db");
    }

    void writeMovies(const QString& name, int count) {
        db::Catalogue files(folder());
        QDir().mkpath(files.folder());
        files.OpenDatabase(name);
        db::UpdateDatabase(files.connection());
        db::Transaction transaction(files.connection());
        for (int number = 1; number <= count; ++number)
            AddMovie(files.connection(), QStringLiteral("Movie %1").arg(number), "4/7");
    }
};

}  // namespace test
