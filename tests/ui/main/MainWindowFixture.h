#pragma once

#include "db/MovieRecord.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestCatalogue.h"
#include "ui/main/MainWindow.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <memory>

namespace test {

// The real main window on a catalogue of the test's own, with the user played by a script.
class MainWindowTest : public testing::Test {
public:
    MainWindowTest();
    ~MainWindowTest() override;

    // A movie written straight into the catalogue, before or behind the window's back.
    int addMovie(const QString& title, const QString& genreIds = {}, int locationId = 2);
    // Builds and loads a window (again, for a restart).
    ui::MainWindow& openWindow();

    ui::MainWindow& window() { return *window_; }
    db::Connection& connection() { return files.connection(); }
    template <typename Widget = QWidget>
    Widget* find(const char* name) {
        auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit& field(const char* name) { return *find<QLineEdit>(name); }
    // The titles of the list, top to bottom.
    QStringList listedTitles();
    QString selectedTitle();
    int selectedRow();
    // The user's hand on the list: a click or a right-click on the title of a row.
    void clickRow(int row);
    void rightClickRow(int row);
    void type(const char* field, const QString& text);
    void click(const char* button);
    void trigger(const char* menuItem);
    // The work a command runs on the worker, and what the window does after it, is over.
    static void waitUntilWorkEnds();
    // The row highlighted, the selection and the shown movie agree: the shown movie's title.
    QString shownTitle();
    QString storedTitle(int movieId);
    int count(const QString& sql, int movieId);

    TestCatalogue files;
    ScriptedUserInterface ui;

private:
    std::unique_ptr<ui::MainWindow> window_;
};

}  // namespace test
