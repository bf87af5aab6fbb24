#include "UserActions.h"
#include "report/ReportError.h"
#include "ui/main/MainWindowFixture.h"
#include "ui/report/ReportSelectionDialog.h"

#include <gtest/gtest.h>
#include <QListWidget>

namespace {

class ReportSelectionTest : public test::MainWindowTest {
protected:
    ~ReportSelectionTest() override {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<ui::PreviewWindow*>(window))
                window->close();
    }
    QList<ui::ReportSelectionDialog*> shownSelections() {
        QList<ui::ReportSelectionDialog*> shown;
        for (auto* dialog : window().findChildren<ui::ReportSelectionDialog*>())
            if (dialog->isVisible())
                shown.append(dialog);
        return shown;
    }
};

TEST_F(ReportSelectionTest, OneDialogOpensOnTwoClicksAndItStaysWhenItsReportIsRefused) {
    connection().execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
        "INSERT INTO [Movie] ([GenreId], [LocationId], [MediaId], [RatingId], [Title], "
        "[LabelNumber], [ReleaseYear], [Minutes], [Stars], [AcquireDate], [Cost], [LentDate]) "
        "SELECT 1, 2, 3, 4, 'Movie ' || i, '', 2000, 90, 3, '2004-01-01 00:00:00', 1, "
        "'1899-01-01 00:00:00' FROM n"));
    openWindow();
    waitUntilWorkEnds();  // the titles written without their folds get them first
    test::chooseMenuItem(window(), "mnuReportsListRating");
    test::chooseMenuItem(window(), "mnuReportsListRating");
    ASSERT_EQ(shownSelections().size(), 1);
    test::chooseMenuItem(window(), "mnuReportsListMedia");
    EXPECT_EQ(shownSelections().size(), 2) << "the media dialog is another one";
    ui::ReportSelectionDialog* ratings = shownSelections().constFirst();
    if (ratings->kind() != ui::ReportSelectionDialog::Kind::Rating)
        ratings = shownSelections().constLast();
    test::choose(test::child<QListWidget>(*ratings, "lstRatings"), QStringLiteral("PG-13"));

    // Print Report while another report is being written: refused, and the choice stays up.
    ui.acknowledge();
    test::WhileReportIsWritten(window(), [&](ui::PrintingWindow& progress) {
        test::click(*ratings, "cmdOK");
        test::click(progress, "cmdCancel");
    });
    test::chooseMenuItem(window(), "mnuReportDetailed");
    waitUntilWorkEnds();
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].text, QString::fromLatin1(report::ReportBusyText));
    EXPECT_TRUE(ratings->isVisible());
    EXPECT_EQ(test::ShownPreview(), nullptr);

    test::click(*ratings, "cmdOK");
    waitUntilWorkEnds();
    EXPECT_NE(test::ShownPreview(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(shownSelections().size(), 1) << "the rating dialog closed once its report ran";
}

}  // namespace
