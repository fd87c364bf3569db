#pragma once

#include <QString>

#include <functional>

class QAction;
class QActionGroup;
class QMenu;

// A submenu of the chart's context menu whose checkable items exclude each other, each handing
// on its choice when chosen: the order, the palette, the resolution and the page setup.
class ChoiceMenu {
public:
    // The submenu `title` of `parent`; its action is named `name`, the submenu `name`-menu.
    ChoiceMenu(QMenu& parent, const QString& title, const QString& name);

    // An item named `name`, checked where it is the choice in force.
    QAction* add(const QString& text, const QString& name, bool checked,
                 std::function<void()> choose);
    QMenu& menu() const { return *menu_; }

private:
    QMenu* menu_;
    QActionGroup* group_;
};

// A label as the text of a menu item: its ampersands are its own, not shortcuts.
QString menuText(const QString& label);
