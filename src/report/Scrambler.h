#pragma once

#include <QByteArray>
#include <QString>

namespace report {

// Protects a spool file with a password. Every byte before the page index is shifted by the
// password's byte and by a count from 1 to 32, both chosen by the byte's position in the file,
// modulo 256; so a reader can start anywhere, and every password and text comes back whole. The
// line ends are shifted too, or a shifted byte could pass for one.
class Scrambler {
public:
    // An empty password leaves the bytes as they are.
    explicit Scrambler(const QString& password = {});

    bool isActive() const { return !key_.isEmpty(); }
    // Bytes that start at the 0-based position offset of the file.
    void scramble(char* bytes, qsizetype size, qint64 offset) const;
    void unscramble(char* bytes, qsizetype size, qint64 offset) const;

private:
    unsigned char shiftAt(qint64 position) const;

    QByteArray key_;
};

}  // namespace report
