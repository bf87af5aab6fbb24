#pragma once

#include <gtest/gtest.h>
#include <QProcess>
#include <QString>

namespace test {

// The stock sqlite3 tool run on the file, as another program would; what it prints. Only the
// test programs that are told where the tool is (TALLOWMERE_SQLITE3) include this.
inline QString StockSqlite(const QString& path, const QString& sql) {
    QProcess tool;
    tool.start(QStringLiteral(TALLOWMERE_SQLITE3), {path, sql});
    EXPECT_TRUE(tool.waitForFinished());
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

}  // namespace test
