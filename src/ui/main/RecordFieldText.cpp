#include "ui/main/RecordFieldText.h"

#include "db/TextRoutines.h"

namespace ui {

QString StarsText(double stars) {
    return QLocale::c().toString(stars, 'f', 1);
}

double StarsFromText(const QString& text) {
    return db::LeadingNumber(text);
}

QString WholeNumberText(int value) {
    return value == 0 ? QString() : QString::number(value);
}

int WholeNumberFromText(const QString& text) {
    return db::LeadingWholeNumber(text);
}

QString CostText(db::Currency cost, const QLocale& locale) {
    return locale.toCurrencyString(cost.toDouble());
}

std::optional<db::Currency> CostFromText(const QString& text, const QLocale& locale) {
    QString bare = text;
    for (const QLocale::CurrencySymbolFormat format :
         {QLocale::CurrencySymbol, QLocale::CurrencyIsoCode, QLocale::CurrencyDisplayName}) {
        const QString symbol = locale.currencySymbol(format);
        if (!symbol.isEmpty())
            bare.remove(symbol);
    }
    bare.remove(u'$');
    bare = bare.simplified().remove(u' ');
    bool ok = false;
    const double value = locale.toDouble(bare, &ok);
    return db::Currency::fromAmount(ok ? value : db::LeadingNumber(db::NumericOnly(text)));
}

}  // namespace ui
