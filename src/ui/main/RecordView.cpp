#include "ui/main/RecordView.h"

#include "db/MovieDetails.h"
#include "db/StoredDate.h"
#include "db/TextRoutines.h"
#include "ui/common/CoverPictureWidget.h"
#include "ui/common/FilmSitePicture.h"
#include "ui/common/TypingLimit.h"
#include "ui/main/RecordFieldText.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int NotesLimit = 255;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* lineEdit(const char* name, int typingLimit) {
    auto* edit = named(new QLineEdit, name);
    if (typingLimit > 0)
        LimitTyping(edit, typingLimit);
    return edit;
}

QComboBox* comboBox(const char* name) {
    auto* combo = named(new QComboBox, name);
    combo->setEditable(true);  // a new name may be typed; saving asks whether to add it
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Names are offered in a list below, never written into the field: "Living" must stay
    // "Living" even where "Living Room" exists.
    combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
    return combo;
}

QPushButton* button(const char* name, const char* caption) {
    return named(new QPushButton(QString::fromUtf8(caption)), name);
}

// The list's text is the movie's name, or stays empty when its id names no row.
void fillCombo(QComboBox* combo, const QStringList& names, const QString& current) {
    combo->clear();
    combo->addItems(names);
    combo->setCurrentIndex(int(names.indexOf(current)));
    combo->setEditText(current);
}

}  // namespace

RecordView::RecordView(QWidget* parent)
    : QWidget(parent),
      txtMovieId(lineEdit("txtMovieId", 0)),
      txtTitle(lineEdit("txtTitle", 100)),
      txtGenres(lineEdit("txtGenres", 0)),
      txtGenreIds(lineEdit("txtGenreIds", 0)),
      txtStars(lineEdit("txtStars", 3)),
      cboMedia(comboBox("cboMedia")),
      txtMinutes(lineEdit("txtMinutes", 4)),
      cboRating(comboBox("cboRating")),
      txtYear(lineEdit("txtYear", 4)),
      lstActors(named(new QListWidget, "lstActors")),
      cboLocation(comboBox("cboLocation")),
      txtLabelNumber(lineEdit("txtLabelNumber", 50)),
      txtDirector(lineEdit("txtDirector", 100)),
      txtProducer(lineEdit("txtProducer", 100)),
      txtCost(lineEdit("txtCost", 10)),
      txtAcquireDate(lineEdit("txtAcquireDate", 10)),
      txtLentTo(lineEdit("txtLentTo", 50)),
      txtLentDate(lineEdit("txtLentDate", 10)),
      txtNotes(named(new QPlainTextEdit, "txtNotes")),
      cmdSetGenre(button("cmdSetGenre", "Set &Genres >>")),
      cmdAddActor(button("cmdAddActor", "Add A&ctor")),
      cmdRemove(button("cmdRemove", "R&emove Actor")),
      cmdAddMovie(button("cmdAddMovie", "&Add Movie")),
      cmdDeleteMovie(button("cmdDeleteMovie", "&Delete Movie")),
      cmdSaveChanges(button("cmdSaveChanges", "&Save Changes")),
      cmdPreviousMovie(button("cmdPreviousMovie", "&Previous")),
      cmdNextMovie(button("cmdNextMovie", "&Next")),
      cmdClose(button("cmdClose", "Close")),
      imgIMDb(new FilmSitePicture),
      imgCover(new CoverPictureWidget) {
    setObjectName(QStringLiteral("recordView"));
    txtMovieId->hide();
    txtGenreIds->hide();
    txtGenres->setReadOnly(true);  // the genre dialog sets it
    txtGenres->setCursor(Qt::PointingHandCursor);
    txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotes->setTabChangesFocus(true);
    txtAcquireDate->setPlaceholderText(QStringLiteral("mm/dd/yyyy"));
    txtLentDate->setPlaceholderText(QStringLiteral("mm/dd/yyyy"));
    layOut();
    trackChanges();
    cmdSaveChanges->setEnabled(false);
}

