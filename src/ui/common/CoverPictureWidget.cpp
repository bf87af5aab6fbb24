#include "ui/common/CoverPictureWidget.h"

#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

namespace ui {

namespace {

// Encoded image formats a browser or an image program may put on a drag or the clipboard.
QString encodedImageFormat(const QMimeData& data) {
    for (const QString& format : data.formats()) {
        if (format.startsWith(QLatin1String("image/")))
            return format;
    }
    return {};
}

bool offersPicture(const QMimeData& data) {
    return data.hasImage() || !encodedImageFormat(data).isEmpty() || data.hasUrls();
}

}  // namespace

CoverPictureWidget::CoverPictureWidget(QWidget* parent) : QFrame(parent), menu_(new QMenu(this)) {
    setObjectName(QStringLiteral("imgCover"));
    setAccessibleName(QStringLiteral("Cover picture"));
    setToolTip(
        QStringLiteral("Drop a picture here, paste one (Ctrl+V) or right-click to choose one"));
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    menu_->setObjectName(QStringLiteral("coverMenu"));
    auto item = [this](const char* name, const char* caption) {
        QAction* action = menu_->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(item("mnuChoosePicture", "Choose picture…"), &QAction::triggered, this,
            &CoverPictureWidget::chooseRequested);
    connect(pasteItem_ = item("mnuPastePicture", "Paste picture"), &QAction::triggered, this,
            &CoverPictureWidget::paste);
    connect(removeItem_ = item("mnuRemovePicture", "Remove picture"), &QAction::triggered, this,
            &CoverPictureWidget::removeRequested);
}

QSize CoverPictureWidget::sizeHint() const {
    return {150, 210};
}

QSize CoverPictureWidget::minimumSizeHint() const {
    return {90, 120};
}

void CoverPictureWidget::showPicture(const QByteArray& encoded) {
    if (encoded.isEmpty()) {
        showPicture(QImage());
        return;
    }
    // Decoded only as large as it is shown: the JPEG decoder scales while it reads.
    QBuffer buffer;
    buffer.setData(encoded);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize full = reader.size();
    // The frame may not be laid out yet: never decode smaller than it will usually be shown.
    const QSize room = contentsRect().size().expandedTo(sizeHint()) * devicePixelRatio();
    if (full.isValid() && room.isValid() &&
        (full.width() > room.width() || full.height() > room.height()))
        reader.setScaledSize(full.scaled(room, Qt::KeepAspectRatio));
    showPicture(reader.read());
}

void CoverPictureWidget::showPicture(const QImage& image) {
    image_ = image;
    scaled_ = QImage();
    update();
}

void CoverPictureWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect room = contentsRect().adjusted(2, 2, -2, -2);
    if (image_.isNull()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::PlaceholderText));
        painter.drawRect(room.adjusted(0, 0, -1, -1));
        painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("No cover"));
        return;
    }
    const QSize fitted = image_.size().scaled(room.size(), Qt::KeepAspectRatio);
    if (scaled_.size() != fitted * devicePixelRatio()) {
        scaled_ = image_.scaled(fitted * devicePixelRatio(), Qt::KeepAspectRatio,
                                Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(devicePixelRatio());
    }
    const QRect target(QPoint(room.x() + (room.width() - fitted.width()) / 2,
                              room.y() + (room.height() - fitted.height()) / 2),
                       fitted);
    painter.drawImage(target, scaled_);
}

io::PreparedPicture CoverPictureWidget::PrepareOffered(const QMimeData& data) {
    if (data.hasImage()) {
        const QImage image = qvariant_cast<QImage>(data.imageData());
        if (!image.isNull())
            return io::PrepareCoverPicture(image);
    }
    if (const QString format = encodedImageFormat(data); !format.isEmpty())
        return io::PrepareCoverPicture(data.data(format), QStringLiteral("The dropped picture"));
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            return io::PrepareCoverPicture(url.toLocalFile());
    }
    io::PreparedPicture refused;
    refused.error = data.hasUrls() ? QStringLiteral(
                                         "Only a picture on this computer can be taken. Save the "
                                         "picture to a file first, then drop the file here.")
                                   : QStringLiteral("What was given holds no picture.");
    return refused;
}

void CoverPictureWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (offersPicture(*event->mimeData()))
        event->acceptProposedAction();
}

void CoverPictureWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (offersPicture(*event->mimeData()))
        event->acceptProposedAction();
}

void CoverPictureWidget::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    emit pictureOffered(PrepareOffered(*event->mimeData()));
}

void CoverPictureWidget::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        paste();
        return;
    }
    if (event->matches(QKeySequence::Delete) && hasPicture()) {
        emit removeRequested();
        return;
    }
    QFrame::keyPressEvent(event);
}

void CoverPictureWidget::paste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data)
        emit pictureOffered(PrepareOffered(*data));
}

void CoverPictureWidget::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);  // so that Ctrl+V reaches it after a click
    QFrame::mousePressEvent(event);
}

void CoverPictureWidget::contextMenuEvent(QContextMenuEvent* event) {
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    pasteItem_->setEnabled(clipboard && offersPicture(*clipboard));
    removeItem_->setEnabled(hasPicture());
    menu_->popup(event->globalPos());
}

}  // namespace ui
