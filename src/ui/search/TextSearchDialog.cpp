#include "ui/search/TextSearchDialog.h"

#include "db/TextRoutines.h"
#include "settings/Settings.h"
#include "ui/common/ErrorReport.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

TextSearchDialog::TextSearchDialog(const TextSearchKind& kind, const SearchDialogContext& context)
    : SearchDialog(context, kind.formName, kind.caption, kind.help),
      kind_(kind),
      lookup_(kind.type == db::SearchType::Actor      ? context.lookupActor
              : kind.type == db::SearchType::Location ? context.lookupLocation
                                                      : nullptr) {
    auto* label = new QLabel(QCoreApplication::translate("ui::SearchDialog", kind.label), this);
    label->setObjectName(QString::fromLatin1(kind.labelName));
    input_ = new QLineEdit(this);
    input_->setObjectName(QString::fromLatin1(kind.inputName));
    label->setBuddy(input_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(input_, 0, 1);
    QWidget* last = input_;
    if (kind.lookupCaption != nullptr) {
        auto* cmdLookup = new QPushButton(
            QCoreApplication::translate("ui::SearchDialog", kind.lookupCaption), this);
        cmdLookup->setObjectName(QStringLiteral("cmdLookup"));
        cmdLookup->setAutoDefault(false);  // Enter in the text box searches
        cmdLookup->setEnabled(static_cast<bool>(lookup_));
        connect(cmdLookup, &QPushButton::clicked, this, &TextSearchDialog::lookup);
        layout->addWidget(cmdLookup, 0, 2);
        setTabOrder(input_, cmdLookup);
        last = cmdLookup;
    }
    layout->addWidget(lblHelp, 1, 0, 1, -1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSearch);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons, 2, 0, 1, -1);
    layout->setColumnStretch(1, 1);
    setTabOrder(last, cmdSearch);
    setTabOrder(cmdSearch, cmdCancel);
    setMinimumWidth(420);

    input_->setText(context.settings.value(kind.settingsKey));
    input_->selectAll();
    input_->setFocus();
}

QWidget& TextSearchDialog::input() {
    return *input_;
}

bool TextSearchDialog::refusesEmpty(const QString& text) const {
    if (kind_.rule == InputRule::MovieNumber)
        return db::LeadingNumber(text) <= 0;
    return text.trimmed().isEmpty();
}

db::ActiveSearch TextSearchDialog::candidate(const QString& text) const {
    db::ActiveSearch result = context_.search;  // the other kinds keep their criteria
    result.type = kind_.type;
    if (kind_.rule == InputRule::MovieNumber)
        result.movieId = db::LeadingWholeNumber(text);
    else
        result.*kind_.criterion = text;
    return result;
}

void TextSearchDialog::runSearch() {
    if (kind_.rule == InputRule::MovieNumber)
        input_->setText(db::NumericOnly(input_->text()));
    if (refusesEmpty(input_->text())) {
        refuse(QCoreApplication::translate("ui::SearchDialog", kind_.emptyMessage));
        return;
    }
    if (kind_.rule == InputRule::EnclosedInStars)
        input_->setText(EncloseInStars(input_->text()));
    const QString text = input_->text();
    // Saved before the test, so that an input that finds nothing is offered again.
    context_.settings.setValue(QString::fromLatin1(kind_.settingsKey), text);
    activateIfAnyMatch(
        candidate(text),
        QCoreApplication::translate("ui::SearchDialog", kind_.noMatchMessage).arg(text));
}

void TextSearchDialog::lookup() {
    RunCommand(context_.ui, this, [this] { lookup_(*input_); });
    input_->setFocus();
}

}  // namespace ui