void RecordView::layOut() {
    auto* grid = new QGridLayout;
    int row = 0;
    auto label = [this](const char* caption, QWidget* buddy) {
        auto* text = new QLabel(QString::fromUtf8(caption), this);
        text->setBuddy(buddy);
        return text;
    };
    auto field = [&](int line, int column, const char* caption, QWidget* widget, int span = 1) {
        grid->addWidget(label(caption, widget), line, column);
        grid->addWidget(widget, line, column + 1, 1, span);
    };
    field(row++, 0, "Title:", txtTitle, 4);
    auto* genres = new QHBoxLayout;
    genres->addWidget(txtGenres, 1);
    genres->addWidget(cmdSetGenre);
    grid->addWidget(label("Genres:", txtGenres), row, 0);
    grid->addLayout(genres, row++, 1, 1, 4);
    field(row, 0, "Stars:", txtStars);
    field(row++, 2, "Media:", cboMedia);
    field(row, 0, "Minutes:", txtMinutes);
    field(row++, 2, "Rating:", cboRating);
    field(row, 0, "Year:", txtYear);
    field(row++, 2, "Location:", cboLocation);
    field(row, 0, "Label #:", txtLabelNumber);
    field(row++, 2, "Cost ($):", txtCost);
    field(row++, 0, "Director:", txtDirector, 3);
    field(row++, 0, "Producer:", txtProducer, 3);
    field(row, 0, "Date acquired:", txtAcquireDate);
    field(row++, 2, "Lent To:", txtLentTo);
    field(row++, 2, "Date lent:", txtLentDate);
    grid->addWidget(imgCover, 2, 4, row - 2, 1);
    auto* castButtons = new QVBoxLayout;
    castButtons->addWidget(cmdAddActor);
    castButtons->addWidget(cmdRemove);
    castButtons->addStretch();
    grid->addWidget(label("Actors:", lstActors), row, 0, Qt::AlignTop);
    grid->addWidget(lstActors, row, 1, 1, 2);
    grid->addLayout(castButtons, row++, 3, 1, 2);
    grid->addWidget(label("My notes:", txtNotes), row, 0, Qt::AlignTop);
    grid->addWidget(txtNotes, row++, 1, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(row - 2, 2);
    grid->setRowStretch(row - 1, 1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* each :
         {cmdAddMovie, cmdDeleteMovie, cmdSaveChanges, cmdPreviousMovie, cmdNextMovie, cmdClose})
        buttons->addWidget(each);
    buttons->addStretch();
    buttons->addWidget(imgIMDb);

    auto* page = new QVBoxLayout(this);
    page->addWidget(txtMovieId);
    page->addWidget(txtGenreIds);
    page->addLayout(grid, 1);
    page->addLayout(buttons);

    // Row by row as the fields are laid out; the read-only genre text is reached by Set Genres.
    txtGenres->setFocusPolicy(Qt::NoFocus);
    QWidget* order[] = {txtTitle,    cmdSetGenre,    txtStars,       cboMedia,         txtMinutes,
                        cboRating,   txtYear,        cboLocation,    txtLabelNumber,   txtCost,
                        txtDirector, txtProducer,    txtAcquireDate, txtLentTo,        txtLentDate,
                        imgCover,    lstActors,      cmdAddActor,    cmdRemove,        txtNotes,
                        cmdAddMovie, cmdDeleteMovie, cmdSaveChanges, cmdPreviousMovie, cmdNextMovie,
                        cmdClose};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void RecordView::trackChanges() {
    auto changed = [this] {
        if (!filling_)
            emit edited();
    };
    for (QLineEdit* edit : {txtTitle, txtStars, txtMinutes, txtYear, txtDirector, txtProducer,
                            txtLabelNumber, txtCost, txtAcquireDate, txtLentTo, txtLentDate}) {
        connect(edit, &QLineEdit::textChanged, this, changed);
        edit->installEventFilter(this);  // select the whole text on focus
    }
    for (QComboBox* combo : {cboRating, cboMedia, cboLocation}) {
        connect(combo, &QComboBox::editTextChanged, this, changed);
        connect(combo, &QComboBox::activated, this, changed);
    }
    connect(txtNotes, &QPlainTextEdit::textChanged, this, [this, changed] {
        limitNotes();
        changed();
    });
    txtGenres->installEventFilter(this);
}

void RecordView::limitNotes() {
    if (filling_)
        return;  // a stored note is shown whole
    const QString text = txtNotes->toPlainText();
    if (text.size() <= NotesLimit)
        return;
    QSignalBlocker blocker(txtNotes);
    txtNotes->setPlainText(text.left(NotesLimit));
    txtNotes->moveCursor(QTextCursor::End);
}

bool RecordView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtGenres && event->type() == QEvent::MouseButtonRelease &&
        txtGenres->isEnabled()) {
        emit genresClicked();
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && edit != txtGenres)
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);  // after the click has landed
    }
    return QWidget::eventFilter(watched, event);
}

void RecordView::showMovie(const db::MovieDetails& movie, const LookupNames& names) {
    QScopedValueRollback<bool> filling(filling_, true);
    const db::MovieRecord& record = movie.record;
    lstActors->clear();
    lstActors->addItems(movie.cast);
    fillCombo(cboLocation, names.locations, movie.locationName);
    fillCombo(cboRating, names.ratings, movie.ratingName);
    fillCombo(cboMedia, names.media, movie.mediaName);
    txtGenres->setText(movie.genres.names);
    txtGenreIds->setText(movie.genres.ids);
    txtMovieId->setText(QString::number(movie.movieId));
    SetTextWithinLimit(txtStars, StarsText(record.stars));
    SetTextWithinLimit(txtTitle, record.title);
    SetTextWithinLimit(txtMinutes, WholeNumberText(record.minutes));
    SetTextWithinLimit(txtYear, WholeNumberText(record.releaseYear));
    SetTextWithinLimit(txtDirector, record.director);
    SetTextWithinLimit(txtProducer, record.producer);
    SetTextWithinLimit(txtLabelNumber, record.labelNumber);
    SetTextWithinLimit(txtAcquireDate, db::SlashDateText(record.acquireDate));
    SetTextWithinLimit(txtCost, CostText(record.cost));
    SetTextWithinLimit(txtLentTo, record.lentTo);
    SetTextWithinLimit(txtLentDate, db::SlashDateText(record.lentDate));
    txtNotes->setPlainText(record.notes);
    shown_ = record;
    shownNotes_ = txtNotes->toPlainText();
}

