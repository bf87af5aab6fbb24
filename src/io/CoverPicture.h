#pragma once

#include "db/MoviePictures.h"

#include <QString>

class QImage;

namespace io {

// The largest picture file that is read at all, and the largest picture it may claim to be.
inline constexpr qint64 MaximumPictureFileBytes = 50 * 1024 * 1024;
inline constexpr int MaximumPictureSide = 20000;
inline constexpr qint64 MaximumPicturePixels = 80'000'000;
// What is stored: the picture's long side at most this, and a thumbnail's.
inline constexpr int StoredPictureSide = 1000;
inline constexpr int ThumbnailSide = 200;

// A picture made ready to store, or the reason it cannot be, in words for the user.
struct PreparedPicture {
    db::PictureData data;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Reads a picture file or bytes (from a drop or the clipboard) and makes the stored copies: the
// size is read before anything is decoded, decoding is held to an allocation limit, and a
// truncated JPEG is refused rather than stored half grey. sourceName names the input in messages.
PreparedPicture PrepareCoverPicture(const QString& path);
PreparedPicture PrepareCoverPicture(const QByteArray& bytes, const QString& sourceName);
// A picture already decoded (an image on the clipboard).
PreparedPicture PrepareCoverPicture(const QImage& image);

// The file name suffix of an encoded picture, "jpg" or "png", from its first bytes; empty for
// anything else.
QString StoredPictureFormat(const QByteArray& bytes);

}  // namespace io
