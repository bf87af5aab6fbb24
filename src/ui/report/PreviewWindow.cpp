#include "ui/report/PreviewWindow.h"

#include "db/DatabaseError.h"
#include "io/Destination.h"
#include "report/DocumentReplay.h"
#include "report/PageGeometry.h"
#include "ui/common/BackgroundWork.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/report/PageView.h"
#include "ui/report/PrintingWindow.h"
#include "ui/report/ReportWriting.h"
#include "ui/report/SpoolPrinting.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QtMath>
#include <cmath>

namespace ui {

namespace {

// The smallest window: 4000 by 3500 twips.
constexpr QSize MinimumSize(4000 / report::TwipsPerPixel, 3500 / report::TwipsPerPixel);
constexpr double FitWidth = -1;
constexpr double FitPage = -2;
constexpr int ZoomPercents[] = {50, 75, 100, 125, 150, 200};
constexpr double MinZoom = 0.25;
constexpr double MaxZoom = 2;

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* created = new QPushButton(caption, parent);
    created->setObjectName(QString::fromLatin1(name));
    return created;
}

QPushButton* arrowButton(const char* name, QStyle::StandardPixmap icon, const QString& caption,
                         QWidget* parent) {
    auto* created = button(name, QString(), parent);
    created->setIcon(parent->style()->standardIcon(icon));
    created->setToolTip(caption);
    created->setAccessibleName(caption);
    return created;
}

}  // namespace

