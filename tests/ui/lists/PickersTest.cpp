#include "db/Connection.h"
#include "db/LookupTable.h"
#include "support/ReadingOrderCases.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestCatalogue.h"
#include "support/UserInput.h"
#include "ui/lists/CastEditing.h"
#include "ui/lists/CastList.h"
#include "ui/lists/ListDialog.h"
#include "ui/lists/LookupDialog.h"
#include "ui/lists/SelectActorDialog.h"

#include <QLineEdit>
#include <QTreeView>

namespace {

using db::LookupTable;
using test::child;
using test::click;
using test::entries;

class Pickers : public testing::Test {
protected:
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    test::ScriptedUserInterface ui;
    QListWidget lstActors;
    ui::lists::ListWidgetCast cast{lstActors};
    bool changed = false;

    Pickers() { lstActors.addItems({"  kevin BACON ", "Cher"}); }
    void TearDown() override { EXPECT_TRUE(ui.scriptUsedUp()); }

    // Add Actor with the user playing the picker.
    void addActor(test::ScriptedUserInterface::ModalScript inPicker) {
        ui.inDialog(std::move(inPicker));
        ui::lists::AddActor(
            ui, connection, files.settings(), cast, [this] { changed = true; }, nullptr);
    }
};

// Picking an actor already listed is tested through the main window, one already in the cast
// with AddToCast.
TEST_F(Pickers, ARefusedNewActorLeavesThePickerOpenAndTheCastAsItWas) {
    addActor([&](QDialog& picker) {
        ui.inDialog([&](QDialog& frmActor) {
            QTest::keyClicks(&child<QLineEdit>(frmActor, "txtName"), "CHER");
            ui.acknowledge();
            click(frmActor, "cmdSave");
            click(frmActor, "cmdCancel");
            return frmActor.result();
        });
        click(picker, "cmdAdd");
        EXPECT_TRUE(picker.isVisible());
        EXPECT_EQ(picker.result(), QDialog::Rejected);
        click(picker, "cmdClose");
        return picker.result();
    });
    ASSERT_EQ(ui.exchanges().size(), 3u);
    EXPECT_EQ(ui.exchanges()[2].title, "Information");
    EXPECT_EQ(ui.exchanges()[2].text,
              "Actor 'CHER' already exists.  Please enter a unique name to add.");
    EXPECT_TRUE(changed) << "even a cancelled pick marks the movie changed";
    EXPECT_EQ(entries(lstActors), QStringList({"  kevin BACON ", "Cher"}));
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [Actor]").toInt(), 184);
}

TEST_F(Pickers, ANewActorIsStoredListedAndJoinsTheCast) {
    addActor([&](QDialog& picker) {
        ui.inDialog([&](QDialog& frmActor) {
            QTest::keyClicks(&child<QLineEdit>(frmActor, "txtName"), "Conan O'Brien ");
            click(frmActor, "cmdSave");
            return frmActor.result();
        });
        QTest::keyClick(&child<QListWidget>(picker, "lstData"), Qt::Key_Insert);
        EXPECT_EQ(picker.result(), QDialog::Accepted);
        EXPECT_EQ(child<QListWidget>(picker, "lstData").count(), 185) << "refreshed by frmActor";
        return picker.result();
    });
    EXPECT_EQ(entries(lstActors), QStringList({"  kevin BACON ", "Cher", "Conan O'Brien "}));
    EXPECT_GT(db::FindLookupId(connection, LookupTable::Actor, "Conan O'Brien "), 0);
}

TEST_F(Pickers, ALookupWritesItsChoiceIntoTheSearchTextOnlyOnSelect) {
    QLineEdit txtSearch("Attic");
    ui::lists::LookupDialog frmLookupLocation(ui, connection, LookupTable::Location, txtSearch);
    frmLookupLocation.show();
    test::choose(frmLookupLocation.lstData(), "Theater Room");
    click(frmLookupLocation, "cmdClose");
    EXPECT_EQ(txtSearch.text(), "Attic");

    ui::lists::LookupDialog frmLookupActor(ui, connection, LookupTable::Actor, txtSearch);
    frmLookupActor.show();
    test::doubleClick(frmLookupActor.lstData(), "Peter O'Toole");
    EXPECT_EQ(txtSearch.text(), "Peter O'Toole");
    EXPECT_EQ(frmLookupActor.result(), QDialog::Accepted);

    connection.execute("DELETE FROM [Location]");
    ui::lists::LookupDialog emptyLookup(ui, connection, LookupTable::Location, txtSearch);
    click(emptyLookup, "cmdSelect");
    EXPECT_EQ(txtSearch.text(), "Peter O'Toole") << "nothing chosen, nothing written";
    EXPECT_NE(emptyLookup.result(), QDialog::Accepted);
}

class PickerReadingOrder : public testing::TestWithParam<test::ReadingOrderCase> {
protected:
    static QStringList ofTheNames(QStringList listed) {
        listed.removeIf([](const QString& name) { return !test::NamesToOrder.contains(name); });
        return listed;
    }
};

// The actor picker and Setup > Actors list names as the user's language reads them.
TEST_P(PickerReadingOrder, NamesAreListedAsTheLanguageReadsThem) {
    test::ReadingLocale language(GetParam().locale);
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    for (const QString& name : test::NamesToOrder)
        db::LookupOrAddId(connection, LookupTable::Actor, name);
    test::ScriptedUserInterface ui;
    QLineEdit txtSearch;
    ui::lists::LookupDialog frmLookupActor(ui, connection, LookupTable::Actor, txtSearch);
    EXPECT_EQ(ofTheNames(entries(frmLookupActor.lstData())), GetParam().order);
    ui::lists::ListDialog frmActors(ui, files.catalogue(), files.settings(), LookupTable::Actor);
    EXPECT_EQ(ofTheNames(entries(frmActors.lstData())), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(Languages, PickerReadingOrder, testing::ValuesIn(test::ReadingOrderCases));

}  // namespace
