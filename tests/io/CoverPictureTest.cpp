#include "io/CoverPicture.h"
#include "support/TestData.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

QImage decoded(const QByteArray& bytes) {
    return QImage::fromData(bytes);
}

// A large photo is stored at most 1,000 pixels on its long side as a JPEG with a 200-pixel
// thumbnail; a small one keeps its size; transparency alone makes a PNG.
TEST(PrepareCoverPicture, ScalesDownAndChoosesJpegOrPngByTransparency) {
    QTemporaryDir folder;
    const QString photo = folder.filePath("photo.jpg");
    ASSERT_TRUE(test::WriteFile(photo, test::JpegBytes(4000, 3000)));
    const io::PreparedPicture large = io::PrepareCoverPicture(photo);
    ASSERT_TRUE(large.ok()) << large.error.toStdString();
    EXPECT_EQ(large.data.format, "jpg");
    EXPECT_EQ(QSize(large.data.width, large.data.height), QSize(1000, 750));
    EXPECT_EQ(decoded(large.data.picture).size(), QSize(1000, 750));
    EXPECT_EQ(decoded(large.data.thumbnail).size(), QSize(200, 150));
    EXPECT_EQ(io::StoredPictureFormat(large.data.picture), "jpg");

    const io::PreparedPicture tall =
        io::PrepareCoverPicture(test::Encoded(test::DrawnPicture(300, 2000), "PNG"), "tall.png");
    ASSERT_TRUE(tall.ok()) << tall.error.toStdString();
    EXPECT_EQ(tall.data.format, "jpg") << "an alpha channel with nothing see-through is opaque";
    EXPECT_EQ(decoded(tall.data.picture).size(), QSize(150, 1000));

    const io::PreparedPicture small = io::PrepareCoverPicture(
        test::Encoded(test::DrawnPicture(120, 90, true), "PNG"), "logo.png");
    ASSERT_TRUE(small.ok()) << small.error.toStdString();
    EXPECT_EQ(small.data.format, "png");
    EXPECT_EQ(io::StoredPictureFormat(small.data.thumbnail), "png");
    const QImage kept = decoded(small.data.picture);
    EXPECT_EQ(kept.size(), QSize(120, 90)) << "never enlarged";
    EXPECT_EQ(qAlpha(kept.pixel(2, 2)), 0) << "the transparent corner stays transparent";
    EXPECT_EQ(qAlpha(kept.pixel(100, 80)), 255);

    const io::PreparedPicture pasted = io::PrepareCoverPicture(test::DrawnPicture(2400, 1200));
    EXPECT_EQ(QSize(pasted.data.width, pasted.data.height), QSize(1000, 500));
}

// Each bad input is refused with a message that names it and says what is wrong, and nothing
// is prepared.
TEST(PrepareCoverPicture, RefusesEachBadInputInWordsThatSayWhy) {
    QTemporaryDir folder;
    const QByteArray photo = test::JpegBytes(640, 480);
    auto write = [&](const char* name, const QByteArray& bytes) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(test::WriteFile(path, bytes));
        return path;
    };
    const QString huge = folder.filePath("huge.jpg");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.write(photo.left(4096)));
        ASSERT_TRUE(file.resize(200LL * 1024 * 1024));  // sparse: no 200 MB written
    }
    const std::pair<QString, const char*> cases[] = {
        {write("notes.jpg", "These are my notes, not a picture.\n"), "is not a picture"},
        {write("cut.jpg", photo.left(photo.size() / 2)), "is an incomplete JPEG"},
        {write("empty.png", {}), "is empty"},
        {huge, "is too large (200.0 MB)"},
        {write("bomb.jpg", test::JpegClaiming(50000, 50000)), "claims to be 50000 × 50000"},
        {folder.filePath("missing.jpg"), "does not exist"},
        {folder.path(), "is a folder"},
        // Readable by name, but every read fails, as a file on a failing disk does.
        {QStringLiteral("/proc/self/mem"), "could not be read"},
    };
    for (const auto& [path, expected] : cases) {
        const io::PreparedPicture prepared = io::PrepareCoverPicture(path);
        EXPECT_FALSE(prepared.ok()) << path.toStdString();
        EXPECT_TRUE(prepared.error.contains(QString::fromUtf8(expected)))
            << prepared.error.toStdString();
        EXPECT_TRUE(prepared.data.isEmpty()) << path.toStdString();
    }
    const io::PreparedPicture fromBytes = io::PrepareCoverPicture(
        QByteArray(io::MaximumPictureFileBytes + 1, 'x'), QStringLiteral("dropped data"));
    EXPECT_TRUE(fromBytes.error.contains("'dropped data' is too large"))
        << fromBytes.error.toStdString();
    EXPECT_FALSE(io::PrepareCoverPicture(QImage()).ok());
}

}  // namespace
