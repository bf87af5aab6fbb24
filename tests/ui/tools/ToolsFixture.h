#pragma once

#include "db/Movies.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestCatalogue.h"
#include "support/UserInput.h"
#include "ui/common/LongWork.h"

#include <gtest/gtest.h>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace test {

// A catalogue, the scripted user, and a stand-in for the main window with its list refill.
class ToolsTest : public testing::Test {
protected:
    int addMovie(const QString& title, int locationId = 2) {
        db::MovieRecord movie;
        movie.title = title;
        movie.locationId = locationId;
        movie.mediaId = movie.ratingId = 2;
        return db::InsertMovie(connection, movie);
    }
    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QPushButton& button(QWidget& window, const char* name) {
        return child<QPushButton>(window, name);
    }
    // The work a command runs on the worker, and what the window does after it, is over.
    static void waitUntilWorkEnds() {
        ASSERT_TRUE(QTest::qWaitFor([] { return !ui::LongWork::running(); }, 60000));
    }

    TestCatalogue files;
    db::Connection& connection = files.open();
    ScriptedUserInterface user;
    QWidget mainWindow;
    int refills = 0;
    std::function<void()> populateLstMain = [this] { ++refills; };
};

}  // namespace test
