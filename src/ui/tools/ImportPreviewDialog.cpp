#include "ui/tools/ImportPreviewDialog.h"

#include "io/ImportPreview.h"
#include "ui/common/GroupedNumber.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

struct NamedList {
    db::LookupTable table;
    const char* plural;
};

constexpr NamedList Lists[] = {
    {db::LookupTable::Genre, QT_TRANSLATE_NOOP("ui::ImportPreviewDialog", "genres")},
    {db::LookupTable::Media, QT_TRANSLATE_NOOP("ui::ImportPreviewDialog", "media")},
    {db::LookupTable::Rating, QT_TRANSLATE_NOOP("ui::ImportPreviewDialog", "ratings")},
    {db::LookupTable::Location, QT_TRANSLATE_NOOP("ui::ImportPreviewDialog", "storage locations")},
    {db::LookupTable::Actor, QT_TRANSLATE_NOOP("ui::ImportPreviewDialog", "actors")}};

QString summaryOf(const io::ImportPreview& preview) {
    return ImportPreviewDialog::tr(
               "Movies to add: %1\nMovies to update (a movie of the same title is in "
               "the catalogue): %2")
        .arg(GroupedNumber(preview.added), GroupedNumber(preview.updated));
}

// The names each list gains, one to a line; then the lines the import passes over.
QString detailsOf(const io::ImportPreview& preview) {
    QString text;
    for (const NamedList& list : Lists) {
        const QStringList names = preview.newNames.value(list.table);
        if (!text.isEmpty())
            text += QStringLiteral("\n\n");
        text += ImportPreviewDialog::tr("New %1: %2")
                    .arg(ImportPreviewDialog::tr(list.plural))
                    .arg(names.size());
        // An empty name is a name too: it is shown, not left as a blank line.
        for (const QString& name : names)
            text += QStringLiteral("\n    ") + (name.isEmpty() ? QStringLiteral("\"\"") : name);
    }
    text += io::ImportNotes(preview.lines);
    text += preview.readingNotes;
    if (!preview.windows1252LineNumbers.isEmpty()) {
        QStringList numbers;
        for (int number : preview.windows1252LineNumbers)
            numbers.append(QString::number(number));
        text += ImportPreviewDialog::tr("\nLines %1%2.")
                    .arg(numbers.join(QStringLiteral(", ")),
                         preview.lines.windows1252Lines > numbers.size() ? QStringLiteral(", ...")
                                                                         : QString());
    }
    return text;
}

}  // namespace

ImportPreviewDialog::ImportPreviewDialog(const io::ImportPreview& preview, QWidget* parent)
    : QDialog(parent),
      lblSummary(new QLabel(summaryOf(preview), this)),
      txtDetails(new QPlainTextEdit(detailsOf(preview), this)),
      cmdImport(new QPushButton(tr("&Import"), this)),
      cmdCancel(new QPushButton(tr("&Cancel"), this)) {
    setObjectName(QStringLiteral("frmImportPreview"));
    setWindowTitle(tr("Import Preview"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    txtDetails->setObjectName(QStringLiteral("txtDetails"));
    txtDetails->setReadOnly(true);
    txtDetails->setAccessibleName(tr("What the import adds and passes over"));
    txtDetails->setMinimumSize(480, 280);
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdImport->setDefault(true);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(txtDetails);
    layout->addLayout(buttons);

    connect(cmdImport, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace ui
