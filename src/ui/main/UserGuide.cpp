#include "ui/main/UserGuide.h"

#include "ui/common/UserInterface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

namespace ui {

namespace {

QString readmePath() {
    const QString installed = QStringLiteral(TALLOWMERE_INSTALLED_README);
    return QFileInfo::exists(installed) ? installed : QStringLiteral(TALLOWMERE_SOURCE_README);
}

}  // namespace

QString UserGuideHtml(const QString& markdown, const QUrl& base) {
    QTextDocument document;
    document.setMarkdown(markdown);
    QString html = document.toHtml();
    const QString baseTag = QStringLiteral("<head><base href=\"%1\"/><title>%2</title>")
                                .arg(base.toString(QUrl::FullyEncoded).toHtmlEscaped(),
                                     QStringLiteral("Tallowmere Movie Database: user guide"));
    if (const qsizetype head = html.indexOf(QLatin1String("<head>")); head >= 0)
        html.replace(head, 6, baseTag);
    return html;
}

void ShowUserGuide(UserInterface& ui, QWidget* parent) {
    const QString readme = readmePath();
    QFile source(readme);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    const QString page = folder + QStringLiteral("/user-guide.html");
    QFile target(page);
    if (!source.open(QIODevice::ReadOnly) || !QDir().mkpath(folder) ||
        !target.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ui.inform(parent, QStringLiteral("Information"),
                  QStringLiteral("The user guide could not be made from '%1'.").arg(readme),
                  Icon::Information);
        return;
    }
    const QUrl base = QUrl::fromLocalFile(QFileInfo(readme).absolutePath() + u'/');
    target.write(UserGuideHtml(QString::fromUtf8(source.readAll()), base).toUtf8());
    target.close();
    if (!ui.openUrl(QUrl::fromLocalFile(page)))
        ui.inform(parent, QStringLiteral("Information"),
                  QStringLiteral("No browser could open the user guide '%1'.").arg(page),
                  Icon::Information);
}

}  // namespace ui
