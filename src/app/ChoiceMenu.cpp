#include "app/ChoiceMenu.h"

#include <QActionGroup>
#include <QMenu>

#include <utility>

ChoiceMenu::ChoiceMenu(QMenu& parent, const QString& title, const QString& name)
    : menu_(parent.addMenu(title))
    , group_(new QActionGroup(menu_)) {
    menu_->setObjectName(name + QStringLiteral("-menu"));
    menu_->menuAction()->setObjectName(name);
}

QAction* ChoiceMenu::add(const QString& text, const QString& name, bool checked,
                         std::function<void()> choose) {
    QAction* action = menu_->addAction(text);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setActionGroup(group_);
    action->setChecked(checked);
    QObject::connect(action, &QAction::triggered, action, std::move(choose));
    return action;
}

QString menuText(const QString& label) {
    return QString(label).replace(u'&', QStringLiteral("&&"));
}
