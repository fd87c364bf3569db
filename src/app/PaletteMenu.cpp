#include "app/PaletteMenu.h"

#include "app/ChoiceMenu.h"

#include <QMenu>

namespace {

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
    ChoiceMenu palette(menu, QStringLiteral("パレット(&C)"), QStringLiteral("palette"));
    const auto addPalette = [&](const QString& text, const QString& name, Palette chosen) {
        palette.add(text, name, options.palette == chosen,
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
    palette.menu().addSeparator();
    for (int column = 1; column <= 12; ++column)
        addColourItem(palette.menu(), column,
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
