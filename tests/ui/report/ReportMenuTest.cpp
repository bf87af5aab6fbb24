#include "UserActions.h"
#include "settings/Settings.h"
#include "support/ScriptedReport.h"
#include "ui/common/ScreenFit.h"
#include "ui/main/MainWindowFixture.h"
#include "ui/report/ReportSelectionDialog.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QLabel>
#include <QListWidget>

namespace {

class ReportMenuTest : public test::MainWindowTest {
protected:
    ~ReportMenuTest() override {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<ui::PreviewWindow*>(window) ||
                qobject_cast<ui::ReportSelectionDialog*>(window))
                window->close();
    }

    // The name the shown preview's report gives in its header.
    static QString shownReportName() {
        ui::PreviewWindow* preview = test::ShownPreview();
        if (!preview)
            return QString();
        const QStringList lines = test::SpoolFileLines(preview->spoolFile());
        return lines.value(lines.indexOf(QStringLiteral("/REPORTNAME")) + 1);
    }

    ui::ReportSelectionDialog* shownSelection() {
        return window().findChild<ui::ReportSelectionDialog*>();
    }

    QStringList spoolFiles() const {
        return QDir(files.folder() + QStringLiteral("/Temp")).entryList(QDir::Files);
    }
};

TEST_F(ReportMenuTest, EveryReportOfTheMenuOpensInThePreview) {
    addMovie(QStringLiteral("Alien"), QStringLiteral("9"));
    openWindow();
    const std::pair<const char*, const char*> reports[] = {
        {"mnuReportsMovieListing", "Movie Listing"},
        {"mnuReportListLabelNumber", "Movie Listing by Label #"},
        {"mnuReportDetailed", "Movie Listing (Detailed)"},
        {"mnuReportsInventoryReport", "Inventory by Location"},
        {"mnuReportsCostReport", "Movie Cost Report"},
        {"mnuReportsMoviesLentOut", "Movies Lent Out"},
    };
    for (const auto& [item, name] : reports) {
        test::chooseMenuItem(window(), item);
        waitUntilWorkEnds();  // the report is written on the worker
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(shownReportName(), name) << item;
        // The preview before took its own file with it, and no other.
        EXPECT_EQ(spoolFiles().size(), 1) << item;
    }
    EXPECT_TRUE(test::ShownPreview()->windowState() & Qt::WindowMaximized);
    const QSize room = ui::AvailableGeometry(window()).size();
    EXPECT_LE(test::ShownPreview()->width(), room.width());
    EXPECT_LE(test::ShownPreview()->height(), room.height());
    EXPECT_EQ(test::ShownPreview()->lblPage->text(), "Page 1 of 1");
}

TEST_F(ReportMenuTest, TheRatingDialogRunsTheChosenRatingsAndKeepsThem) {
    addMovie(QStringLiteral("Alien"));  // rated PG-13
    files.settings().setValue(settings::key::SearchRatingIds, QStringLiteral("5"));
    openWindow();
    test::chooseMenuItem(window(), "mnuReportsListRating");
    ui::ReportSelectionDialog* dialog = shownSelection();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), "frmReportRating");
    EXPECT_EQ(dialog->windowTitle(), "Movie List by Rating");
    EXPECT_FALSE(dialog->isModal());
    auto& ratings = test::child<QListWidget>(*dialog, "lstRatings");
    EXPECT_EQ(test::selectedEntries(ratings), QStringList{"R"});
    test::choose(ratings, QStringLiteral("PG-13"));
    test::click(*dialog, "cmdOK");
    waitUntilWorkEnds();
    EXPECT_EQ(files.settings().value(settings::key::SearchRatingIds), "4,5");
    EXPECT_EQ(shownReportName(), "Movie Listing by Rating");
    const QStringList lines = test::SpoolFileLines(test::ShownPreview()->spoolFile());
    EXPECT_TRUE(lines.contains(QStringLiteral("Rating: PG-13")));
    EXPECT_FALSE(lines.contains(QStringLiteral("Rating: R"))) << "R has no movie";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(shownSelection(), nullptr);
}

TEST_F(ReportMenuTest, ChoosingNothingIsRefusedAndTheDialogStays) {
    openWindow();
    test::chooseMenuItem(window(), "mnuReportsListMedia");
    ui::ReportSelectionDialog* dialog = shownSelection();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Movie Listing by Media");
    ui.acknowledge();
    test::click(*dialog, "cmdOK");
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].title, "Information");
    EXPECT_EQ(ui.exchanges()[0].text, "Select one or more media formats to print.");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(test::ShownPreview(), nullptr);
}

TEST_F(ReportMenuTest, CheckLabelNumbersShowsRepeatedLabelsAndGapsInThePreview) {
    for (const auto& [title, label] : {std::pair{"Alien", "L001"},
                                       {"Brazil", "l001"},
                                       {"Casablanca", "L004"},
                                       {"Dune", "B-7"},
                                       {"Fargo", "B-9"}})
        connection().execute("UPDATE [Movie] SET [LabelNumber] = ? WHERE [MovieId] = ?",
                             {label, addMovie(title)});
    openWindow();
    // The texts the report prints, in their order, with the spool commands between them.
    auto printedInOrder = [](const QStringList& texts) {
        const QStringList lines = test::SpoolFileLines(test::ShownPreview()->spoolFile());
        qsizetype at = 0;
        for (const QString& text : texts) {
            at = lines.indexOf(text, at);
            if (at < 0)
                return false;
        }
        return true;
    };
    test::chooseMenuItem(window(), "mnuToolsCheckLabels");
    waitUntilWorkEnds();
    EXPECT_EQ(shownReportName(), "Label Number Check");
    EXPECT_TRUE(printedInOrder({"Labels on more than one movie: 1", "L001", "Alien", "Brazil",
                                "Gaps in the numbers: 2", "B-8", "L002", "to L003"}));

    connection().execute("UPDATE [Movie] SET [LabelNumber] = ''");
    test::chooseMenuItem(window(), "mnuToolsCheckLabels");
    waitUntilWorkEnds();
    EXPECT_TRUE(
        printedInOrder({"No label is on more than one movie.", "No label numbers are missing."}));
}

TEST_F(ReportMenuTest, ASecondReportIsRefusedAndCancelLeavesNoSpoolFile) {
    connection().execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
        "INSERT INTO [Movie] ([GenreId], [LocationId], [MediaId], [RatingId], [Title], "
        "[LabelNumber], [ReleaseYear], [Minutes], [Stars], [AcquireDate], [Cost], [LentDate]) "
        "SELECT 1, 2, 3, 4, 'Movie ' || i, '', 2000, 90, 3, '2004-01-01 00:00:00', 1, "
        "'1899-01-01 00:00:00' FROM n"));
    openWindow();
    waitUntilWorkEnds();  // the titles written without their folds get them first
    test::WhileReportIsWritten(
        window(), [](ui::PrintingWindow& progress) { test::click(progress, "cmdCancel"); });
    test::chooseMenuItem(window(), "mnuReportDetailed");
    waitUntilWorkEnds();
    EXPECT_EQ(test::ShownPreview(), nullptr);
    EXPECT_TRUE(spoolFiles().isEmpty());
}

}  // namespace
