#include "report/Scrambler.h"

namespace report {

namespace {

constexpr int Cycle = 32;

}  // namespace

Scrambler::Scrambler(const QString& password) : key_(password.toUpper().toUtf8()) {}

unsigned char Scrambler::shiftAt(qint64 position) const {
    const unsigned keyByte = static_cast<unsigned char>(key_[position % key_.size()]);
    return static_cast<unsigned char>(keyByte + position % Cycle + 1);
}

void Scrambler::scramble(char* bytes, qsizetype size, qint64 offset) const {
    if (key_.isEmpty())
        return;
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) + shiftAt(offset + i));
}

void Scrambler::unscramble(char* bytes, qsizetype size, qint64 offset) const {
    if (key_.isEmpty())
        return;
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) - shiftAt(offset + i));
}

}  // namespace report
