#pragma once

#include <QListView>

namespace ui {

class MovieListModel;
class ThumbnailCache;

// "Covers": the movie list as a grid of thumbnails with the titles below, over the list's own
// model and selection, so that it has the same order, search and chosen movie. Cells ask the
// cache for their thumbnail only when they are painted.
class CoverGridView : public QListView {
    Q_OBJECT
public:
    CoverGridView(MovieListModel& model, ThumbnailCache& thumbnails, QWidget* parent = nullptr);

signals:
    // The user moved to another movie (a click, a key), as the list's rowChosen.
    void rowChosen();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ui
