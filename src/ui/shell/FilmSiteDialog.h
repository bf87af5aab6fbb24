#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace settings {
class Settings;
}

namespace ui {

// frmIMDb: which host of the film web site the film-site pictures link to (setting IMDbSite).
// The options are optIMDb0 to optIMDb3, captioned with the hosts of FilmSiteHosts in order.
class FilmSiteDialog : public QDialog {
    Q_OBJECT
public:
    FilmSiteDialog(settings::Settings& settings, QWidget* parent = nullptr);

    QRadioButton* optIMDb(int index) const { return options_.at(index); }

    // Stores the caption of the first chosen option; with none chosen the setting stays.
    void OK();

private:
    settings::Settings& settings_;
    std::array<QRadioButton*, 4> options_{};
    QLabel* lblnfo_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace ui
