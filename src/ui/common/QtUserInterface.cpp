#include "ui/common/UserInterface.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace ui {

namespace {

QMessageBox::Icon messageIcon(Icon icon) {
    switch (icon) {
        case Icon::None:
            return QMessageBox::NoIcon;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Answer QtUserInterface::ask(QWidget* parent, const QString& title, const QString& text,
                            Buttons buttons) {
    QMessageBox::StandardButtons choices = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        choices |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, title, text, choices, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(buttons == Buttons::YesNoCancel ? QMessageBox::Cancel : QMessageBox::No);
    const int button = box.exec();
    // A box closed with no button pressed: the program is ending. No does nothing and drops
    // nothing that is pending (Cancel on an add-it question would drop the edits).
    if (box.clickedButton() == nullptr)
        return Answer::No;
    switch (button) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

void QtUserInterface::inform(QWidget* parent, const QString& title, const QString& text,
                             Icon icon) {
    QMessageBox box(messageIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> QtUserInterface::inputText(QWidget* parent, const QString& title,
                                                  const QString& prompt, const QString& defaultText,
                                                  std::optional<QPoint> position) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    if (position)
        dialog.move(*position);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtUserInterface::chooseFile(QWidget* parent, const FileChoice& choice) {
    QFileDialog dialog(parent, choice.title, choice.proposedFile);
    dialog.setNameFilters(choice.filters);
    if (choice.selectedFilter >= 0 && choice.selectedFilter < choice.filters.size())
        dialog.selectNameFilter(choice.filters.at(choice.selectedFilter));
    if (choice.purpose == FileChoice::Purpose::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the caller asks its own question
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!choice.proposedFile.isEmpty())
        dialog.selectFile(choice.proposedFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

int QtUserInterface::runModal(QDialog& dialog) {
    return dialog.exec();
}

bool QtUserInterface::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace ui
