#pragma once

#include "io/CoverPicture.h"

#include <QFrame>
#include <QImage>

class QAction;
class QMenu;
class QMimeData;

namespace ui {

// The movie's cover beside the record fields ("Cover picture"). It shows a picture, aspect
// kept, or a placeholder, and takes new ones from a drop (files or a browser's image), from the
// clipboard (Ctrl+V) and from its context menu. It only prepares what it is given; its owner
// decides whether the movie takes it.
class CoverPictureWidget : public QFrame {
    Q_OBJECT
public:
    explicit CoverPictureWidget(QWidget* parent = nullptr);

    // An encoded picture, or an empty one for the placeholder.
    void showPicture(const QByteArray& encoded);
    void showPicture(const QImage& image);
    bool hasPicture() const { return !image_.isNull(); }
    const QImage& picture() const { return image_; }
    QMenu& menu() { return *menu_; }

    // What a drop or a paste carries, made ready to store; an error when it holds no picture.
    static io::PreparedPicture PrepareOffered(const QMimeData& data);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A drop or a paste brought a picture, or a reason it could not.
    void pictureOffered(const io::PreparedPicture& prepared);
    void chooseRequested();
    void removeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void paste();

    QMenu* menu_;
    QAction* pasteItem_ = nullptr;
    QAction* removeItem_ = nullptr;
    QImage image_;
    QImage scaled_;  // image_ fitted to the frame, made once per size
};

}  // namespace ui
