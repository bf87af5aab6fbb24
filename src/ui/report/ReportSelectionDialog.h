#pragma once

#include <QDialog>
#include <QList>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace settings {
class Settings;
}
namespace db {
class Connection;
}

namespace ui {

class UserInterface;

// frmReportRating and frmReportMedia: the ratings, or the media, a listing is to show. The
// choice is kept for the next time; the dialog stays beside the main window until the report
// runs or the user cancels.
class ReportSelectionDialog final : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Rating, Media };
    // True when the report ran; otherwise the dialog stays for another try.
    using RunReport = std::function<bool(const QList<int>& ids)>;

    ReportSelectionDialog(Kind kind, UserInterface& ui, settings::Settings& settings,
                          db::Connection& connection, RunReport runReport, QWidget* parent);

    Kind kind() const { return kind_; }

    QListWidget* lstSelection;  // lstRatings or lstMedia
    QLabel* lblHelp;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void printReport();

    Kind kind_;
    UserInterface& ui_;
    settings::Settings& settings_;
    RunReport runReport_;
};

}  // namespace ui
