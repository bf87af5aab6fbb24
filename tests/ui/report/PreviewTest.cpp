#include "report/PageDrawer.h"
#include "report/PageImage.h"
#include "report/RunReport.h"
#include "settings/Settings.h"
#include "support/PdfTools.h"
#include "support/ScriptedReport.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestCatalogue.h"
#include "support/UserInput.h"
#include "ui/common/LongWork.h"
#include "ui/report/PageView.h"
#include "ui/report/PreviewWindow.h"
#include "ui/report/PrintingWindow.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

class PreviewTest : public testing::Test {
protected:
    ~PreviewTest() override { delete preview.data(); }

    QString write(int pages, const QString& password = {}) {
        test::ReportOptions options = test::RowsHeading();
        options.password = password;
        test::ScriptedReport report(writer, QStringLiteral("Three pages"),
                                    test::RowsUntilPage(pages), options);
        return *report::RunReport(report, writer);
    }

    ui::PreviewWindow& open(const QString& spoolFile) {
        preview = new ui::PreviewWindow(ui, files.settings(), state, spoolFile, nullptr);
        preview->Init();
        preview->show();
        QApplication::setActiveWindow(preview);
        return *preview;
    }

    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(preview->picPPshow, key, modifiers);
    }
    QString page() const { return preview->lblPage->text(); }
    // Printing and writing a PDF run on the worker.
    static void waitUntilWorkEnds() {
        ASSERT_TRUE(QTest::qWaitFor([] { return !ui::LongWork::running(); }, 60000));
    }
    // Windows closed with WA_DeleteOnClose go at the next turn of the event loop.
    static void letClosedWindowsGo() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    test::TestCatalogue files;
    test::ScriptedUserInterface ui;
    report::SpoolWriter writer{files.folder() + QStringLiteral("/Temp")};
    report::DrawingState state;
    QPointer<ui::PreviewWindow> preview;
};

TEST_F(PreviewTest, PagesAreReachedByTheButtonsAndTheKeys) {
    ui::PreviewWindow& window = open(write(3));
    EXPECT_EQ(window.pageCount(), 3);
    EXPECT_EQ(page(), "Page 1 of 3");
    click(window.cmdNext);
    EXPECT_EQ(page(), "Page 2 of 3");
    click(window.cmdLast);
    EXPECT_EQ(page(), "Page 3 of 3");
    const qint64 drawn = window.pageImage().cacheKey();
    click(window.cmdNext);
    click(window.cmdLast);
    EXPECT_EQ(window.pageImage().cacheKey(), drawn) << "the last page is not drawn again";
    key(Qt::Key_PageUp);
    EXPECT_EQ(page(), "Page 2 of 3");
    key(Qt::Key_Home);
    EXPECT_EQ(page(), "Page 1 of 3");
    key(Qt::Key_End, Qt::AltModifier);
    EXPECT_EQ(page(), "Page 1 of 3") << "Alt with a key is left to the menus";
    key(Qt::Key_End);
    EXPECT_EQ(page(), "Page 3 of 3");
    key(Qt::Key_PageDown);
    click(window.cmdPrev);
    click(window.cmdFirst);
    EXPECT_EQ(page(), "Page 1 of 3");
    const qint64 first = window.pageImage().cacheKey();
    click(window.cmdPrev);
    click(window.cmdFirst);
    EXPECT_EQ(window.pageImage().cacheKey(), first) << "nor the first";
}

TEST_F(PreviewTest, TheScrollBarsReachThePartOfThePageThatDoesNotFit) {
    ui::PreviewWindow& window = open(write(1));
    window.resize(1400, 1400);
    for (QScrollBar* bar : {window.hscBar, window.vscBar}) {
        EXPECT_EQ(bar->maximum(), 0);
        EXPECT_EQ(bar->singleStep(), 1);
        EXPECT_EQ(bar->pageStep(), 1);
    }
    key(Qt::Key_Down);
    EXPECT_EQ(window.vscBar->value(), 0);

    window.resize(500, 400);
    const QSize hidden = QSize(816, 1008) - window.picPPshow->size();
    EXPECT_EQ(window.hscBar->maximum(), hidden.width());
    EXPECT_EQ(window.vscBar->maximum(), hidden.height());
    EXPECT_EQ(window.vscBar->singleStep(), qRound(hidden.height() / 4.0));
    EXPECT_EQ(window.vscBar->pageStep(), qRound(hidden.height() / 2.0));
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    EXPECT_EQ(window.vscBar->value(), qRound(hidden.height() / 2.0));
    EXPECT_EQ(window.hscBar->value(), qRound(hidden.width() / 2.0));
    for (int press = 0; press < 4; ++press)
        key(Qt::Key_Down);
    EXPECT_EQ(window.vscBar->value(), hidden.height()) << "kept inside the range";
}

