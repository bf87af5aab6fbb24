#include "ui/main/CoverGridView.h"

#include "ui/main/ChosenRow.h"

#include "ui/main/MovieListModel.h"
#include "ui/main/ThumbnailCache.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextLayout>

namespace ui {

namespace {

constexpr int PictureWidth = 120;
constexpr int PictureHeight = 160;
constexpr int Margin = 6;
constexpr int TitleLines = 2;

// Paints a cell: the thumbnail (or a placeholder frame) with the title below it.
class CoverDelegate final : public QStyledItemDelegate {
public:
    CoverDelegate(MovieListModel& model, ThumbnailCache& thumbnails, QObject* parent)
        : QStyledItemDelegate(parent), model_(model), thumbnails_(thumbnails) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {PictureWidth + 2 * Margin,
                PictureHeight + 3 * Margin + TitleLines * option.fontMetrics.height()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& given,
               const QModelIndex& index) const override {
        QStyleOptionViewItem option = given;
        initStyleOption(&option, index);
        const QWidget* widget = option.widget;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group =
            widget && widget->hasFocus() ? QPalette::Active : QPalette::Inactive;
        if (selected)
            painter->fillRect(option.rect, option.palette.color(group, QPalette::Highlight));

        const QRect box(option.rect.x() + Margin, option.rect.y() + Margin, PictureWidth,
                        PictureHeight);
        const int movieId = model_.movieAt(index.row()).movieId;
        const QImage thumbnail = thumbnails_.find(movieId);
        painter->save();
        if (!thumbnail.isNull() && thumbnail.width() > 1) {
            const QSize fitted = thumbnail.size().scaled(box.size(), Qt::KeepAspectRatio);
            const QRect target(box.x() + (box.width() - fitted.width()) / 2,
                               box.bottom() + 1 - fitted.height(), fitted.width(), fitted.height());
            painter->setRenderHint(QPainter::SmoothPixmapTransform);
            painter->drawImage(target, thumbnail);
        } else {
            // No picture, or one still on its way.
            painter->setPen(option.palette.color(QPalette::PlaceholderText));
            painter->drawRect(box.adjusted(10, 10, -11, -1));
            if (!thumbnails_.hasPicture(movieId))
                painter->drawText(box.adjusted(10, 10, -10, 0), Qt::AlignCenter,
                                  CoverGridView::tr("No cover"));
        }
        painter->restore();

        const QRect titleBox(option.rect.x() + 2, box.bottom() + Margin, option.rect.width() - 4,
                             TitleLines * option.fontMetrics.height());
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        painter->drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop,
                          titleLines(option.text, option.fontMetrics, titleBox.width()));
    }

private:
    // The title on at most two lines, the second cut with "…" when it is longer.
    static QString titleLines(const QString& title, const QFontMetrics& metrics, int width) {
        QTextLayout layout(title);
        layout.beginLayout();
        QStringList lines;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            if (lines.size() == TitleLines - 1) {
                lines.append(
                    metrics.elidedText(title.mid(line.textStart()), Qt::ElideRight, width));
                break;
            }
            lines.append(title.mid(line.textStart(), line.textLength()).trimmed());
        }
        layout.endLayout();
        return lines.join(u'\n');
    }

    MovieListModel& model_;
    ThumbnailCache& thumbnails_;
};

}  // namespace

CoverGridView::CoverGridView(MovieListModel& model, ThumbnailCache& thumbnails, QWidget* parent)
    : QListView(parent) {
    setObjectName(QStringLiteral("lstCovers"));
    setAccessibleName(tr("Covers"));
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setWrapping(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new CoverDelegate(model, thumbnails, this));
    setModel(&model);
    setModelColumn(MovieListModel::Title);
    setSpacing(4);
    connect(&thumbnails, &ThumbnailCache::loaded, viewport(), qOverload<>(&QWidget::update));
}

void CoverGridView::mousePressEvent(QMouseEvent* event) {
    if (InputMovedTheRow(*this, [&] { QListView::mousePressEvent(event); }))
        emit rowChosen();
}

void CoverGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (InputMovedTheRow(*this, [&] { QListView::mouseReleaseEvent(event); }))
        emit rowChosen();
}

void CoverGridView::keyPressEvent(QKeyEvent* event) {
    if (InputMovedTheRow(*this, [&] { QListView::keyPressEvent(event); }))
        emit rowChosen();
}

}  // namespace ui
