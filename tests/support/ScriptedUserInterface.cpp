#include "support/ScriptedUserInterface.h"

#include <gtest/gtest.h>
#include <QUrl>

namespace test {

namespace {

// In the order of Exchange::Kind.
const char* const KindNames[] = {"a question",    "a message", "an input box",
                                 "a file dialog", "a dialog",  "a web address"};

}  // namespace

ScriptedUserInterface& ScriptedUserInterface::answer(ui::Answer answer) {
    script_.push_back({Exchange::Kind::Ask, answer});
    return *this;
}

ScriptedUserInterface& ScriptedUserInterface::acknowledge() {
    script_.push_back({Exchange::Kind::Inform, std::monostate{}});
    return *this;
}

ScriptedUserInterface& ScriptedUserInterface::type(std::optional<QString> text) {
    script_.push_back({Exchange::Kind::Input, std::move(text)});
    return *this;
}

ScriptedUserInterface& ScriptedUserInterface::chooseFile(std::optional<QString> path) {
    script_.push_back({Exchange::Kind::File, std::move(path)});
    return *this;
}

ScriptedUserInterface& ScriptedUserInterface::inDialog(ModalScript script) {
    script_.push_back({Exchange::Kind::Modal, std::move(script)});
    return *this;
}

ScriptedUserInterface& ScriptedUserInterface::openUrlSucceeds(bool succeeds) {
    script_.push_back({Exchange::Kind::Url, succeeds});
    return *this;
}

QStringList ScriptedUserInterface::texts() const {
    QStringList result;
    for (const Exchange& exchange : exchanges_)
        result.append(exchange.text);
    return result;
}

std::optional<ScriptedUserInterface::Step> ScriptedUserInterface::next(Exchange::Kind kind,
                                                                       const QString& title,
                                                                       const QString& text) {
    exchanges_.push_back({kind, title, text});
    if (script_.empty() || script_.front().kind != kind) {
        ADD_FAILURE() << "Unscripted " << KindNames[int(kind)] << ": \"" << title.toStdString()
                      << "\" " << text.toStdString();
        return std::nullopt;
    }
    Step step = std::move(script_.front().step);
    script_.pop_front();
    return step;
}

ui::Answer ScriptedUserInterface::ask(QWidget*, const QString& title, const QString& text,
                                      ui::Buttons) {
    auto step = next(Exchange::Kind::Ask, title, text);
    return step ? std::get<ui::Answer>(*step) : ui::Answer::Cancel;
}

void ScriptedUserInterface::inform(QWidget*, const QString& title, const QString& text, ui::Icon) {
    next(Exchange::Kind::Inform, title, text);
}

std::optional<QString> ScriptedUserInterface::inputText(QWidget*, const QString& title,
                                                        const QString& prompt, const QString&,
                                                        std::optional<QPoint>) {
    auto step = next(Exchange::Kind::Input, title, prompt);
    return step ? std::get<std::optional<QString>>(*step) : std::nullopt;
}

std::optional<QString> ScriptedUserInterface::chooseFile(QWidget*, const ui::FileChoice& choice) {
    auto step = next(Exchange::Kind::File, choice.title, choice.proposedFile);
    return step ? std::get<std::optional<QString>>(*step) : std::nullopt;
}

int ScriptedUserInterface::runModal(QDialog& dialog) {
    auto step = next(Exchange::Kind::Modal, dialog.windowTitle(), dialog.objectName());
    if (!step)
        return QDialog::Rejected;
    dialog.setModal(true);
    dialog.show();
    const int result = std::get<ModalScript>(*step)(dialog);
    dialog.hide();
    return result;
}

bool ScriptedUserInterface::openUrl(const QUrl& url) {
    auto step = next(Exchange::Kind::Url, QString(), url.toString());
    return step ? std::get<bool>(*step) : false;
}

}  // namespace test
