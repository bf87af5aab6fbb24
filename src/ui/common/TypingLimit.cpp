#include "ui/common/TypingLimit.h"

#include <QLineEdit>
#include <algorithm>

namespace ui {

namespace {

const char* const LimitProperty = "typingLimit";

int limitOf(const QLineEdit* edit) {
    return edit->property(LimitProperty).toInt();
}

// Once the user has shortened a long stored value to the limit, the limit holds again.
// setMaxLength sets the text anew, which clears the modified flag and moves the cursor, so both
// are put back.
void tighten(QLineEdit* edit, const QString& text) {
    const int limit = limitOf(edit);
    if (edit->maxLength() <= limit || text.size() > limit)
        return;
    const int cursor = edit->cursorPosition();
    edit->setMaxLength(limit);
    edit->setCursorPosition(cursor);
    edit->setModified(true);
}

}  // namespace

void LimitTyping(QLineEdit* edit, int limit) {
    edit->setProperty(LimitProperty, limit);
    edit->setMaxLength(limit);
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [edit](const QString& text) { tighten(edit, text); });
}

void SetTextWithinLimit(QLineEdit* edit, const QString& text) {
    // A field without a typing limit keeps none: a limit of the empty text's length would cut
    // every value shown after it to nothing.
    if (const int limit = limitOf(edit); limit > 0)
        edit->setMaxLength(std::max(limit, int(text.size())));
    edit->setText(text);
}

}  // namespace ui
