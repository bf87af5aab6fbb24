#include "io/Destination.h"

#include "db/CatalogueFiles.h"
#include "io/MovieFileError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace io {

namespace {

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return QCoreApplication::translate("io::Destination", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("io::Destination", "a pipe");
    if (S_ISCHR(mode))
        return QCoreApplication::translate("io::Destination", "a character device");
    if (S_ISBLK(mode))
        return QCoreApplication::translate("io::Destination", "a block device");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("io::Destination", "a socket");
    return QCoreApplication::translate("io::Destination", "not a regular file");
}

bool isStreamMode(mode_t mode) {
    return S_ISCHR(mode) || S_ISFIFO(mode);
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Opened without waiting: a pipe that nothing reads from is refused rather than waited on.
int openStream(const QString& path) {
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        if (errno == ENXIO)
            throw FileError(
                QCoreApplication::translate("io::Destination",
                                            "'%1' is a pipe that nothing reads from; nothing "
                                            "has been written.")
                    .arg(path));
        throw FileError(QCoreApplication::translate("io::Destination",
                                                    "'%1' could not be opened for writing: %2.")
                            .arg(path, systemReason()));
    }
    struct stat opened {};
    if (fstat(handle, &opened) != 0 || !isStreamMode(opened.st_mode) ||
        fcntl(handle, F_SETFL, fcntl(handle, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(handle);
        throw FileError(
            QCoreApplication::translate("io::Destination",
                                        "'%1' changed while it was being opened; nothing has been "
                                        "written.")
                .arg(path));
    }
    return handle;
}

}  // namespace

bool IsStandardOutput(const QString& path) {
    struct stat found {};
    struct stat output {};
    return stat(QFile::encodeName(path).constData(), &found) == 0 &&
           fstat(STDOUT_FILENO, &output) == 0 && sameFile(found, output);
}

QString SpecialFileKind(const QString& path) {
    struct stat found {};
    if (stat(QFile::encodeName(path).constData(), &found) != 0 || S_ISREG(found.st_mode))
        return QString();
    return kindOf(found.st_mode);
}

void RequireRegularFile(const QString& path) {
    const QString kind = SpecialFileKind(path);
    if (!kind.isEmpty())
        throw FileError(QCoreApplication::translate("io::Destination", "'%1' is %2, not a file.")
                            .arg(path, kind));
}

DestinationFile::DestinationFile(const QString& path, const QString& cataloguePath) : path_(path) {
    if (!cataloguePath.isEmpty() && db::IsCatalogueFile(path, cataloguePath))
        throw FileError(
            QCoreApplication::translate("io::Destination",
                                        "'%1' is the catalogue's own file; it has been left as it "
                                        "is. Name another file.")
                .arg(path));
    struct stat found {};
    const bool exists = stat(QFile::encodeName(path).constData(), &found) == 0;
    standardOutput_ = exists && IsStandardOutput(path);
    if (exists && !S_ISREG(found.st_mode) && !isStreamMode(found.st_mode))
        throw FileError(QCoreApplication::translate(
                            "io::Destination", "'%1' is %2, not a file; it has been left as it is.")
                            .arg(path, kindOf(found.st_mode)));
    if (exists && (isStreamMode(found.st_mode) || standardOutput_)) {
        // Standard output sent to a file is written where the shell opened it, not replaced.
        const int handle = standardOutput_ ? ::dup(STDOUT_FILENO) : openStream(path);
        if (handle < 0)
            throw FileError(QCoreApplication::translate("io::Destination",
                                                        "'%1' could not be opened for writing: %2.")
                                .arg(path, systemReason()));
        stream_ = std::make_unique<QFile>();
        if (!stream_->open(handle, QIODevice::WriteOnly | QIODevice::Unbuffered,
                           QFileDevice::AutoCloseHandle)) {
            ::close(handle);
            throw FileError(QCoreApplication::translate("io::Destination",
                                                        "'%1' could not be opened for writing: %2.")
                                .arg(path, stream_->errorString()));
        }
        return;
    }
    file_ = std::make_unique<QSaveFile>(path);
}

bool DestinationFile::open(QIODeviceBase::OpenMode buffering) {
    return stream_ || file_->open(QIODevice::WriteOnly | buffering);
}

DestinationFile::~DestinationFile() = default;

QFileDevice& DestinationFile::device() {
    if (stream_)
        return *stream_;
    return *file_;
}

bool DestinationFile::commit() {
    if (!stream_)
        return file_->commit();
    // Unbuffered: every write has been handed over, or has failed and kept its reason.
    if (stream_->error() != QFileDevice::NoError)
        return false;
    stream_->close();
    return true;
}

void DestinationFile::cancel() {
    if (stream_)
        stream_->close();
    else
        file_->cancelWriting();
}

void CopyToDestination(const QString& source, const QString& destination) {
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        throw FileError(
            QCoreApplication::translate("io::Destination", "'%1' could not be read: %2.")
                .arg(source, from.errorString()));
    DestinationFile to(destination);
    const auto failed = [&] {
        return FileError(
            QCoreApplication::translate("io::Destination", "'%1' could not be written: %2.")
                .arg(destination, to.device().errorString()));
    };
    if (!to.open())
        throw failed();
    while (!from.atEnd()) {
        const QByteArray piece = from.read(1 << 20);
        if (piece.isEmpty() && from.error() != QFileDevice::NoError)
            throw FileError(
                QCoreApplication::translate("io::Destination", "'%1' could not be read: %2.")
                    .arg(source, from.errorString()));
        if (to.device().write(piece) != piece.size())
            throw failed();
    }
    if (!to.commit())
        throw failed();
}

}  // namespace io
