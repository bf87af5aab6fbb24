#include "report/SpoolWriter.h"

#include "report/PageGeometry.h"
#include "report/PrintingProgress.h"
#include "report/Report.h"
#include "report/ReportError.h"
#include "report/SpoolFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <charconv>

namespace report {

namespace {

// The progress window repaints and hears Cancel this often, not on every line: a hundred
// thousand rows must not wait for the window system.
constexpr int EventInterval = 50;  // ms
constexpr int UnmeasuredLineHeight = 250;
// A page breaks when a line would reach this far above its bottom.
constexpr int BottomReserve = 2000;
// A column whose next tab is right-aligned ends this far before that tab.
constexpr double RightColumnGap = 0.75;
// Columns come from decimal inches; a text as wide as its column must not lose a letter to the
// rounding of that arithmetic.
constexpr double WidthTolerance = 1e-6;  // twips
constexpr qsizetype FlushSize = 256 * 1024;
constexpr int MaxNameSteps = 65536;

QString slashDate(const QDateTime& when) {
    return when.toString(QStringLiteral("MM/dd/yyyy"));
}

// Line breaks of any kind shown as blanks, so that a text stays on its one line.
QString withBreaksAsBlanks(QString text) {
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

QString withoutTrailingBlanks(QString text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    text.truncate(end);
    return text;
}

}  // namespace

SpoolWriter::SpoolWriter(QString spoolFolder)
    : folder_(std::move(spoolFolder)), clock_([] { return QDateTime::currentDateTime(); }) {}

SpoolWriter::~SpoolWriter() {
    AbandonReport();
}

QDateTime SpoolWriter::now() const {
    return clock_();
}

QString SpoolWriter::candidateName(const QString& extension, int step) const {
    const QTime time = now().time();
    const int seconds = time.hour() * 3600 + time.minute() * 60 + time.second() + step;
    return QStringLiteral("%1/%2.%3")
        .arg(folder_)
        .arg(seconds, 8, 10, QLatin1Char('0'))
        .arg(extension);
}

QString SpoolWriter::GetSpoolFileName(const QString& extension) const {
    QDir().mkpath(folder_);
    for (int step = 0; step < MaxNameSteps; ++step) {
        const QString name = candidateName(extension, step);
        if (!QFileInfo::exists(name))
            return name;
    }
    return QString();
}

void SpoolWriter::openSpoolFile() {
    if (!QDir().mkpath(folder_))
        throw ReportError(tr("The folder for reports, '%1', could not be made.").arg(folder_));
    // Each name is claimed as it is opened, so that no other file is ever written over.
    for (int step = 0; step < MaxNameSteps; ++step) {
        auto file = std::make_unique<QFile>(candidateName(QStringLiteral("tmp"), step));
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            fileName_ = file->fileName();
            file_ = std::move(file);
            return;
        }
        if (!file->exists())
            throw ReportError(tr("The report could not be written to '%1': %2.")
                                  .arg(file->fileName(), file->errorString()));
    }
    throw ReportError(tr("The folder for reports, '%1', has no free file name left.").arg(folder_));
}

void SpoolWriter::BeginReport(Report& report, int orientation, int paperSize,
                              const QString& password) {
    if (isWriting())
        throw ReportError(ReportBusyMessage());
    orientation_ = orientation == static_cast<int>(Orientation::Landscape) ? 2 : 1;
    paperSize_ = paperSize == static_cast<int>(PaperSize::Legal) ? 2 : 1;
    scrambler_ = Scrambler(password);
    cancelled_ = false;
    pageNumber_ = 1;
    pageOffsets_ = {1};
    finishedFile_.clear();
    buffer_.clear();
    written_ = 0;
    openSpoolFile();
    report_ = &report;

    const QDateTime started = now();
    const QString header[] = {
        QString::fromLatin1(spool::Version),
        QString::number(spool::FormatVersion),
        QString::fromLatin1(spool::ReportName),
        report.Name(),
        QString::fromLatin1(spool::CreatedBy),
        QString::fromLatin1(spool::CreatorName),
        QString::fromLatin1(spool::CreateDate),
        slashDate(started),
        QString::fromLatin1(spool::CreateTime),
        started.toString(QStringLiteral("HH:mm:ss")),
        QString::fromLatin1(spool::Note),
        QString(),
        QString::fromLatin1(spool::OrientationWord),
        QString::number(orientation_),
        QString::fromLatin1(spool::PaperSizeWord),
        QString::number(paperSize_),
        QString::fromLatin1(spool::BeginningOfReport),
    };
    for (const QString& line : header)
        WriteSpoolLine(line);

    pageHeight_ =
        LayoutOf(static_cast<PaperSize>(paperSize_), static_cast<Orientation>(orientation_))
            .breakHeight;
    currentHeight_ = 0;
    if (progress_)
        progress_->ShowProgress(tr("Building Report"), PageText(report.Name(), 1), true);
    sinceEvents_.start();
    ResetTabs();
    report.PrintHeading();
}

void SpoolWriter::EndReport() {
    if (!isWriting())
        return;
    if (progress_)
        progress_->CloseProgress();
    writeLine(spool::EndOfReport);
    writeLine(spool::PageByteOffsets, false);
    writeLine(QByteArray::number(pageOffsets_.size()), false);
    for (qint64 offset : pageOffsets_)
        writeLine(QByteArray::number(offset), false);
    flush();
    file_->close();
    if (file_->error() != QFileDevice::NoError)
        fail(file_->errorString());
    file_.reset();
    report_ = nullptr;
    if (cancelled_)
        QFile::remove(fileName_);
    else
        finishedFile_ = fileName_;
}

void SpoolWriter::AbandonReport() {
    if (!isWriting())
        return;
    if (progress_)
        progress_->CloseProgress();
    closeAndRemove();
}

void SpoolWriter::closeAndRemove() {
    if (file_) {
        file_->close();
        file_->remove();
        file_.reset();
    }
    buffer_.clear();
    report_ = nullptr;
}

void SpoolWriter::fail(const QString& reason) {
    const QString name = fileName_;
    AbandonReport();
    throw ReportError(tr("The report could not be written to '%1': %2.").arg(name, reason));
}

void SpoolWriter::flush() {
    if (buffer_.isEmpty())
        return;
    if (file_->write(buffer_) != buffer_.size())
        fail(file_->errorString());
    buffer_.clear();
}

void SpoolWriter::writeLine(QByteArrayView line, bool scramble) {
    const qsizetype start = buffer_.size();
    buffer_.append(line);
    endLine(start, scramble);
}

void SpoolWriter::endLine(qsizetype start, bool scramble) {
    buffer_.append("\r\n", 2);
    const qsizetype size = buffer_.size() - start;
    if (scramble)
        scrambler_.scramble(buffer_.data() + start, size, written_);
    written_ += size;
    if (buffer_.size() >= FlushSize)
        flush();
}

void SpoolWriter::writeNumber(double value) {
    writeLine(spool::NumberText(value));
}

void SpoolWriter::writeNumber(int value) {
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    writeLine(QByteArrayView(digits, written.ptr - digits));
}

void SpoolWriter::WriteSpoolLine(const QString& text) {
    // Encoded straight into the buffer: a report writes millions of these lines.
    const qsizetype start = buffer_.size();
    buffer_.resize(start + utf8_.requiredSpace(text.size()));
    char* end = utf8_.appendToBuffer(buffer_.data() + start, text);
    buffer_.truncate(end - buffer_.constData());
    endLine(start, true);
}

void SpoolWriter::letEventsRun() {
    if (!progress_ || sinceEvents_.elapsed() < EventInterval)
        return;
    if (pageHeight_ > 0)
        progress_->ShowPercent(static_cast<int>(100.0 * currentHeight_ / pageHeight_));
    progress_->LetEventsRun();
    if (progress_->cancelRequested())
        cancelled_ = true;
    sinceEvents_.restart();
}

void SpoolWriter::NewLine() {
    if (lineHeight_ == 0)
        lineHeight_ = UnmeasuredLineHeight;
    currentHeight_ += lineHeight_;
    letEventsRun();
    if (currentHeight_ > pageHeight_ - BottomReserve)
        NewPage();
    writeLine(spool::CarriageReturn);
}

void SpoolWriter::NewPage() {
    ++pageNumber_;
    if (progress_)
        progress_->ShowPage(PageText(report_->Name(), pageNumber_));
    writeLine(spool::NewPage);
    writeNumber(pageNumber_);
    // 1-based: the byte after the page number's line, where the new page's first command is.
    pageOffsets_.append(written_ + 1);
    currentHeight_ = 0;
    report_->PrintHeading();
}

void SpoolWriter::SetFont(double size, const QString& name, int style) {
    if (name != fontName_ || size != fontSize_) {
        writeLine(spool::Font);
        writeNumber(size);
        WriteSpoolLine(name);
        writeNumber(style);
    } else if (style == NormalStyle) {
        writeLine(spool::Normal);
    } else if (style == BoldStyle) {
        writeLine(spool::Bold);
    } else if (style == ItalicStyle) {
        writeLine(spool::Italics);
    }
    SpoolFont font;
    font.name = name;
    font.size = size;
    font.setStyle(style);
    metrics_.setFont(font);
    lineHeight_ = metrics_.lineHeight();
    fontName_ = name;
    fontSize_ = size;
    fontStyle_ = style;
}

void SpoolWriter::SetTab(int tab, double position, int alignment) {
    if (!TabStops::exists(tab))
        return;
    tabs_.position[tab] = position;
    tabs_.alignment[tab] = alignment;
    writeLine(spool::SetTab);
    writeNumber(tab);
    writeNumber(position);
    writeNumber(alignment);
}

void SpoolWriter::ResetTabs() {
    tabs_.reset();
    writeLine(spool::ResetTabs);
}

void SpoolWriter::PrintBox(double x1, double y1, double x2, double y2, int width) {
    writeLine(spool::Box);
    for (double value : {x1, y1, x2, y2})
        writeNumber(value);
    writeNumber(width);
}

void SpoolWriter::PrintLineAbove(int tab, double length, int width) {
    writeLine(spool::LineAbove);
    writeNumber(tab);
    writeNumber(length);
    writeNumber(width);
}

void SpoolWriter::PrintPicture(int x, int y, int width, int height, const QByteArray& encoded) {
    const QByteArray data = encoded.toBase64();
    const qsizetype lines = (data.size() + spool::PictureLineLength - 1) / spool::PictureLineLength;
    if (lines == 0 || lines > spool::MaxPictureLines)
        return;  // more than any reader takes: a thumbnail is a few lines
    writeLine(spool::Picture);
    for (int value : {x, y, width, height, int(lines)})
        writeNumber(value);
    for (qsizetype start = 0; start < data.size(); start += spool::PictureLineLength)
        writeLine(QByteArrayView(data).sliced(
            start, qMin<qsizetype>(spool::PictureLineLength, data.size() - start)));
}

void SpoolWriter::ScreenOnly() {
    writeLine(spool::ScreenOnly);
}

double SpoolWriter::columnLimit(int tab) const {
    if (!TabStops::exists(tab) || !TabStops::exists(tab + 1))
        return 0;
    const double here = tabs_.position[tab];
    const double next = tabs_.position[tab + 1];
    if (next <= here || tabs_.alignment[tab] != static_cast<int>(Alignment::Left))
        return 0;
    if (tabs_.alignment[tab + 1] == static_cast<int>(Alignment::Left))
        return (next - here) * TwipsPerInch;
    if (tabs_.alignment[tab + 1] == static_cast<int>(Alignment::Right))
        return (next - here - RightColumnGap) * TwipsPerInch;
    return 0;
}

void SpoolWriter::PrintText(const QString& value, int tab, int style) {
    const int rememberedStyle = fontStyle_;
    if (style > 0)
        SetFont(fontSize_, fontName_, style);
    QString rest = withBreaksAsBlanks(withoutTrailingBlanks(value));
    const double limit = columnLimit(tab);
    for (;;) {
        writeLine(spool::Text);
        QString text = std::move(rest);
        rest.clear();
        if (limit >= 1) {
            const qsizetype kept = metrics_.fittingLength(text, limit + WidthTolerance);
            if (kept > 0)
                rest = text.mid(kept);
            text.truncate(kept);
        }
        WriteSpoolLine(text);
        writeNumber(tab);
        letEventsRun();
        if (style != NormalStyle || limit < 1 || withoutTrailingBlanks(rest).isEmpty())
            break;
        NewLine();
    }
    if (style > 0)
        SetFont(fontSize_, fontName_, rememberedStyle);
}

void SpoolWriter::PrintWholeText(const QString& value, int tab) {
    writeLine(spool::Text);
    WriteSpoolLine(withBreaksAsBlanks(withoutTrailingBlanks(value)));
    writeNumber(tab);
    letEventsRun();
}

void SpoolWriter::PrintPageHeading() {
    const PageLayout layout =
        LayoutOf(static_cast<PaperSize>(paperSize_), static_cast<Orientation>(orientation_));
    const QString fontName = QString::fromLatin1(ReportFontName);
    ScreenOnly();
    PrintBox(0, 0, layout.frameRight, layout.frameBottom, 1);
    SetTab(1, layout.leftTab, static_cast<int>(Alignment::Left));
    SetTab(2, layout.centreTab, static_cast<int>(Alignment::Centred));
    SetTab(3, layout.rightTab, static_cast<int>(Alignment::Right));
    SetFont(ReportFontSize, fontName, NormalStyle);
    NewLine();
    PrintText(tr("Database: %1").arg(databaseName_), 1);
    SetFont(ReportFontSize, fontName, BoldStyle);
    PrintText(report_->Name(), 2);
    SetFont(ReportFontSize, fontName, NormalStyle);
    PrintText(tr("Page %1").arg(pageNumber_), 3);
    NewLine();
    PrintText(slashDate(now()), 3);
    NewLine();
    ResetTabs();
}

}  // namespace report
