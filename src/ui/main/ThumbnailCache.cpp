#include "ui/main/ThumbnailCache.h"

#include <QElapsedTimer>
#include <QTimer>

namespace ui {

namespace {

// A batch ends after this much work, so that scrolling stays smooth.
constexpr int BatchMilliseconds = 15;

int kilobytesOf(const QImage& image) {
    return int(qMax<qsizetype>(1, image.sizeInBytes() / 1024));
}

}  // namespace

ThumbnailCache::ThumbnailCache(Reader reader, int costKilobytes, QObject* parent)
    : QObject(parent), reader_(std::move(reader)), cache_(costKilobytes) {}

void ThumbnailCache::setMoviesWithPictures(QSet<int> movieIds) {
    // A refill or a filter that changes no picture keeps what is decoded.
    if (movieIds == withPictures_)
        return;
    withPictures_ = std::move(movieIds);
    cache_.clear();
    wanted_.clear();
}

QImage ThumbnailCache::find(int movieId) {
    if (!withPictures_.contains(movieId))
        return {};
    if (const QImage* image = cache_.object(movieId))
        return *image;
    wanted_.push_back(movieId);
    if (!scheduled_) {
        scheduled_ = true;
        QTimer::singleShot(0, this, &ThumbnailCache::loadWanted);
    }
    return {};
}

void ThumbnailCache::forget(int movieId, bool hasPicture) {
    cache_.remove(movieId);
    if (hasPicture)
        withPictures_.insert(movieId);
    else
        withPictures_.remove(movieId);
}

void ThumbnailCache::loadWanted() {
    scheduled_ = false;
    QElapsedTimer clock;
    clock.start();
    // The latest asked for are the ones on screen now.
    while (!wanted_.empty() && clock.elapsed() < BatchMilliseconds) {
        const int movieId = wanted_.back();
        wanted_.pop_back();
        if (cache_.contains(movieId))
            continue;
        QImage image = QImage::fromData(reader_(movieId));
        ++decoded_;
        if (image.isNull())
            image = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);  // unreadable: not again
        const int cost = kilobytesOf(image);
        cache_.insert(movieId, new QImage(std::move(image)), cost);
    }
    // What is left was asked for by cells that may have scrolled away: the repaint asks again
    // for those still shown.
    wanted_.clear();
    emit loaded();
}

}  // namespace ui
