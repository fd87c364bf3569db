#include "app/ChartOptionsMenu.h"

#include "app/AboutBox.h"
#include "app/ChoiceMenu.h"
#include "app/HelpWindow.h"
#include "app/PaletteMenu.h"

#include <QKeySequence>
#include <QMenu>

QMenu* chartOptionsMenu(const ChartOptions& options, const std::array<QString, 12>& columnLabels,
                        const ChartMenuActions& actions, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("chart-menu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Each item hands on the options in force with its one change.
    const auto addCheck = [&](const QString& text, const char* name, bool ChartOptions::*option) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        action->setChecked(options.*option);
        QObject::connect(action, &QAction::triggered, action,
                         [apply = actions.changeOptions, options, option](bool checked) {
                             ChartOptions changed = options;
                             changed.*option = checked;
                             apply(changed);
                         });
    };
    addCheck(QStringLiteral("値を表示(&V)"), "show-values", &ChartOptions::values);
    addCheck(QStringLiteral("割合を表示(&P)"), "show-percent", &ChartOptions::percent);
    addCheck(QStringLiteral("合計を表示(&T)"), "show-totals", &ChartOptions::totals);

    ChoiceMenu sort(*menu, QStringLiteral("並べ替え(&S)"), QStringLiteral("sort"));
    const auto addOrder = [&](const QString& text, const QString& name, BarOrder order,
                              int column) {
        sort.add(text, name,
                 options.order == order &&
                     (order != BarOrder::ColumnShare || options.sortColumn == column),
                 [apply = actions.changeOptions, options, order, column] {
                     ChartOptions changed = options;
                     changed.order = order;
                     changed.sortColumn = column;
                     apply(changed);
                 });
    };
    // The column of a share order stays when another order is chosen, as the chart ignores it.
    addOrder(QStringLiteral("入力順(&I)"), QStringLiteral("sort-input"), BarOrder::Input,
             options.sortColumn);
    addOrder(QStringLiteral("合計の大きい順(&T)"), QStringLiteral("sort-total"), BarOrder::Total,
             options.sortColumn);
    for (int column = 1; column <= 12; ++column) {
        const QString& label = columnLabels.at(column - 1);
        if (label.isEmpty())
            continue;
        addOrder(menuText(label) + QStringLiteral("の割合の大きい順"),
                 QStringLiteral("sort-column-%1").arg(column), BarOrder::ColumnShare, column);
    }

    addPaletteMenu(*menu, options, columnLabels, actions);

    menu->addSeparator();
    QAction* table = menu->addAction(QStringLiteral("データ表を表示(&D)"));
    table->setObjectName(QStringLiteral("show-data-table"));
    QObject::connect(table, &QAction::triggered, table, actions.showDataTable);

    menu->addSeparator();
    QAction* help = menu->addAction(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("help"));
    help->setShortcut(QKeySequence::HelpContents); // shown beside the item; the window's F1 acts
    QObject::connect(help, &QAction::triggered, parent, [parent] { showManual(parent); });
    QAction* about = menu->addAction(QStringLiteral("バージョン情報(&A)"));
    about->setObjectName(QStringLiteral("about"));
    QObject::connect(about, &QAction::triggered, parent, [parent] { showAbout(parent); });
    return menu;
}
