#pragma once

class QLineEdit;
class QString;

namespace ui {

// An input limit on what the user types, never on what the program shows. setMaxLength alone
// also cuts setText, and a value cut on screen is a value cut at the next save; so a longer
// stored value widens the limit while it is there: it is shown whole and can be shortened, and
// once the user has shortened it the limit holds again.
void LimitTyping(QLineEdit* edit, int limit);
// Shows a stored value whole in a field limited by LimitTyping.
void SetTextWithinLimit(QLineEdit* edit, const QString& text);

}  // namespace ui
