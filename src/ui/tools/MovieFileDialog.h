#pragma once

#include "ui/common/UserInterface.h"
#include "ui/tools/BusyDialog.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// What frmExport and frmImport share: a help line, the file name with its Browse button, the
// button that does the work and Close.
class MovieFileDialog : public BusyDialog {
    Q_OBJECT
public:
    struct Texts {
        QString objectName;  // frmExport
        QString caption;     // "Export Movies"
        QString help;
        QString actionName;  // cmdExport
        QString actionCaption;
        FileChoice::Purpose browsePurpose;
    };

    QLineEdit& filename() const { return *txtFilename_; }
    QPushButton& actionButton() const { return *action_; }

protected:
    MovieFileDialog(UserInterface& ui, QWidget* parent, const Texts& texts,
                    const QString& filename);

    // The work of the action button.
    virtual void run() = 0;

    // What a run disables: nothing the user does may change it half-way.
    QList<QWidget*> controlsToDisable() const;
    // Puts a button of the dialog's own after Close.
    void addButton(QPushButton* button);
    const QString& caption() const { return caption_; }
    UserInterface& ui_;

private:
    void Browse();

    QString caption_;
    FileChoice::Purpose browsePurpose_;
    QLineEdit* txtFilename_;
    QPushButton* browse_;
    QPushButton* action_;
    QPushButton* close_;
    QHBoxLayout* buttons_;
};

}  // namespace ui
