#pragma once

#include <QLocale>

class QCoreApplication;

namespace app {

// Installs the window's texts and Qt's own (its dialogs' buttons) in the user's language, as the
// locale names it: LANGUAGE first, then LC_ALL, LC_MESSAGES and LANG. English needs none.
void InstallTranslations(QCoreApplication& application, const QLocale& locale = QLocale::system());

}  // namespace app
