#pragma once

#include "ui/search/SearchDialogs.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace ui {

// What every search dialog has in common: the help text, Search (the default button) and
// Cancel (the escape), the refusals, and the step that makes a search active once it has
// found something.
class SearchDialog : public QDialog {
    Q_OBJECT
protected:
    SearchDialog(const SearchDialogContext& context, const char* formName, const char* caption,
                 const char* help);

    // Reads the input, saves it and tests it; any failure is reported and leaves the dialog open.
    virtual void runSearch() = 0;
    // The control that gets the focus back after a refusal or a failure.
    virtual QWidget& input() = 0;

    // The "Information" message, then the focus back into the input.
    void refuse(const QString& message);
    // When the search finds any movie it becomes the active search, the opener refills its list
    // and the dialog closes; otherwise the user hears noMatchMessage and the dialog stays.
    void activateIfAnyMatch(const db::ActiveSearch& candidate, const QString& noMatchMessage);

    SearchDialogContext context_;
    QLabel* lblHelp;
    QPushButton* cmdSearch;
    QPushButton* cmdCancel;

private:
    void search();
};

}  // namespace ui
