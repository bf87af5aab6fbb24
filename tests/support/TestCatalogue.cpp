#include "support/TestCatalogue.h"

#include "db/Upgrade.h"

namespace test {

TestCatalogue::TestCatalogue()
    : catalogue_(directory_.path()),
      settings_(
          std::make_unique<settings::Settings>(directory_.filePath(QStringLiteral("KIB.conf")))) {}

db::Connection& TestCatalogue::open(const QString& name) {
    catalogue_.OpenDatabase(name);
    while (db::ReadVersion(catalogue_.connection()) < db::CurrentSchemaVersion)
        db::UpdateDatabase(catalogue_.connection());
    return catalogue_.connection();
}

}  // namespace test
