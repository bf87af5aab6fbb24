#include "MainWindowFixture.h"

#include "support/UserInput.h"

namespace {

using test::MainWindowTest;

// Each new movie the user gives a label of another kind, which the next proposal follows. The
// catalogue starts empty: the fields cleared then must still show and save the movies added.
TEST_F(MainWindowTest, AddMovieProposesTheLabelAfterTheHighestAndTheUserTypesOverIt) {
    openWindow();
    const std::pair<const char*, const char*> steps[] = {
        {"", "A-9"}, {"A-10", "12"}, {"13", "L000123"}, {"L000124", "L000124"}};
    int number = 0;
    for (const auto& [proposed, typed] : steps) {
        trigger("mnuFileAddMovie");
        EXPECT_EQ(field("txtLabelNumber").text(), proposed);
        type("txtTitle", QStringLiteral("Movie %1").arg(++number));
        type("txtLabelNumber", typed);
        click("cmdSaveChanges");
    }
    EXPECT_EQ(
        connection().scalar("SELECT COUNT(*) FROM [Movie] WHERE [LabelNumber] = 'L000124'").toInt(),
        1);
    EXPECT_EQ(connection().scalar("SELECT COUNT(*) FROM [MovieGenre]").toInt(), 4)
        << "each movie kept the genre it was added with";
}

}  // namespace