PreviewWindow::PreviewWindow(UserInterface& ui, const settings::Settings& settings,
                             report::DrawingState& state, const QString& spoolFile, QWidget* parent)
    : QWidget(parent, Qt::Window),
      picPPshow(new PageView(this)),
      hscBar(new QScrollBar(Qt::Horizontal, this)),
      vscBar(new QScrollBar(Qt::Vertical, this)),
      lblPage(new QLabel(this)),
      cmdFirst(arrowButton("cmdFirst", QStyle::SP_MediaSkipBackward, QStringLiteral("First page"),
                           this)),
      cmdPrev(arrowButton("cmdPrev", QStyle::SP_MediaSeekBackward, QStringLiteral("Previous page"),
                          this)),
      cmdNext(
          arrowButton("cmdNext", QStyle::SP_MediaSeekForward, QStringLiteral("Next page"), this)),
      cmdLast(
          arrowButton("cmdLast", QStyle::SP_MediaSkipForward, QStringLiteral("Last page"), this)),
      cboZoom(new QComboBox(this)),
      cmdPrint(button("cmdPrint", QStringLiteral("&Print"), this)),
      cmdSavePdf(button("cmdSavePdf", QStringLiteral("Save as P&DF"), this)),
      cmdSave(button("cmdSave", QStringLiteral("&Save report file…"), this)),
      cmdInfo(button("cmdInfo", QStringLiteral("&Info"), this)),
      cmdClose(button("cmdClose", QStringLiteral("&Close"), this)),
      ui_(ui),
      settings_(settings),
      state_(state),
      reader_(spoolFile),
      surface_(report::LayoutOf(report::PaperSize::Letter, report::Orientation::Portrait).surface) {
    setObjectName(QStringLiteral("frmPP"));
    setWindowTitle(QStringLiteral("Print Preview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(MinimumSize);
    layOut();

    connect(cmdFirst, &QPushButton::clicked, this, [this] { goToPage(1); });
    connect(cmdPrev, &QPushButton::clicked, this, [this] { goToPage(page_ - 1); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { goToPage(page_ + 1); });
    connect(cmdLast, &QPushButton::clicked, this, [this] { goToPage(pageCount()); });
    connect(cmdInfo, &QPushButton::clicked, this, &PreviewWindow::showInfo);
    connect(cmdSave, &QPushButton::clicked, this, &PreviewWindow::saveCopy);
    connect(cmdSavePdf, &QPushButton::clicked, this, &PreviewWindow::savePdf);
    connect(cmdPrint, &QPushButton::clicked, this, &PreviewWindow::print);
    connect(cmdClose, &QPushButton::clicked, this, &PreviewWindow::close);
    connect(hscBar, &QScrollBar::valueChanged, this,
            [this](int x) { picPPshow->setOffset(QPoint(x, vscBar->value())); });
    connect(vscBar, &QScrollBar::valueChanged, this,
            [this](int y) { picPPshow->setOffset(QPoint(hscBar->value(), y)); });
    connect(cboZoom, &QComboBox::currentIndexChanged, this, &PreviewWindow::zoomChosen);
}

PreviewWindow::~PreviewWindow() {
    // A replay still reading the spool file stops before the file goes.
    delete replay_.data();
    removeSpoolFile();
}

void PreviewWindow::layOut() {
    cboZoom->setObjectName(QStringLiteral("cboZoom"));
    cboZoom->setAccessibleName(QStringLiteral("Zoom"));
    cboZoom->addItem(QStringLiteral("Fit width"), FitWidth);
    cboZoom->addItem(QStringLiteral("Fit page"), FitPage);
    for (int percent : ZoomPercents)
        cboZoom->addItem(QStringLiteral("%1%").arg(percent), double(percent));
    cboZoom->setCurrentIndex(cboZoom->findData(100.0));
    hscBar->setObjectName(QStringLiteral("hscBar"));
    vscBar->setObjectName(QStringLiteral("vscBar"));
    lblPage->setObjectName(QStringLiteral("lblPage"));
    for (QScrollBar* bar : {hscBar, vscBar})
        bar->setFocusPolicy(Qt::NoFocus);

    auto* buttons = new QHBoxLayout;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{cmdFirst, cmdPrev, lblPage, cmdNext, cmdLast})
        buttons->addWidget(widget);
    buttons->addStretch();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{cboZoom, cmdPrint, cmdSavePdf, cmdSave, cmdInfo, cmdClose})
        buttons->addWidget(widget);
    auto* page = new QGridLayout;
    page->setSpacing(0);
    page->addWidget(picPPshow, 0, 0);
    page->addWidget(vscBar, 0, 1);
    page->addWidget(hscBar, 1, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(page, 1);

    // The page keys work wherever the focus is, except in the zoom list.
    for (QWidget* child : findChildren<QWidget*>())
        if (child != cboZoom)
            child->installEventFilter(this);
}

const QImage& PreviewWindow::pageImage() const {
    return picPPshow->page();
}

void PreviewWindow::Init() {
    page_ = 1;
    passwordChecked_ = false;
    indexLoaded_ = false;
    headerLoaded_ = false;
    drawnOnce_ = false;
    header_ = {};
    reader_ = report::SpoolReader(reader_.path());
    render(false);
}

void PreviewWindow::ensureLoaded() {
    if (!passwordChecked_) {
        passwordChecked_ = true;
        if (reader_.isProtected()) {
            const std::optional<QString> answer = ui_.inputText(
                this, QStringLiteral("Protected"),
                QStringLiteral("This report is password protected.  Please enter password:"),
                QString());
            // A wrong or empty password is not refused: the pages come out empty.
            reader_.setPassword(answer.value_or(QString()));
        }
    }
    if (!indexLoaded_) {
        indexLoaded_ = true;
        reader_.pageCount();
    }
    if (!headerLoaded_) {
        headerLoaded_ = true;
        header_ = reader_.header();
        if (const auto layout = report::LayoutOf(header_.paperSize, header_.orientation))
            surface_ = layout->surface;
    }
}

void PreviewWindow::render(bool again) {
    ensureLoaded();
    if (again)
        state_ = pageStartState_;
    else
        pageStartState_ = state_;
    if (!drawnOnce_) {
        documentStartState_ = state_;
        drawnOnce_ = true;
    }
    page_ = std::clamp(page_, 1, qMax(1, pageCount()));

    const double pixelRatio = devicePixelRatioF();
    const int dpi = qMax(10, qRound(report::ScreenDpi * zoom_ * pixelRatio));
    QImage page(qCeil(report::TwipsToDevice(surface_.width(), dpi)),
                qCeil(report::TwipsToDevice(surface_.height(), dpi)), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        painter.setRenderHint(QPainter::TextAntialiasing);
        report::PageDrawer drawer(painter, report::Surface::Screen, state_);
        report::SpoolLines lines = reader_.lines(reader_.pageStart(page_));
        drawer.drawPage(lines);
    }
    page.setDevicePixelRatio(pixelRatio);
    picPPshow->setPage(page);
    const QLocale locale;
    lblPage->setText(QStringLiteral("Page %1 of %2")
                         .arg(locale.toString(page_), locale.toString(qMax(1, pageCount()))));
    layOutScrollBars();
    hscBar->setValue(0);
    vscBar->setValue(0);
}

void PreviewWindow::goToPage(int page) {
    page = std::clamp(page, 1, qMax(1, pageCount()));
    if (page == page_)
        return;
    page_ = page;
    render(false);
}

void PreviewWindow::layOutScrollBars() {
    const QSize page = picPPshow->pageSize();
    const QSize view = picPPshow->size();
    auto layOutBar = [](QScrollBar& bar, int maximum) {
        if (maximum <= 0) {
            bar.setRange(0, 0);
            bar.setSingleStep(1);
            bar.setPageStep(1);
            return;
        }
        bar.setRange(0, maximum);
        bar.setSingleStep(qMax(1, qRound(maximum / 4.0)));
        // The arrow keys move by this half.
        bar.setPageStep(qMax(1, qRound(maximum / 2.0)));
    };
    layOutBar(*hscBar, page.width() - view.width());
    layOutBar(*vscBar, page.height() - view.height());
}

void PreviewWindow::scrollBy(QScrollBar& bar, int direction) {
    bar.setValue(bar.value() + direction * bar.pageStep());
}

bool PreviewWindow::handleKey(const QKeyEvent& event) {
    if (event.modifiers() == Qt::AltModifier)
        return false;
    if (event.modifiers() & Qt::ControlModifier) {
        if (event.key() == Qt::Key_Plus || event.key() == Qt::Key_Equal)
            stepZoom(1);
        else if (event.key() == Qt::Key_Minus)
            stepZoom(-1);
        else
            return false;
        return true;
    }
    switch (event.key()) {
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_PageUp:
            goToPage(page_ - 1);
            return true;
        case Qt::Key_PageDown:
            goToPage(page_ + 1);
            return true;
        case Qt::Key_Home:
            goToPage(1);
            return true;
        case Qt::Key_End:
            goToPage(pageCount());
            return true;
        case Qt::Key_Left:
            scrollBy(*hscBar, -1);
            return true;
        case Qt::Key_Right:
            scrollBy(*hscBar, 1);
            return true;
        case Qt::Key_Up:
            scrollBy(*vscBar, -1);
            return true;
        case Qt::Key_Down:
            scrollBy(*vscBar, 1);
            return true;
        default:
            return false;
    }
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(*event))
        QWidget::keyPressEvent(event);
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && handleKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

double PreviewWindow::wantedZoom() const {
    const double chosen = cboZoom->currentData().toDouble();
    if (chosen > 0)
        return chosen / 100;
    const QSizeF page = QSizeF(surface_) / report::TwipsPerPixel;
    const QSize view = picPPshow->size();
    double fit = view.width() / page.width();
    if (chosen == FitPage)
        fit = qMin(fit, view.height() / page.height());
    return std::clamp(fit, MinZoom, MaxZoom);
}

void PreviewWindow::zoomChosen() {
    zoom_ = wantedZoom();
    if (drawnOnce_)
        render(true);
}

void PreviewWindow::stepZoom(int direction) {
    const double percent = zoom_ * 100;
    int chosen = -1;
    for (int index = 0; index < cboZoom->count(); ++index) {
        const double candidate = cboZoom->itemData(index).toDouble();
        if (candidate <= 0)
            continue;
        if (direction > 0 && candidate > percent + 0.5 &&
            (chosen < 0 || candidate < cboZoom->itemData(chosen).toDouble()))
            chosen = index;
        if (direction < 0 && candidate < percent - 0.5 &&
            (chosen < 0 || candidate > cboZoom->itemData(chosen).toDouble()))
            chosen = index;
    }
    if (chosen >= 0)
        cboZoom->setCurrentIndex(chosen);
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!drawnOnce_)
        return;
    const double wanted = wantedZoom();
    if (std::abs(wanted - zoom_) > 0.005) {
        zoom_ = wanted;
        render(true);
    } else {
        layOutScrollBars();
    }
}

void PreviewWindow::showInfo() {
    const QStringList lines = {
        QStringLiteral("/VERSION=") + QString::number(header_.version),
        QStringLiteral("/PAPERSIZE=") + QString::number(header_.paperSize),
        QStringLiteral("/ORIENTATION=") + QString::number(header_.orientation),
        QStringLiteral("/REPORTNAME=") + header_.reportName,
        QStringLiteral("/CREATEDBY=") + header_.createdBy,
        QStringLiteral("/CREATEDATE=") + header_.createDate,
        QStringLiteral("/CREATETIME=") + header_.createTime,
        QStringLiteral("/NOTE=") + header_.note,
        QStringLiteral("Page Count=") + QString::number(pageCount()),
    };
    ui_.inform(this, QString::fromLatin1(ProductTitle), lines.join(u'\n'), Icon::Information);
}

void PreviewWindow::saveCopy() {
    FileChoice choice;
    choice.purpose = FileChoice::Purpose::Save;
    choice.title = QStringLiteral("Save Report");
    choice.proposedFile = QDir::homePath() + QStringLiteral("/spool.rpt");
    choice.filters = {QStringLiteral("Report files (*.rpt)"), QStringLiteral("All files (*)")};
    const std::optional<QString> target = ui_.chooseFile(this, choice);
    if (!target || *target == reader_.path())
        return;
    // Written aside and put in place, or through a device; never by removing what is there.
    try {
        io::CopyToDestination(reader_.path(), *target);
    } catch (const db::Error& error) {
        ui_.inform(this, QStringLiteral("Error"),
                   QStringLiteral("The report could not be saved as '%1'.\n\n%2")
                       .arg(*target, error.message()),
                   Icon::Error);
    }
}

void PreviewWindow::savePdf() {
    const std::optional<QString> target =
        ChoosePdfFile(ui_, this, QStringLiteral("Save as PDF"), header_.reportName);
    if (!target)
        return;
    // What is there and is no file is refused before anything starts, and left as it is.
    std::shared_ptr<io::DestinationFile> file;
    if (!RunCommand(ui_, this, [&] { file = std::make_shared<io::DestinationFile>(*target); }))
        return;
    replayOnWorker(
        [file, reader = reader_, state = documentStartState_](WorkProgress& progress) mutable {
            WorkerReportProgress reporter(progress);
            report::WritePdf(reader, *file, state, &reporter);
        },
        [] {});
}

void PreviewWindow::print() {
    std::shared_ptr<PrintJob> job;
    RunCommand(ui_, this, [&] { job = PrintJob::prepare(ui_, settings_, header_, this); });
    if (!job)
        return;
    replayOnWorker(
        [job, reader = reader_, state = documentStartState_](WorkProgress& progress) mutable {
            WorkerReportProgress reporter(progress);
            job->paint(reader, state, reporter);
        },
        [this, job] {
            // Printed or cancelled, the preview has done its work; to print again, run the
            // report again.
            if (job->finish(ui_, this) != PrintOutcome::NotStarted)
                close();
        });
}

void PreviewWindow::replayOnWorker(std::function<void(WorkProgress&)> work,
                                   std::function<void()> done) {
    setBusy(true);
    // The worker reads the spool file through a reader of its own; the page shown is still
    // drawn through this window's.
    replay_ = BackgroundWork::start(
        this,
        std::make_unique<PrintingView>(new PrintingWindow(this), QStringLiteral("Printing"), false),
        std::move(work), [this, done = std::move(done)](std::exception_ptr failure) {
            setBusy(false);
            if (failure) {
                RunCommand(ui_, this, [failure] { std::rethrow_exception(failure); });
                return;
            }
            done();
        });
}

void PreviewWindow::setBusy(bool busy) {
    busy_ = busy;
    for (QPushButton* command : {cmdPrint, cmdSavePdf, cmdSave, cmdClose})
        command->setEnabled(!busy);
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    removeSpoolFile();
    event->accept();
}

void PreviewWindow::removeSpoolFile() {
    // Once only: a later report may be given the same name as soon as this file is gone.
    if (spoolRemoved_)
        return;
    spoolRemoved_ = true;
    QFile::remove(reader_.path());
}

}  // namespace ui
