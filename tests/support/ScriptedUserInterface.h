#pragma once

#include "support/QtPrinting.h"
#include "ui/common/UserInterface.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <variant>
#include <vector>

namespace test {

// What the program asked or told the user, in order.
struct Exchange {
    enum class Kind { Ask, Inform, Input, File, Modal, Url };
    Kind kind;
    QString title;
    QString text;  // message, prompt, dialog object name or address
};

// The user interface of the tests: answers from a script, in order, and records every exchange.
// An exchange the script did not foresee fails the test and gets the most cautious answer
// (Cancel, nothing typed, no file, dialog rejected).
class ScriptedUserInterface final : public ui::UserInterface {
public:
    using ModalScript = std::function<int(QDialog&)>;

    ScriptedUserInterface& answer(ui::Answer answer);
    ScriptedUserInterface& acknowledge();  // an inform
    ScriptedUserInterface& type(std::optional<QString> text);
    ScriptedUserInterface& chooseFile(std::optional<QString> path);
    // The script plays the user inside the dialog and returns its result code.
    ScriptedUserInterface& inDialog(ModalScript script);
    ScriptedUserInterface& openUrlSucceeds(bool succeeds);

    const std::vector<Exchange>& exchanges() const { return exchanges_; }
    // The texts of every exchange, for one-line expectations.
    QStringList texts() const;
    bool scriptUsedUp() const { return script_.empty(); }

    ui::Answer ask(QWidget* parent, const QString& title, const QString& text,
                   ui::Buttons buttons) override;
    void inform(QWidget* parent, const QString& title, const QString& text, ui::Icon icon) override;
    std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& prompt,
                                     const QString& defaultText,
                                     std::optional<QPoint> position) override;
    std::optional<QString> chooseFile(QWidget* parent, const ui::FileChoice& choice) override;
    int runModal(QDialog& dialog) override;
    bool openUrl(const QUrl& url) override;

private:
    using Step =
        std::variant<ui::Answer, std::monostate, std::optional<QString>, ModalScript, bool>;
    struct Scripted {
        Exchange::Kind kind;
        Step step;
    };
    std::optional<Step> next(Exchange::Kind kind, const QString& title, const QString& text);

    std::deque<Scripted> script_;
    std::vector<Exchange> exchanges_;
};

}  // namespace test
