#include "support/InstalledTranslation.h"
#include "ui/main/MainWindowFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

using test::MainWindowTest;

// The letter after the "&" of a caption, lower case; none when it has no accelerator.
QChar accelerator(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

// Captions that share an accelerator: Alt and that letter would reach only one of them.
QStringList clashes(const QStringList& captions) {
    QMap<QChar, QStringList> byLetter;
    for (const QString& caption : captions)
        if (const QChar letter = accelerator(caption); !letter.isNull())
            byLetter[letter].append(caption);
    QStringList found;
    for (const QStringList& sharing : byLetter)
        if (sharing.size() > 1)
            found.append(sharing.join(QStringLiteral(" / ")));
    return found;
}

TEST_F(MainWindowTest, EveryLanguageGivesEachMenuAndButtonItsOwnAltKey) {
    for (const QString language : {"de", "fr", "es"}) {
        const test::InstalledTranslation translation(language);
        ASSERT_TRUE(translation.loaded());
        openWindow();
        // The menu titles and the record view's buttons are all reached from the window.
        QStringList windowWide;
        for (const QAction* menu : window().menuBar()->actions()) {
            windowWide.append(menu->text());
            QStringList items;
            for (const QAction* item : menu->menu()->actions())
                if (item->isVisible())
                    items.append(item->text());
            EXPECT_EQ(clashes(items), QStringList()) << language.toStdString();
        }
        for (const QPushButton* button : window().findChildren<QPushButton*>())
            if (button->isVisible())
                windowWide.append(button->text());
        EXPECT_EQ(clashes(windowWide), QStringList()) << language.toStdString();
    }
}

}  // namespace
