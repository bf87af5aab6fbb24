#include "ui/shell/AboutDialog.h"

#include "db/Catalogue.h"
#include "db/Movies.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/GroupedNumber.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/UserInterface.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace ui {

namespace {

// A strip of film with a frame in the middle: the about box's picture (Image1).
QPixmap filmPicture() {
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x30, 0x38));
    painter.drawRoundedRect(QRectF(6, 2, 52, 60), 4, 4);
    painter.setBrush(Qt::white);
    for (int y = 6; y < 60; y += 10) {
        painter.drawRect(QRectF(9, y, 5, 5));
        painter.drawRect(QRectF(50, y, 5, 5));
    }
    painter.setBrush(QColor(0xF5, 0xC5, 0x18));
    painter.drawRect(QRectF(18, 12, 28, 40));
    painter.setBrush(QColor(0x30, 0x30, 0x38));
    painter.drawPolygon(QPolygonF({QPointF(27, 22), QPointF(27, 42), QPointF(40, 32)}));
    return picture;
}

QFrame* line(QWidget* parent, const QString& name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

}  // namespace

QString VersionText(int major, int minor, int revision) {
    return QStringLiteral("Tallowmere Movie Database %1.%2.%3")
        .arg(major)
        .arg(minor)
        .arg(revision, 2, 10, QLatin1Char('0'));
}

QUrl MakerWebAddress(const QString& installedReadme, const QString& sourceReadme) {
    return QUrl::fromLocalFile(QFileInfo::exists(installedReadme) ? installedReadme : sourceReadme);
}

QUrl MakerWebAddress() {
    return MakerWebAddress(QStringLiteral(TALLOWMERE_INSTALLED_README),
                           QStringLiteral(TALLOWMERE_SOURCE_README));
}

AboutDialog::AboutDialog(ui::UserInterface& ui, db::Catalogue& catalogue, QWidget* parent)
    : QDialog(parent), ui_(ui) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Tallowmere Movie Database"));
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(filmPicture());
    image->setAlignment(Qt::AlignTop);

    lblApp_ = new QLabel(
        VersionText(TALLOWMERE_VERSION_MAJOR, TALLOWMERE_VERSION_MINOR, TALLOWMERE_VERSION_PATCH),
        this);
    lblApp_->setObjectName(QStringLiteral("lblApp"));
    QFont bold = lblApp_->font();
    bold.setBold(true);
    lblApp_->setFont(bold);

    lblCopyright_ = new QLabel(QStringLiteral("Copyright © Tallowmere Software"), this);
    lblCopyright_->setObjectName(QStringLiteral("lblCopyright"));
    lblLegal_ = new QLabel(tr("All rights reserved."), this);
    lblLegal_->setObjectName(QStringLiteral("lblLegal"));

    lblWeb_ = new ui::LinkLabel(MakerWebAddress().toString(), this);
    lblWeb_->setObjectName(QStringLiteral("lblWeb"));
    connect(lblWeb_, &ui::LinkLabel::clicked, this, &AboutDialog::lblWeb_Click);

    lblPgCnt_ = new QLabel(tr("Movies: 0"), this);
    lblPgCnt_->setObjectName(QStringLiteral("lblPgCnt"));

    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(image, 0, 0, 3, 1);
    layout->addWidget(lblApp_, 0, 1);
    layout->addWidget(lblCopyright_, 1, 1);
    layout->addWidget(lblLegal_, 2, 1);
    layout->addWidget(line(this, QStringLiteral("Line1")), 3, 0, 1, 2);
    layout->addWidget(lblWeb_, 4, 0, 1, 2);
    layout->addWidget(lblPgCnt_, 5, 0, 1, 2);
    layout->addWidget(line(this, QStringLiteral("Line2")), 6, 0, 1, 2);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdOK_);
    layout->addLayout(buttonRow, 7, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (catalogue.isOpen()) {
        ui::RunCommand(ui_, parent, [&] {
            const int count = db::CountMovies(catalogue.connection());
            lblPgCnt_->setText(tr("Movies on file: ") + ui::GroupedNumber(count));
        });
    }
}

void AboutDialog::lblWeb_Click() {
    if (ui_.ask(this, tr("Internet Question"), tr("Load the Tallowmere Software website?"),
                ui::Buttons::YesNo) != ui::Answer::Yes)
        return;
    if (!ui_.openUrl(MakerWebAddress()))
        ui_.inform(this, QLatin1String(ui::ProductTitle), tr("Could not launch browser."),
                   ui::Icon::Error);
}

}  // namespace ui
