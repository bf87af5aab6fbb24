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

namespace {

QString withoutCurrency(const QString& text, const QLocale& locale) {
    QString bare = text;
    for (const QLocale::CurrencySymbolFormat format :
         {QLocale::CurrencySymbol, QLocale::CurrencyIsoCode, QLocale::CurrencyDisplayName}) {
        const QString symbol = locale.currencySymbol(format);
        if (!symbol.isEmpty())
            bare.remove(symbol);
    }
    bare.remove(u'$');
    return bare.simplified().remove(u' ');
}

}  // namespace

bool IsNumberText(const QString& text) {
    const QString bare = text.trimmed();
    qsizetype i = 0;
    if (i < bare.size() && (bare[i] == u'-' || bare[i] == u'+'))
        ++i;
    if (i < bare.size() && bare[i] == u'.')
        ++i;
    return bare.isEmpty() || (i < bare.size() && bare[i].unicode() < 128 && bare[i].isDigit());
}

bool IsCostText(const QString& text, const QLocale& locale) {
    const QString bare = withoutCurrency(text, locale);
    bool ok = false;
    locale.toDouble(bare, &ok);
    return ok || IsNumberText(bare);
}

std::optional<db::Currency> CostFromText(const QString& text, const QLocale& locale) {
    const QString bare = withoutCurrency(text, locale);
    bool ok = false;
    const double value = locale.toDouble(bare, &ok);
    return db::Currency::fromAmount(ok ? value : db::LeadingNumber(db::NumericOnly(text)));
}

}  // namespace ui
