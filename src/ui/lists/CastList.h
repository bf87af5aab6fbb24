#pragma once

#include <QStringList>

class QListWidget;

namespace ui::lists {

// The cast of the shown movie as the actor picker sees it: the names, and adding one.
class CastList {
public:
    virtual QStringList names() const = 0;
    virtual void append(const QString& name) = 0;

protected:
    ~CastList() = default;
};

// A cast shown in a list box (the main window's lstActors).
class ListWidgetCast final : public CastList {
public:
    explicit ListWidgetCast(QListWidget& lstActors) : lstActors_(lstActors) {}
    QStringList names() const override;
    void append(const QString& name) override;

private:
    QListWidget& lstActors_;
};

// Appends name exactly as given unless an entry equal to it is there already, both sides trimmed
// of blanks and letter case ignored. True when it was appended.
bool AddToCast(CastList& cast, const QString& name);

}  // namespace ui::lists
