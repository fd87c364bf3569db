#include "app/PaletteMenu.h"

#include <QActionGroup>
#include <QMenu>

namespace {

// An ampersand of a label is its own, not a menu shortcut.
QString menuText(const QString& text) {
    return QString(text).replace(u'&', QStringLiteral("&&"));
}

void addColourItem(QMenu& menu, int column, const QString& text, const ChartMenuActions& actions) {
    QAction* action = menu.addAction(text);
    action->setObjectName(QStringLiteral("colour-column-%1").arg(column));
    QObject::connect(action, &QAction::triggered, action,
                     [choose = actions.chooseColour, column] { choose(column); });
}

} // namespace

QString columnName(int column, const QString& label) {
    return label.isEmpty() ? QStringLiteral("%1 列目").arg(column) : label;
}

void addPaletteMenu(QMenu& menu, const ChartOptions& options,
                    const std::array<QString, 12>& columnLabels, const ChartMenuActions& actions) {
    QMenu* palette = menu.addMenu(QStringLiteral("パレット(&C)"));
    palette->setObjectName(QStringLiteral("palette-menu"));
    palette->menuAction()->setObjectName(QStringLiteral("palette"));
    auto* group = new QActionGroup(palette);
    const auto addPalette = [&](const QString& text, const QString& name, Palette chosen) {
        QAction* action = palette->addAction(text);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setActionGroup(group);
        action->setChecked(options.palette == chosen);
        QObject::connect(action, &QAction::triggered, action,
                         [apply = actions.changeOptions, options, chosen] {
                             ChartOptions changed = options;
                             changed.palette = chosen;
                             apply(changed);
                         });
    };
    addPalette(QStringLiteral("標準(&S)"), QStringLiteral("palette-standard"), Palette::Standard);
    addPalette(QStringLiteral("カラーユニバーサルデザイン(&U)"), QStringLiteral("palette-cud"),
               Palette::Cud);
    addPalette(QStringLiteral("選んだ色(&M)"), QStringLiteral("palette-user"), Palette::User);
    palette->addSeparator();
    for (int column = 1; column <= 12; ++column)
        addColourItem(*palette, column,
                      menuText(columnName(column, columnLabels.at(column - 1))) +
                          QStringLiteral(" の色..."),
                      actions);
}

QMenu* keyMenu(int column, const QString& label, const ChartMenuActions& actions, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("key-menu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    addColourItem(
        *menu, column,
        QStringLiteral("「%1」の色を選ぶ(&C)...").arg(menuText(columnName(column, label))),
        actions);
    return menu;
}
