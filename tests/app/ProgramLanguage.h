#pragma once

#include <QProcessEnvironment>
#include <QString>

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

}  // namespace test
