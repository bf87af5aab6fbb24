#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QUrl;
class QWidget;

namespace ui {

enum class Answer { Yes, No, Cancel };
enum class Buttons { YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Error, Question };

inline constexpr char ProductTitle[] = "Tallowmere Movie Database";

// A file to open or to save, as a file dialog asks for it.
struct FileChoice {
    enum class Purpose { Open, Save };
    Purpose purpose = Purpose::Open;
    QString title;
    QString proposedFile;
    QStringList filters;  // "Text files (*.txt)", ...
    int selectedFilter = 0;
};

// Every modal exchange with the user goes through here: the program installs the Qt
// implementation, tests a scripted double that answers in order and records what was asked.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    virtual Answer ask(QWidget* parent, const QString& title, const QString& text,
                       Buttons buttons) = 0;
    virtual void inform(QWidget* parent, const QString& title, const QString& text, Icon icon) = 0;
    // The typed text, or nothing when the user cancelled.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& title,
                                             const QString& prompt, const QString& defaultText,
                                             std::optional<QPoint> position = {}) = 0;
    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFile(QWidget* parent, const FileChoice& choice) = 0;
    // Shows the dialog modally and returns its result code.
    virtual int runModal(QDialog& dialog) = 0;
    // False when no program could be started for the address.
    virtual bool openUrl(const QUrl& url) = 0;
};

// The one implementation the program runs with.
class QtUserInterface final : public UserInterface {
public:
    Answer ask(QWidget* parent, const QString& title, const QString& text,
               Buttons buttons) override;
    void inform(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& prompt,
                                     const QString& defaultText,
                                     std::optional<QPoint> position) override;
    std::optional<QString> chooseFile(QWidget* parent, const FileChoice& choice) override;
    int runModal(QDialog& dialog) override;
    bool openUrl(const QUrl& url) override;
};

}  // namespace ui
