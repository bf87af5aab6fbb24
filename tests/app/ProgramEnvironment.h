#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

namespace test {

// The program started in a language as a user's shell sets it: LANG, with LANGUAGE before it
// when given, and none of the developer's own LC_ settings. By default English, so that what
// the tests compare is the program's own words whatever the developer's locale.
inline void SetLanguage(QProcessEnvironment& environment, const QString& lang = "C.UTF-8",
                        const QString& language = {}) {
    for (const QString& name : environment.keys())
        if (name.startsWith(QLatin1String("LC_")) || name == QLatin1String("LANGUAGE"))
            environment.remove(name);
    environment.insert("LANG", lang);
    if (!language.isEmpty())
        environment.insert("LANGUAGE", language);
}

// The program's environment on a home of its own, in English and with no display: the commands
// need none; a window's test names its platform and display.
inline QProcessEnvironment ProgramEnvironment(const QTemporaryDir& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_DATA_HOME", home.filePath("data"));
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    SetLanguage(environment);
    return environment;
}

}  // namespace test
