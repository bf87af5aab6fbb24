#pragma once

#include "db/LookupTable.h"
#include "db/MovieList.h"
#include "db/Movies.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestCatalogue.h"
#include "support/UserInput.h"
#include "ui/search/SearchDialogs.h"

#include <gtest/gtest.h>
#include <QDialog>
#include <QLineEdit>

namespace test {

// A fresh catalogue, settings and active search, and a user who plays the search dialogs.
class SearchDialogFixture : public testing::Test {
protected:
    TestCatalogue files;
    db::Connection& connection = files.open();
    ScriptedUserInterface ui;
    db::ActiveSearch search;
    int refills = 0;  // calls of the main window's list refill
    db::MovieListRows refilledWith;
    ui::SearchDialogContext context{ui,
                                    files.settings(),
                                    connection,
                                    search,
                                    nullptr,
                                    [this](db::MovieListRows rows) {
                                        ++refills;
                                        refilledWith = std::move(rows);
                                    },
                                    {},
                                    {}};

    void TearDown() override { EXPECT_TRUE(ui.scriptUsedUp()); }

    // What the user saw after pressing Search.
    bool stayedOpen = false;
    QString boxAfterSearch;
    bool focusInInput = false;

    int add(const QString& title, const QString& genreIds = {}) {
        db::MovieRecord movie;
        movie.title = title;
        movie.genreIds = genreIds;
        movie.locationId = 2;  // Living Room
        return db::InsertMovie(connection, movie);
    }

    // Opens the dialog of the kind, types text into its box and presses Search; when the dialog
    // answers with a message (scripted by answered) and stays open, the user cancels. True when
    // the dialog set a new search.
    bool searchFor(db::SearchType type, const QString& text, bool answered = false) {
        ui.inDialog([&](QDialog& dialog) {
            auto* box = dialog.findChild<QLineEdit*>();
            test::typeInto(*box, text);
            test::click(dialog, "cmdSearch");
            stayedOpen = dialog.isVisible();
            boxAfterSearch = box->text();
            focusInInput = dialog.focusWidget() == box;
            if (stayedOpen)
                test::click(dialog, "cmdCancel");
            return dialog.result();
        });
        if (answered)
            ui.acknowledge();
        return ui::ShowSearchDialog(type, context);
    }

    // The text of the last message, "Title: text".
    QString lastMessage() const {
        if (ui.exchanges().empty())
            return {};
        const Exchange& last = ui.exchanges().back();
        return last.title + QStringLiteral(": ") + last.text;
    }

    // The titles the dialog handed the main list with its last search, sorted.
    QStringList listedTitles() {
        QStringList titles;
        for (const db::MovieListRow& row : refilledWith)
            titles.append(row.title);
        titles.sort();
        return titles;
    }

    QString saved(const char* key) { return files.settings().value(key); }
};

}  // namespace test
