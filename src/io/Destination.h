#pragma once

#include <QIODeviceBase>
#include <QString>
#include <memory>

class QFile;
class QFileDevice;
class QSaveFile;

namespace io {

// A file the user named as where a command writes: an export, a report's PDF. A regular file
// (or a new one) is written aside and put in place at commit, so that a failure leaves what was
// there whole. A character device or a pipe (standard output, a terminal) is written through
// and never replaced, and a write it refuses (a full device) is a failure. Anything else there
// (a folder, a block device, a socket, a pipe nothing reads) is refused with a FileError that
// says so, before anything is written.
class DestinationFile {
public:
    // Refuses what cannot be written with a FileError, and the files of the catalogue at
    // cataloguePath, which a command must never write over.
    explicit DestinationFile(const QString& path, const QString& cataloguePath = {});
    ~DestinationFile();
    DestinationFile(const DestinationFile&) = delete;
    DestinationFile& operator=(const DestinationFile&) = delete;

    // Opens a regular file for writing, buffered unless told Unbuffered; false says
    // why in device().errorString(). A stream is open, unbuffered, from the start.
    bool open(QIODeviceBase::OpenMode buffering = QIODeviceBase::NotOpen);
    const QString& path() const { return path_; }
    // Writes go here; a failed one says why in errorString().
    QFileDevice& device();
    bool isStream() const { return stream_ != nullptr; }
    // Whether it is this program's own standard output, where nothing else may then be said.
    bool isStandardOutput() const { return standardOutput_; }
    // Puts a regular file in place; false when that or a write before it failed.
    bool commit();
    // Leaves what was there as it was (a regular file) or stops writing (a stream).
    void cancel();

private:
    QString path_;
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QFile> stream_;
    bool standardOutput_ = false;
};

// Copies the file at source to destination as a DestinationFile writes it; throws FileError
// saying why it could not.
void CopyToDestination(const QString& source, const QString& destination);

// Whether path names the file this program's standard output goes to (/dev/stdout, say).
bool IsStandardOutput(const QString& path);

// Throws FileError when what is at path exists and is not a regular file, naming what it is;
// reading it would not end (a pipe with no writer) or would never give a movie file.
void RequireRegularFile(const QString& path);

// What exists at path when it is not a regular file or a link ("a folder", "a pipe", ...);
// empty for a regular file, a link to one, or nothing.
QString SpecialFileKind(const QString& path);

}  // namespace io
