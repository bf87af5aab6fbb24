#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QPushButton;

namespace db {
class Catalogue;
}
namespace ui {
class LinkLabel;
class UserInterface;
}  // namespace ui

namespace ui {

// "Tallowmere Movie Database 1.2.05": the revision has at least two digits.
QString VersionText(int major, int minor, int revision);

// The maker's web address: until the project has a home page, the README installed with the
// program, or the one of the source tree when the program runs from its build folder.
QUrl MakerWebAddress(const QString& installedReadme, const QString& sourceReadme);
QUrl MakerWebAddress();

// frmAbout: the program's name and version, the number of movies on file and the link to the
// maker's web site.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // The count is read from the open catalogue; with none open it shows no count.
    AboutDialog(ui::UserInterface& ui, db::Catalogue& catalogue, QWidget* parent = nullptr);

    // A click on lblWeb: asks, then opens the maker's web address in the browser.
    void lblWeb_Click();

private:
    ui::UserInterface& ui_;
    QLabel* lblApp_ = nullptr;
    QLabel* lblCopyright_ = nullptr;
    QLabel* lblLegal_ = nullptr;
    ui::LinkLabel* lblWeb_ = nullptr;
    QLabel* lblPgCnt_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace ui
