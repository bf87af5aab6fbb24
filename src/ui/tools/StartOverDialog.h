#pragma once

#include "ui/tools/BusyDialog.h"

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace db {
class Catalogue;
}

namespace ui {

class UserInterface;

// frmStartOver: replaces the catalogue by a new, seeded one of the same name.
class StartOverDialog : public BusyDialog {
    Q_OBJECT
public:
    StartOverDialog(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent,
                    std::function<void()> populateLstMain);

private:
    void StartOver();

    UserInterface& ui_;
    db::Catalogue& catalogue_;
    std::function<void()> populateLstMain_;
    QCheckBox* chkStartOver1_;
    QPushButton* cmdStartOver_;
    QPushButton* cmdCancel_;
};

// Tools > Start over: shows frmStartOver modally.
void ShowStartOverDialog(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent,
                         std::function<void()> populateLstMain);

}  // namespace ui
