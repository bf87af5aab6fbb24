#include "report/SpoolWriter.h"
#include "support/ScriptedReport.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestCatalogue.h"
#include "ui/lists/Widgets.h"
#include "ui/report/PreviewWindow.h"
#include "ui/report/PrintingWindow.h"
#include "ui/report/ReportSession.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

class ReportSessionTest : public testing::Test {
protected:
    ReportSessionTest() { files.open(); }

    // A report of the test's own, as the menu commands make theirs.
    static ui::ReportSession::MakeReport scripted(const QString& name, test::ReportBody body) {
        return [name, body](report::SpoolWriter& writer, db::Connection&) {
            return std::make_unique<test::ScriptedReport>(writer, name, body, test::RowsHeading());
        };
    }

    // The user, while the report is written: the progress window as it shows, then a click.
    void whileWriting(std::function<void(ui::PrintingWindow&)> act) {
        auto* poll = new QTimer(&mainWindow);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* progress = qobject_cast<ui::PrintingWindow*>(window);
                if (progress && progress->isVisible()) {
                    poll->deleteLater();
                    poll->stop();
                    act(*progress);
                    return;
                }
            }
        });
        poll->start(20);
    }

    QStringList spoolFiles() const {
        return QDir(files.folder() + QStringLiteral("/Temp")).entryList(QDir::Files);
    }

    test::TestCatalogue files;
    test::ScriptedUserInterface ui;
    QWidget mainWindow;
    ui::ReportSession session{ui, files.settings(), files.catalogue(), mainWindow};
};

TEST_F(ReportSessionTest, AReportOpensInThePreviewInPlaceOfTheOneBefore) {
    session.run(scripted(QStringLiteral("First"), test::RowsUntilPage(2)));
    ASSERT_NE(session.preview(), nullptr);
    const QPointer<ui::PreviewWindow> first = session.preview();
    EXPECT_TRUE(session.preview()->isVisible());
    EXPECT_TRUE(session.preview()->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(session.preview()->lblPage->text(), "Page: 1");

    session.run(scripted(QStringLiteral("Second"), test::RowsUntilPage(1)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(session.preview(), nullptr);
    EXPECT_EQ(session.preview()->pageCount(), 1);
    EXPECT_EQ(spoolFiles().size(), 1) << "the first report's file went with its preview";
}

TEST_F(ReportSessionTest, CancelWhileAReportIsWrittenLeavesNoFileAndNoPreview) {
    QString caption;
    QString pageText;
    whileWriting([&](ui::PrintingWindow& progress) {
        caption = progress.windowTitle();
        pageText = progress.lblPrint->text();
        test::click(progress, "cmdCancel");
    });
    session.run(scripted(QStringLiteral("Endless"), test::RowsUntilPage(1000000)));
    EXPECT_EQ(caption, "Building Report");
    EXPECT_TRUE(pageText.startsWith(QStringLiteral("Endless, Page: "))) << pageText.toStdString();
    EXPECT_EQ(session.preview(), nullptr);
    EXPECT_TRUE(spoolFiles().isEmpty());
    EXPECT_FALSE(session.writer().isWriting());
}

TEST_F(ReportSessionTest, ASecondReportIsRefusedUntilTheFirstIsWritten) {
    ui.acknowledge();
    whileWriting([this](ui::PrintingWindow& progress) {
        session.run(scripted(QStringLiteral("Second"), test::RowsUntilPage(1)));
        test::click(progress, "cmdCancel");
    });
    session.run(scripted(QStringLiteral("First"), test::RowsUntilPage(1000000)));
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].title, "Information");
    EXPECT_EQ(ui.exchanges()[0].text,
              "Another report is being built.  Wait until it is finished, or cancel it.");
    EXPECT_TRUE(spoolFiles().isEmpty());
}

}  // namespace
