#include "io/CoverPicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

namespace io {

namespace {

// Enough for the largest picture that passes the size check, decoded at four bytes a pixel.
constexpr int AllocationLimitMegabytes = 320;
constexpr int JpegQuality = 90;

PreparedPicture refused(const QString& text) {
    PreparedPicture prepared;
    prepared.error = text;
    return prepared;
}

QString megabytes(qint64 bytes) {
    return QString::number(double(bytes) / (1024 * 1024), 'f', 1);
}

// Entropy-coded data cannot hold the end marker, so a JPEG whose last scan has no end after it
// was cut off. The decoder would fill the missing part with grey and call it a success.
bool isCutOffJpeg(const QByteArray& bytes) {
    const qsizetype lastScan = bytes.lastIndexOf(QByteArrayLiteral("\xFF\xDA"));
    const qsizetype lastEnd = bytes.lastIndexOf(QByteArrayLiteral("\xFF\xD9"));
    return lastEnd < 0 || lastEnd < lastScan;
}

bool hasTransparency(const QImage& image) {
    if (!image.hasAlphaChannel())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) < 255)
                return true;
        }
    }
    return false;
}

QImage withinSide(const QImage& image, int side) {
    if (image.width() <= side && image.height() <= side)
        return image;
    return image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QByteArray encoded(const QImage& image, const QString& format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format.toLatin1());
    if (format == QLatin1String("jpg"))
        writer.setQuality(JpegQuality);
    if (!writer.write(image))
        return {};
    return bytes;
}

}  // namespace

PreparedPicture PrepareCoverPicture(const QImage& source) {
    if (source.isNull())
        return refused(
            QCoreApplication::translate("io::CoverPicture", "There is no picture to store."));
    const bool transparent = hasTransparency(source);
    const QString format = transparent ? QStringLiteral("png") : QStringLiteral("jpg");
    QImage picture = withinSide(source, StoredPictureSide);
    if (!transparent)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    PreparedPicture prepared;
    prepared.data.picture = encoded(picture, format);
    prepared.data.thumbnail = encoded(withinSide(picture, ThumbnailSide), format);
    prepared.data.width = picture.width();
    prepared.data.height = picture.height();
    prepared.data.format = format;
    if (prepared.data.picture.isEmpty() || prepared.data.thumbnail.isEmpty())
        return refused(QCoreApplication::translate("io::CoverPicture",
                                                   "The picture could not be stored as %1.")
                           .arg(format));
    return prepared;
}

PreparedPicture PrepareCoverPicture(const QByteArray& bytes, const QString& sourceName) {
    if (bytes.isEmpty())
        return refused(
            QCoreApplication::translate("io::CoverPicture", "'%1' is empty: it holds no picture.")
                .arg(sourceName));
    if (bytes.size() > MaximumPictureFileBytes)
        return refused(
            QCoreApplication::translate("io::CoverPicture",
                                        "'%1' is too large (%2 MB): a cover picture may be at most "
                                        "%3 MB.")
                .arg(sourceName, megabytes(bytes.size()), megabytes(MaximumPictureFileBytes)));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(AllocationLimitMegabytes);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    const QSize size = reader.size();  // from the header: nothing is decoded yet
    if (format.isEmpty() || !size.isValid())
        return refused(QCoreApplication::translate(
                           "io::CoverPicture",
                           "'%1' is not a picture: it is no image file this program can "
                           "read (JPEG, PNG, GIF, BMP and the like).")
                           .arg(sourceName));
    if (size.width() > MaximumPictureSide || size.height() > MaximumPictureSide ||
        qint64(size.width()) * size.height() > MaximumPicturePixels)
        return refused(
            QCoreApplication::translate("io::CoverPicture",
                                        "'%1' claims to be %2 × %3 pixels, far more than any "
                                        "picture needs; it was not read.")
                .arg(sourceName)
                .arg(size.width())
                .arg(size.height()));
    if (format == "jpeg" && isCutOffJpeg(bytes))
        return refused(QCoreApplication::translate(
                           "io::CoverPicture",
                           "'%1' is an incomplete JPEG picture: the file ends before the picture "
                           "does.")
                           .arg(sourceName));
    if (size.width() > StoredPictureSide || size.height() > StoredPictureSide)
        reader.setScaledSize(
            size.scaled(StoredPictureSide, StoredPictureSide, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull())
        return refused(QCoreApplication::translate("io::CoverPicture",
                                                   "'%1' could not be read as a picture: %2.")
                           .arg(sourceName, reader.errorString()));
    return PrepareCoverPicture(image);
}

PreparedPicture PrepareCoverPicture(const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.exists())
        return refused(
            QCoreApplication::translate("io::CoverPicture", "'%1' does not exist.").arg(path));
    if (info.isDir())
        return refused(
            QCoreApplication::translate("io::CoverPicture", "'%1' is a folder, not a picture.")
                .arg(path));
    // Measured before anything is read: a huge file is refused without filling memory.
    if (info.size() > MaximumPictureFileBytes)
        return refused(
            QCoreApplication::translate("io::CoverPicture",
                                        "'%1' is too large (%2 MB): a cover picture may be at most "
                                        "%3 MB.")
                .arg(name, megabytes(info.size()), megabytes(MaximumPictureFileBytes)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(
            QCoreApplication::translate("io::CoverPicture", "'%1' could not be read: %2.")
                .arg(path, file.errorString()));
    const QByteArray bytes = file.read(MaximumPictureFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(
            QCoreApplication::translate("io::CoverPicture", "'%1' could not be read: %2.")
                .arg(path, file.errorString()));
    return PrepareCoverPicture(bytes, name);
}

QString StoredPictureFormat(const QByteArray& bytes) {
    if (bytes.startsWith(QByteArrayLiteral("\xFF\xD8\xFF")))
        return QStringLiteral("jpg");
    if (bytes.startsWith(QByteArrayLiteral("\x89PNG\r\n\x1A\n")))
        return QStringLiteral("png");
    return {};
}

}  // namespace io
