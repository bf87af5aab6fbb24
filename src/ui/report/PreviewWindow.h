#pragma once

#include "report/PageDrawer.h"
#include "report/SpoolReader.h"

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <functional>

class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollBar;

namespace settings {
class Settings;
}

namespace ui {

class BackgroundWork;
class PageView;
class UserInterface;
class WorkProgress;

// frmPP: shows a report's spool file one page at a time, reads only the page shown, and
// prints it, saves a copy or writes it as PDF. Closing the window deletes the spool file.
class PreviewWindow final : public QWidget {
    Q_OBJECT
public:
    // state: what the previous preview's drawing left, carried on to this one.
    PreviewWindow(UserInterface& ui, const settings::Settings& settings,
                  report::DrawingState& state, const QString& spoolFile, QWidget* parent);
    ~PreviewWindow() override;

    // Starts over at page 1, and draws it: the password is asked and the index and header are
    // read again.
    void Init();

    int currentPage() const { return page_; }
    int pageCount() { return reader_.pageCount(); }
    const QString& spoolFile() const { return reader_.path(); }
    // The page as drawn, at the zoom and the screen's pixel density.
    const QImage& pageImage() const;
    // How much larger than at 96 dots per inch the page is shown.
    double zoom() const { return zoom_; }
    // Printing or writing a PDF, on the worker: the window cannot be closed until that is over.
    bool isBusy() const { return busy_; }

    PageView* picPPshow;
    QScrollBar* hscBar;
    QScrollBar* vscBar;
    QLabel* lblPage;
    QPushButton* cmdFirst;
    QPushButton* cmdPrev;
    QPushButton* cmdNext;
    QPushButton* cmdLast;
    QComboBox* cboZoom;
    QPushButton* cmdPrint;
    QPushButton* cmdSavePdf;
    QPushButton* cmdSave;
    QPushButton* cmdInfo;
    QPushButton* cmdClose;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void layOut();
    bool handleKey(const QKeyEvent& event);
    void goToPage(int page);
    void ensureLoaded();
    // Draws the current page; again is a new drawing of the page shown, from the state it
    // started with.
    void render(bool again);
    void layOutScrollBars();
    void scrollBy(QScrollBar& bar, int direction);
    double wantedZoom() const;
    void zoomChosen();
    void stepZoom(int direction);
    void showInfo();
    void saveCopy();
    void savePdf();
    void print();
    // Runs work that replays the whole report on the worker, with frmPrinting showing the page
    // it is on; then done, unless it failed, which has been reported.
    void replayOnWorker(std::function<void(WorkProgress&)> work, std::function<void()> done);
    void setBusy(bool busy);
    void removeSpoolFile();

    UserInterface& ui_;
    const settings::Settings& settings_;
    report::DrawingState& state_;
    report::SpoolReader reader_;
    report::SpoolHeader header_;
    report::DrawingState pageStartState_;
    report::DrawingState documentStartState_;
    QSize surface_;  // twips
    int page_ = 1;
    double zoom_ = 1;
    bool passwordChecked_ = false;
    bool indexLoaded_ = false;
    bool headerLoaded_ = false;
    bool drawnOnce_ = false;
    bool busy_ = false;
    bool spoolRemoved_ = false;
    QPointer<BackgroundWork> replay_;
};

}  // namespace ui