TEST_F(PreviewTest, AProtectedReportAsksItsPasswordOnce) {
    ui.type(QStringLiteral("secret"));
    ui::PreviewWindow& window = open(write(2, QStringLiteral("Secret")));
    click(window.cmdNext);
    click(window.cmdPrev);
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].title, "Protected");
    EXPECT_EQ(ui.exchanges()[0].text, "This report is password protected.  Please enter password:");
    EXPECT_GT(test::DarkPixels(window.pageImage(), QRect(10, 10, 110, 20)), 0);
}

TEST_F(PreviewTest, InfoSaveAndSaveAsPdf) {
    ui::PreviewWindow& window = open(write(3));
    ui.acknowledge();
    click(window.cmdInfo);
    const QStringList info = ui.exchanges().back().text.split(u'\n');
    EXPECT_EQ(info.mid(0, 5), (QStringList{"/VERSION=1", "/PAPERSIZE=1", "/ORIENTATION=1",
                                           "/REPORTNAME=Three pages", "/CREATEDBY=KIB"}));
    EXPECT_EQ(info.mid(7), (QStringList{"/NOTE=", "Page Count=3"}));

    const QString copy = files.path(QStringLiteral("copy.rpt"));
    ui.chooseFile(copy);
    click(window.cmdSave);
    EXPECT_EQ(ui.exchanges().back().text, QDir::homePath() + "/spool.rpt");
    EXPECT_EQ(test::SpoolFileLines(copy), test::SpoolFileLines(window.spoolFile()));

    const QString pdf = files.path(QStringLiteral("three.pdf"));
    ui.chooseFile(pdf);
    click(window.cmdSavePdf);
    EXPECT_EQ(ui.exchanges().back().text, QDir::homePath() + "/Three pages.pdf");
    EXPECT_FALSE(window.cmdSavePdf->isEnabled()) << "written on the worker";
    waitUntilWorkEnds();
    EXPECT_TRUE(window.cmdSavePdf->isEnabled());
    if (test::HavePdfTools()) {
        EXPECT_EQ(test::PdfPageCount(pdf), 3);
        const QString text = test::PdfText(pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("Row 1\n"))) << text.left(200).toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Three pages")));
    }
    EXPECT_TRUE(window.isVisible());
}

TEST_F(PreviewTest, PrintingOnThePdfPrinterMakesTheSavedCopiesAndEndsThePreview) {
    files.settings().setValue(settings::key::Printer, QStringLiteral("PDF file"));
    files.settings().setValue(settings::key::Copies, QStringLiteral("3"));
    const QString spoolFile = write(3);
    ui::PreviewWindow& window = open(spoolFile);
    const QString pdf = files.path(QStringLiteral("printed.pdf"));
    ui.chooseFile(pdf);
    click(window.cmdPrint);
    waitUntilWorkEnds();
    letClosedWindowsGo();
    EXPECT_TRUE(preview.isNull());
    EXPECT_FALSE(QFile::exists(spoolFile));
    if (test::HavePdfTools()) {
        EXPECT_EQ(test::PdfPageCount(pdf), 9);
    }
}

TEST_F(PreviewTest, APrinterThatFailsIsReportedAndThePreviewStaysUntilClosed) {
    const QString spoolFile = write(1);
    ui::PreviewWindow& window = open(spoolFile);
    ui.chooseFile(files.path(QStringLiteral("no such folder/printed.pdf")));
    ui.acknowledge();
    click(window.cmdPrint);
    waitUntilWorkEnds();
    letClosedWindowsGo();
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(ui.exchanges().back().title, "Error");
    EXPECT_TRUE(ui.exchanges().back().text.contains(QStringLiteral("could not be printed")));
    EXPECT_TRUE(QFile::exists(spoolFile));
    click(window.cmdClose);
    EXPECT_FALSE(QFile::exists(spoolFile)) << "Close deletes the spool file";
}

TEST_F(PreviewTest, ZoomKeysAndFitPage) {
    ui::PreviewWindow& window = open(write(1));
    window.resize(700, 500);
    key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window.zoom(), 1.25);
    EXPECT_EQ(window.picPPshow->pageSize(), QSize(1020, 1260));
    key(Qt::Key_Minus, Qt::ControlModifier);
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window.zoom(), 0.75);
    window.cboZoom->setCurrentIndex(window.cboZoom->findText(QStringLiteral("Fit page")));
    EXPECT_EQ(window.hscBar->maximum(), 0);
    EXPECT_EQ(window.vscBar->maximum(), 0);
    EXPECT_EQ(page(), "Page 1 of 1");
}

