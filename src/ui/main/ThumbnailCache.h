#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <functional>
#include <vector>

namespace ui {

// The small covers of the grid, read and decoded only when a visible cell asks for them, and
// kept in a cache of bounded size. A cell that asks before its picture is there shows a
// placeholder; the picture is read a moment later, in short batches, and the cells are asked
// to paint again.
class ThumbnailCache : public QObject {
    Q_OBJECT
public:
    using Reader = std::function<QByteArray(int movieId)>;

    // reader gives a movie's encoded thumbnail; costKilobytes bounds the decoded pictures kept.
    explicit ThumbnailCache(Reader reader, int costKilobytes = 48 * 1024,
                            QObject* parent = nullptr);

    // Which movies have a picture at all: the others are never read. A new set forgets what
    // was decoded; the same set keeps it.
    void setMoviesWithPictures(QSet<int> movieIds);
    bool hasPicture(int movieId) const { return withPictures_.contains(movieId); }
    // The movie's thumbnail when it is at hand; otherwise null, and it is read soon.
    QImage find(int movieId);
    // The movie's picture was changed or removed.
    void forget(int movieId, bool hasPicture);
    int decodedCount() const { return decoded_; }

signals:
    // Thumbnails asked for have arrived: the cells should paint again.
    void loaded();

private:
    void loadWanted();

    Reader reader_;
    QSet<int> withPictures_;
    QCache<int, QImage> cache_;
    std::vector<int> wanted_;  // asked for since the last batch, latest last
    bool scheduled_ = false;
    int decoded_ = 0;
};

}  // namespace ui
