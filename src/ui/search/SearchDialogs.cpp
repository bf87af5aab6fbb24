#include "ui/search/SearchDialogs.h"

#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/search/GenreSearchDialog.h"
#include "ui/search/TextSearchDialog.h"

namespace ui {

std::unique_ptr<QDialog> MakeSearchDialog(db::SearchType type, const SearchDialogContext& context) {
    switch (type) {
        case db::SearchType::None:
            break;
        case db::SearchType::Genres:
            return std::make_unique<GenreSearchDialog>(context);
        default:
            return std::make_unique<TextSearchDialog>(TextSearchKindOf(type), context);
    }
    Q_ASSERT_X(false, "MakeSearchDialog", "no dialog searches for nothing");
    return nullptr;
}

bool ShowSearchDialog(db::SearchType type, const SearchDialogContext& context) {
    std::unique_ptr<QDialog> dialog;
    if (!RunCommand(context.ui, context.parent,
                    [&] { dialog = MakeSearchDialog(type, context); }) ||
        dialog == nullptr)
        return false;
    return context.ui.runModal(*dialog) == QDialog::Accepted;
}

}  // namespace ui
