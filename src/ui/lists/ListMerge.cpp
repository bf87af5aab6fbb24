#include "ui/lists/ListMerge.h"

#include "db/Catalogue.h"
#include "db/ListEntryUse.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/GroupedNumber.h"
#include "ui/common/KeepChoiceDialog.h"
#include "ui/common/UserInterface.h"
#include "ui/lists/ListEntryModel.h"
#include "ui/tools/BackupFirst.h"

#include <QCoreApplication>

namespace ui::lists {

namespace {

// "1 movie", "1,234 movies".
QString counted(int count, const char* one, const char* many) {
    return GroupedNumber(count) + u' ' +
           QCoreApplication::translate("ui::ListMerge", count == 1 ? one : many);
}

// Why nothing can be merged, or nothing when the choice can be merged.
std::optional<QString> refusal(const std::vector<ListEntry>& chosen) {
    if (chosen.empty())
        return QCoreApplication::translate(
            "ui::ListMerge",
            "Click on the entries to merge, holding Ctrl to add each one after the first.");
    if (chosen.size() == 1)
        return QCoreApplication::translate(
                   "ui::ListMerge",
                   "'%1' cannot be merged into itself.  Hold Ctrl and click the entries to merge "
                   "into it as well.")
            .arg(chosen.front().name);
    return std::nullopt;
}

}  // namespace

std::optional<int> MergeChosenEntries(UserInterface& ui, db::Catalogue& catalogue,
                                      db::LookupTable table, const std::vector<ListEntry>& chosen,
                                      QWidget* parent) {
    if (const std::optional<QString> refused = refusal(chosen)) {
        ui.inform(parent, QCoreApplication::translate("ui::ListMerge", "Information"), *refused,
                  Icon::Information);
        return std::nullopt;
    }
    QStringList choices;
    for (const ListEntry& entry : chosen)
        choices.append(
            QStringLiteral("%1  (%2)")
                .arg(entry.name, counted(entry.uses, QT_TRANSLATE_NOOP("ui::ListMerge", "movie"),
                                         QT_TRANSLATE_NOOP("ui::ListMerge", "movies"))));
    const std::optional<int> keptRow =
        ChooseWhatStays(ui, QCoreApplication::translate("ui::ListMerge", "Merge into"),
                        QCoreApplication::translate(
                            "ui::ListMerge",
                            "&Keep this entry.  The movies of the others will use it instead, and "
                            "the others will be deleted:"),
                        choices, parent);
    if (!keptRow)
        return std::nullopt;
    const ListEntry& kept = chosen[size_t(*keptRow)];
    QList<int> others;
    for (const ListEntry& entry : chosen)
        if (entry.id != kept.id)
            others.append(entry.id);

    const std::optional<QString> backup = BackUpFirst(ui, catalogue, parent);
    if (!backup)
        return std::nullopt;
    int changed = 0;
    if (!RunCommand(ui, parent, [&] {
            changed = db::MergeListEntries(catalogue.connection(), table, kept.id, others);
        }))
        return std::nullopt;
    ui.inform(parent, QCoreApplication::translate("ui::ListMerge", "Merge complete"),
              QCoreApplication::translate("ui::ListMerge", "%1 merged into '%2'.  %3 changed.")
                      .arg(counted(int(others.size()), QT_TRANSLATE_NOOP("ui::ListMerge", "entry"),
                                   QT_TRANSLATE_NOOP("ui::ListMerge", "entries")),
                           kept.name,
                           counted(changed, QT_TRANSLATE_NOOP("ui::ListMerge", "movie"),
                                   QT_TRANSLATE_NOOP("ui::ListMerge", "movies"))) +
                  BackupNote(*backup),
              Icon::Information);
    return kept.id;
}

}  // namespace ui::lists
