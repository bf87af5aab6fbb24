#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QString>
#include <optional>

namespace report {

// The style numbers of the spool file.
enum FontStyle { NormalStyle = 1, BoldStyle = 2, ItalicStyle = 3 };

inline constexpr char ReportFontName[] = "Times New Roman";
inline constexpr double ReportFontSize = 10;

// A font as a spool file selects it; underline and strike-through are always off.
struct SpoolFont {
    QString name = QString::fromLatin1(ReportFontName);
    double size = ReportFontSize;  // points
    bool bold = false;
    bool italic = false;

    void setStyle(int style) {
        bold = style == BoldStyle;
        italic = style == ItalicStyle;
    }
    QFont toQFont() const;
    bool operator==(const SpoolFont&) const = default;
};

// Text measured as the preview's page surface shows it: at 96 dots per inch, in twips. The
// writer cuts its columns with it and the preview aligns with it, so both agree. Text is set
// without kerning, as the drawing does it, so that a text is as wide as its letters: most texts
// are then measured from a table of letter widths instead of being laid out.
class ScreenMetrics {
public:
    ScreenMetrics();
    void setFont(const SpoolFont& font);
    const SpoolFont& font() const { return font_; }
    double width(const QString& text);
    // How many characters of the text fit in the width (twips): the longest beginning that is
    // no wider, never ending inside a character.
    qsizetype fittingLength(const QString& text, double width);
    // The height of "X": the line height of the font.
    int lineHeight() const;

private:
    // The width of a letter in pixels, or -1 for one that needs laying out with its neighbours
    // (marks, joining scripts, controls).
    double letterWidth(QChar letter);
    double laidOutWidth(const QString& text) const;

    QImage surface_;
    SpoolFont font_;
    std::optional<QFontMetricsF> metrics_;
    QHash<QString, QHash<char16_t, double>> letterWidths_;  // by font
    QHash<char16_t, double>* currentWidths_ = nullptr;
};

// Letters whose width does not depend on their neighbours once kerning is off: Latin, Greek,
// Cyrillic, general punctuation and currency signs, without combining marks and controls.
bool StandsAlone(char32_t letter);

// Twips from a length on a device of that many dots per inch, and back.
inline double DeviceToTwips(double length, double dpi) {
    return length * 1440.0 / dpi;
}
inline double TwipsToDevice(double twips, double dpi) {
    return twips * dpi / 1440.0;
}

}  // namespace report