TEST_F(PreviewTest, ThePageSitsInTheMiddleAndEscClosesThePreview) {
    ui::PreviewWindow& window = open(write(1));
    const QString spoolFile = window.spoolFile();
    EXPECT_EQ(window.cmdSave->text(), QString::fromUtf8("&Save report file\u2026"));
    window.resize(1400, 1000);
    key(Qt::Key_Minus, Qt::ControlModifier);
    key(Qt::Key_Minus, Qt::ControlModifier);
    ASSERT_DOUBLE_EQ(window.zoom(), 0.5);
    const QImage view = window.picPPshow->grab().toImage();
    const QRgb background = view.pixel(0, 0);
    const int middle = view.height() / 2;
    int left = -1;
    int right = -1;
    for (int x = 0; x < view.width(); ++x) {
        if (view.pixel(x, middle) == background)
            continue;
        right = x;
        if (left < 0)
            left = x;
    }
    ASSERT_GT(left, 0) << "the page is narrower than the view";
    EXPECT_NEAR(left, view.width() - 1 - right, 1);
    EXPECT_EQ(view.pixel(view.width() / 2, 2), background) << "and lower than the view";

    key(Qt::Key_Escape);
    letClosedWindowsGo();
    EXPECT_TRUE(preview.isNull());
    EXPECT_FALSE(QFile::exists(spoolFile));
}

TEST_F(PreviewTest, ASavedCopyOrAPrintToFileNeverReplacesWhatIsNoFile) {
    files.settings().setValue(settings::key::Printer, QStringLiteral("PDF file"));
    ui::PreviewWindow& window = open(write(1));
    const QString pipe = files.path(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (QPushButton* command : {window.cmdSave, window.cmdSavePdf, window.cmdPrint}) {
        for (const QString& target : {pipe, files.path(QStringLiteral("Temp"))}) {
            ui.chooseFile(target).acknowledge();
            click(command);
            EXPECT_EQ(ui.exchanges().back().title, "Error") << command->text().toStdString();
            EXPECT_TRUE(ui.exchanges().back().text.contains(target));
            EXPECT_FALSE(QFileInfo(target).isFile()) << target.toStdString();
        }
    }
    EXPECT_FALSE(preview.isNull());
}

TEST_F(PreviewTest, WhilePrintingToAFileThePreviewAnswersAndCancelKeepsTheOlderFile) {
    files.settings().setValue(settings::key::Printer, QStringLiteral("PDF file"));
    const QString pdf = files.path(QStringLiteral("long.pdf"));
    auto writeOlder = [&pdf] {
        QFile older(pdf);
        return older.open(QIODevice::WriteOnly) && older.write("older") == 5;
    };
    ASSERT_TRUE(writeOlder());
    // Long enough that the replay is still going when the user acts.
    ui::PreviewWindow& window = open(write(6000));
    const QDir folder(files.folder());
    auto pdfFiles = [&folder] {
        return folder.entryList({QStringLiteral("*long*")}, QDir::Files | QDir::Hidden);
    };
    for (QPushButton* command : {window.cmdSavePdf, window.cmdPrint}) {
        SCOPED_TRACE(command->text().toStdString());
        key(Qt::Key_Home);
        ui.chooseFile(pdf);
        click(command);
        // The page keys still turn the pages, and nothing that conflicts can start.
        key(Qt::Key_PageDown);
        EXPECT_EQ(page(), "Page 2 of 6,000");
        for (QPushButton* conflicting :
             {window.cmdPrint, window.cmdSavePdf, window.cmdSave, window.cmdClose})
            EXPECT_FALSE(conflicting->isEnabled()) << conflicting->text().toStdString();
        key(Qt::Key_Escape);
        EXPECT_TRUE(window.isVisible()) << "not closed under the work";
        // frmPrinting shows which page is being printed; its Cancel stops the work.
        auto* progress = window.findChild<ui::PrintingWindow*>();
        ASSERT_NE(progress, nullptr);
        QTRY_VERIFY(progress->isVisible());
        EXPECT_TRUE(progress->lblPrint->text().startsWith(QStringLiteral("Three pages, Page: ")))
            << progress->lblPrint->text().toStdString();
        EXPECT_EQ(progress->windowTitle(), "Printing");
        EXPECT_EQ(page(), "Page 2 of 6,000") << "the page shown is not drawn over";
        test::click(*progress, "cmdCancel");
        waitUntilWorkEnds();
        QFile older(pdf);
        ASSERT_TRUE(older.open(QIODevice::ReadOnly));
        EXPECT_EQ(older.readAll(), "older");
        EXPECT_EQ(pdfFiles(), QStringList{"long.pdf"}) << "nothing half-written is left";
    }
    letClosedWindowsGo();
    EXPECT_TRUE(preview.isNull()) << "a cancelled print ends the preview";
}

}  // namespace
