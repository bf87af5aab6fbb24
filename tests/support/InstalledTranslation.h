#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace test {

// The program's translation into one language, installed as the program installs it, for as
// long as it lives.
class InstalledTranslation {
public:
    explicit InstalledTranslation(const QString& language)
        : loaded_(translator_.load(QStringLiteral("tallowmere_") + language,
                                   QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(&translator_);
    }
    ~InstalledTranslation() { uninstall(); }
    // The program back in English before the end of the translation's life.
    void uninstall() { QCoreApplication::removeTranslator(&translator_); }
    InstalledTranslation(const InstalledTranslation&) = delete;
    InstalledTranslation& operator=(const InstalledTranslation&) = delete;
    bool loaded() const { return loaded_; }

private:
    QTranslator translator_;
    bool loaded_;
};

}  // namespace test
