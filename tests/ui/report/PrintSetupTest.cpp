#include "UserActions.h"
#include "settings/Settings.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestCatalogue.h"
#include "ui/main/MainWindowFixture.h"
#include "ui/report/PrintSetupDialog.h"
#include "ui/report/PrinterChoice.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList Printers = {"Laser", "Inkjet", "Laser", "PDF file"};

TEST(PrintSetupTest, TheCopiesTypedAreKeptAsAWholeNumberFrom1To99) {
    const std::pair<const char*, const char*> cases[] = {{"2.5", "2"}, {" 7 ", "7"}, {"abc", "1"},
                                                         {"99", "99"}, {"100", "1"}, {"0.4", "1"}};
    for (const auto& [typed, kept] : cases) {
        test::TestCatalogue files;
        ui::PrintSetupDialog dialog(files.settings(), Printers, nullptr);
        dialog.show();
        dialog.txtCopies->selectAll();
        QTest::keyClicks(dialog.txtCopies, QString::fromLatin1(typed));
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        EXPECT_EQ(files.settings().value(settings::key::Copies), kept) << typed;
        EXPECT_EQ(files.settings().value(settings::key::Printer), "Laser") << "the first is chosen";
    }
}

TEST(PrintSetupTest, TheSavedPrinterIsChosenAndCancelKeepsEverything) {
    test::TestCatalogue files;
    files.settings().setValue(settings::key::Printer, QStringLiteral("Laser"));
    files.settings().setValue(settings::key::Copies, QStringLiteral(" 4 "));
    ui::PrintSetupDialog dialog(files.settings(), Printers, nullptr);
    EXPECT_EQ(dialog.cboPrinter->currentIndex(), 2) << "of equal names the last";
    EXPECT_EQ(dialog.txtCopies->text(), "4");
    dialog.show();
    dialog.cboPrinter->setFocus();
    QTest::keyClick(dialog.cboPrinter, Qt::Key_Down);
    QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
    EXPECT_EQ(files.settings().value(settings::key::Printer), "Laser");
    EXPECT_EQ(files.settings().value(settings::key::Copies), " 4 ");
}

class PrinterSetupMenuTest : public test::MainWindowTest {};

TEST_F(PrinterSetupMenuTest, FilePrinterSetupOpensTheDialog) {
    openWindow();
    ui.inDialog([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmPrintSetup");
        EXPECT_EQ(dialog.windowTitle(), "Print Setup");
        test::click(dialog, "cmdOK");
        return dialog.result();
    });
    test::chooseMenuItem(window(), "mnuFilePrinterSetup");
    EXPECT_TRUE(ui.scriptUsedUp());
    EXPECT_EQ(files.settings().value(settings::key::Printer), ui::PrinterNames().first());
    EXPECT_EQ(files.settings().value(settings::key::Copies), "1");
}

}  // namespace
