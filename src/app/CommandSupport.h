#pragma once

#include "db/Catalogue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <memory>

class QTemporaryDir;

namespace app {

struct Invocation;

// One line of a command's output, flushed at once.
void say(FILE* stream, const QString& text);

// A line of progress on a terminal, rewritten in place a few times a second; nothing when
// standard error is not a terminal.
class TerminalProgress {
public:
    TerminalProgress();
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;
    void show(const QString& text);

private:
    bool shown_;
    bool drawn_ = false;
    QElapsedTimer clock_;
};

// The catalogue a command works on. A writer holds the catalogue's lock and brings an older
// file up to date; a reader opens it read-only, without the lock, beside a window that may
// have it open.
class OpenCatalogue {
    Q_DECLARE_TR_FUNCTIONS(app::OpenCatalogue)

public:
    enum class Purpose { Read, Write };

    OpenCatalogue(const Invocation& invocation, Purpose purpose);
    db::Catalogue& catalogue() { return catalogue_; }
    db::Connection& connection() { return catalogue_.connection(); }

private:
    db::Catalogue catalogue_;
};

// Where a command writes a report's spool file: the catalogue's Temp folder or, where that
// cannot be written (a read-only catalogue folder, a full disk), a temporary folder of the system's
// that goes when the command ends.
class ReportSpoolFolder {
public:
    explicit ReportSpoolFolder(const QString& catalogueFolder);
    ~ReportSpoolFolder();
    ReportSpoolFolder(const ReportSpoolFolder&) = delete;
    ReportSpoolFolder& operator=(const ReportSpoolFolder&) = delete;
    const QString& path() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QTemporaryDir> elsewhere_;
};

}  // namespace app
