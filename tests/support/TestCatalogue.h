#pragma once

#include "db/Catalogue.h"
#include "db/Connection.h"
#include "settings/Settings.h"
#include "support/QtPrinting.h"

#include <QTemporaryDir>
#include <memory>

namespace test {

// A fresh catalogue folder and settings file of one test's own, removed when the test ends.
class TestCatalogue {
public:
    TestCatalogue();

    // Opens (building when missing) the catalogue "KIB" and upgrades it to the current schema.
    db::Connection& open(const QString& name = QStringLiteral("KIB"));

    QString folder() const { return directory_.path(); }
    QString path(const QString& fileName) const { return directory_.filePath(fileName); }
    db::Catalogue& catalogue() { return catalogue_; }
    db::Connection& connection() { return catalogue_.connection(); }
    settings::Settings& settings() { return *settings_; }

private:
    QTemporaryDir directory_;
    db::Catalogue catalogue_;
    std::unique_ptr<settings::Settings> settings_;
};

}  // namespace test
