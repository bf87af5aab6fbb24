#pragma once

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

namespace test {

// poppler's tools read the PDF files the program writes; tests skip when they are missing.
inline bool HavePdfTools() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// The page count pdfinfo reads, or -1 when it cannot read the file.
inline int PdfPageCount(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                           .match(QString::fromUtf8(info.readAllStandardOutput()));
    return info.exitCode() == 0 && match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The text pdftotext reads from the PDF, laid out as on the page.
inline QString PdfText(const QString& pdf) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// One page of the PDF as poppler draws it at 96 dots per inch.
inline QImage PdfPageImage(const QString& pdf, int page) {
    QTemporaryDir folder;
    const QString base = folder.filePath(QStringLiteral("page"));
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-f"),
                       QString::number(page), QStringLiteral("-l"), QString::number(page),
                       QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

}  // namespace test
