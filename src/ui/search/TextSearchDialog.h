#pragma once

#include "ui/search/SearchDialog.h"
#include "ui/search/TextSearchKinds.h"

class QLineEdit;

namespace ui {

// The search dialogs with one text box: title, movie #, label, actor, director, producer,
// location and notes. The kind's table entry says how they differ.
class TextSearchDialog final : public SearchDialog {
    Q_OBJECT
public:
    TextSearchDialog(const TextSearchKind& kind, const SearchDialogContext& context);

protected:
    void runSearch() override;
    QWidget& input() override;

private:
    bool refusesEmpty(const QString& text) const;
    db::ActiveSearch candidate(const QString& text) const;
    void lookup();

    const TextSearchKind& kind_;
    std::function<void(QLineEdit&)> lookup_;
    QLineEdit* input_;
};

}  // namespace ui
