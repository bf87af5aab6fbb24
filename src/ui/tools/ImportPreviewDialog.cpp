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

constexpr NamedList Lists[] = {{db::LookupTable::Genre, "genres"},
                               {db::LookupTable::Media, "media"},
                               {db::LookupTable::Rating, "ratings"},
                               {db::LookupTable::Location, "storage locations"},
                               {db::LookupTable::Actor, "actors"}};

QString summaryOf(const io::ImportPreview& preview) {
    return QStringLiteral(
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
        text += QStringLiteral("New %1: %2").arg(QLatin1String(list.plural)).arg(names.size());
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
        text += QStringLiteral("\nLines %1%2.")
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
      cmdImport(new QPushButton(QStringLiteral("&Import"), this)),
      cmdCancel(new QPushButton(QStringLiteral("&Cancel"), this)) {
    setObjectName(QStringLiteral("frmImportPreview"));
    setWindowTitle(QStringLiteral("Import Preview"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    txtDetails->setObjectName(QStringLiteral("txtDetails"));
    txtDetails->setReadOnly(true);
    txtDetails->setAccessibleName(QStringLiteral("What the import adds and passes over"));
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
