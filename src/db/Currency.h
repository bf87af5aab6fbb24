#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

namespace db {

// A money amount in whole ten-thousandths, so that sums of costs are exact.
class Currency {
public:
    constexpr Currency() = default;
    static constexpr Currency fromTenThousandths(qint64 value) { return Currency(value); }
    // Rounds to the nearest ten-thousandth; the value must be one that fromAmount accepts.
    static Currency fromDouble(double value);
    // The amount rounded to the nearest ten-thousandth, or nothing when the number is not an
    // amount the type can hold (NaN, infinite, beyond +-922,337,203,685,477.5807).
    static std::optional<Currency> fromAmount(double value);

    constexpr qint64 tenThousandths() const { return value_; }
    double toDouble() const { return static_cast<double>(value_) / 10000.0; }
    // The bare number: "." as separator, no grouping, no trailing zeros ("14.99", "12.5", "0").
    QString toPlainText() const;

    constexpr Currency operator+(Currency other) const { return Currency(value_ + other.value_); }
    constexpr Currency& operator+=(Currency other) {
        value_ += other.value_;
        return *this;
    }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(qint64 value) : value_(value) {}
    qint64 value_ = 0;
};

}  // namespace db
