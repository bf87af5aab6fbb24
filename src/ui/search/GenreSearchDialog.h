#pragma once

#include "ui/search/SearchDialog.h"

class QListWidget;

namespace ui {

// frmSearchGenre: the movies that have any of the selected genres. It opens with the genres of
// the last genre search selected.
class GenreSearchDialog final : public SearchDialog {
    Q_OBJECT
public:
    // Reads the genre list; throws when it cannot.
    explicit GenreSearchDialog(const SearchDialogContext& context);

protected:
    void runSearch() override;
    QWidget& input() override;

private:
    void fillGenres();
    QString selectedGenreIds() const;

    QListWidget* lstGenre;
};

}  // namespace ui