db::MovieRecord RecordView::typedRecord() const {
    // A field the user did not touch keeps its stored value exactly: what is shown is rounded
    // (stars to one decimal, costs to cents, dates to the day), and a save must not change it.
    auto typed = [](const QLineEdit* edit) { return edit->isModified(); };
    db::MovieRecord record = shown_;
    record.genreIds = txtGenreIds->text();
    record.title = txtTitle->text();
    record.director = txtDirector->text();
    record.producer = txtProducer->text();
    record.labelNumber = txtLabelNumber->text();
    record.lentTo = txtLentTo->text();
    if (typed(txtMinutes))
        record.minutes = WholeNumberFromText(txtMinutes->text());
    if (typed(txtYear))
        record.releaseYear = WholeNumberFromText(txtYear->text());
    if (typed(txtStars))
        record.stars = StarsFromText(txtStars->text());
    if (typed(txtCost))
        record.cost = CostFromText(txtCost->text()).value_or(db::Currency());
    if (typed(txtAcquireDate))
        record.acquireDate = db::SafeDate(txtAcquireDate->text());
    if (typed(txtLentDate))
        record.lentDate = db::SafeDate(txtLentDate->text());
    const QString notes = txtNotes->toPlainText();
    if (notes != shownNotes_)
        record.notes = notes;
    return record;
}

std::optional<RecordView::NoNumber> RecordView::fieldWithoutNumber() const {
    const std::pair<QLineEdit*, const char*> fields[] = {
        {txtStars, "Stars"}, {txtMinutes, "Minutes"}, {txtYear, "Year"}};
    for (const auto& [field, name] : fields)
        if (field->isModified() && !IsNumberText(field->text()))
            return NoNumber{field, QString::fromLatin1(name)};
    if (txtCost->isModified() && !IsCostText(txtCost->text()))
        return NoNumber{txtCost, QStringLiteral("Cost")};
    return std::nullopt;
}

bool RecordView::costIsAmount() const {
    return !txtCost->isModified() || CostFromText(txtCost->text()).has_value();
}

void RecordView::clearFields() {
    QScopedValueRollback<bool> filling(filling_, true);
    for (QLineEdit* edit : {txtMovieId, txtTitle, txtGenres, txtGenreIds, txtStars, txtMinutes,
                            txtYear, txtLabelNumber, txtDirector, txtProducer, txtCost,
                            txtAcquireDate, txtLentTo, txtLentDate})
        SetTextWithinLimit(edit, {});
    txtNotes->clear();
    for (QComboBox* combo : {cboRating, cboMedia, cboLocation})
        combo->clear();
    lstActors->clear();
    shown_ = {};
    shownNotes_.clear();
    showStoredPicture({});
}

void RecordView::showStoredPicture(const QByteArray& encoded) {
    pictureChange_ = PictureChange::None;
    pendingPicture_ = {};
    imgCover->showPicture(encoded);
}

void RecordView::replacePicture(const db::PictureData& picture) {
    pictureChange_ = PictureChange::Replaced;
    pendingPicture_ = picture;
    imgCover->showPicture(picture.picture);
}

void RecordView::removePicture() {
    pictureChange_ = PictureChange::Removed;
    pendingPicture_ = {};
    imgCover->showPicture(QByteArray());
}

void RecordView::EnableMovieFields(bool enabled) {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             txtStars,    txtTitle,    txtGenres,      cmdSetGenre,    cboMedia,  txtMinutes,
             cboRating,   txtYear,     txtDirector,    txtProducer,    lstActors, cmdAddActor,
             cmdRemove,   cboLocation, txtLabelNumber, txtAcquireDate, txtCost,   txtLentTo,
             txtLentDate, txtNotes,    cmdSaveChanges, imgCover})
        widget->setEnabled(enabled);
    imgIMDb->setGreyed(!enabled);
}

bool RecordView::fieldsEnabled() const {
    return txtTitle->isEnabled();
}

QStringList RecordView::castNames() const {
    QStringList names;
    for (int row = 0; row < lstActors->count(); ++row)
        names.append(lstActors->item(row)->text());
    return names;
}

}  // namespace ui
