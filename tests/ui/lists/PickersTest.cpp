#include "db/Connection.h"
#include "db/LookupLists.h"
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
TEST_F(Pickers, ANewActorWhoExistsIsOfferedInsteadOfADeadEnd) {
    addActor([&](QDialog& picker) {
        auto& lstData = child<QListWidget>(picker, "lstData");
        auto addNew = [&](const char* typed, ui::Answer useIt) {
            ui.inDialog([&, typed](QDialog& frmActor) {
                QTest::keyClicks(&child<QLineEdit>(frmActor, "txtName"), typed);
                click(frmActor, "cmdSave");
                return frmActor.result();
            });
            ui.answer(useIt);
            click(picker, "cmdAdd");
        };
        test::typeInto(child<QLineEdit>(picker, "txtFilter"), "cher");
        addNew("keanu reeves", ui::Answer::No);
        EXPECT_TRUE(picker.isVisible());
        EXPECT_NE(picker.result(), QDialog::Accepted);
        EXPECT_EQ(lstData.currentItem()->text(), "Keanu Reeves") << "shown, the filter gone";
        EXPECT_FALSE(lstData.currentItem()->isHidden());
        EXPECT_EQ(picker.focusWidget(), &lstData);
        addNew("KEANU REEVES", ui::Answer::Yes);
        EXPECT_EQ(picker.result(), QDialog::Accepted);
        return picker.result();
    });
    EXPECT_EQ(ui.exchanges().at(2).text, "'Keanu Reeves' is already in the list. Use it?");
    EXPECT_EQ(ui.exchanges().size(), 5u) << "no dead-end message";
    EXPECT_EQ(entries(lstActors), QStringList({"  kevin BACON ", "Cher", "Keanu Reeves"}));
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [Actor]").toInt(), 184);
}

TEST_F(Pickers, TheFilterNarrowsTheActorsIgnoringCaseAndAccents) {
    ASSERT_TRUE(db::AddLookupName(connection, LookupTable::Actor, "Amélie Poulain"));
    addActor([&](QDialog& picker) {
        auto& lstData = child<QListWidget>(picker, "lstData");
        auto& filter = child<QLineEdit>(picker, "txtFilter");
        auto shown = [&] {
            QStringList names;
            for (int row = 0; row < lstData.count(); ++row)
                if (!lstData.item(row)->isHidden())
                    names.append(lstData.item(row)->text());
            return names;
        };
        test::typeInto(filter, "AMELIE");
        EXPECT_EQ(shown(), QStringList{"Amélie Poulain"});
        test::typeInto(filter, "no such actor");
        EXPECT_TRUE(shown().isEmpty());
        EXPECT_TRUE(lstData.selectedItems().isEmpty()) << "nothing hidden can be selected";
        test::typeInto(filter, "poulain");
        EXPECT_EQ(lstData.currentItem()->text(), "Amélie Poulain");
        QTest::keyClick(&filter, Qt::Key_Return);
        EXPECT_EQ(picker.result(), QDialog::Accepted);
        return picker.result();
    });
    EXPECT_EQ(entries(lstActors), QStringList({"  kevin BACON ", "Cher", "Amélie Poulain"}));
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
