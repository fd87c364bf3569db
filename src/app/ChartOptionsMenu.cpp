#include "app/ChartOptionsMenu.h"

#include "app/AboutBox.h"
#include "app/HelpWindow.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QSettings>

namespace {

// The program's own settings file, whatever names the running application was given.
QSettings settings() {
    return QSettings(QStringLiteral("tallyfold"), QStringLiteral("tallyfold"));
}

const QString ValuesKey = QStringLiteral("chart/values");
const QString PercentKey = QStringLiteral("chart/percent");
const QString TotalsKey = QStringLiteral("chart/totals");
const QString OrderKey = QStringLiteral("chart/order");
const QString SortColumnKey = QStringLiteral("chart/sortColumn");

// The orders by the names they are kept under, so that the file reads as words.
const std::array<std::pair<BarOrder, QLatin1String>, 3> OrderNames = {{
    {BarOrder::Input, QLatin1String("input")},
    {BarOrder::Total, QLatin1String("total")},
    {BarOrder::ColumnShare, QLatin1String("column")},
}};

} // namespace

ChartOptions savedChartOptions() {
    const QSettings kept = settings();
    ChartOptions options;
    options.values = kept.value(ValuesKey, false).toBool();
    options.percent = kept.value(PercentKey, false).toBool();
    options.totals = kept.value(TotalsKey, false).toBool();
    const QString order = kept.value(OrderKey).toString();
    for (const auto& [value, name] : OrderNames)
        if (order == name)
            options.order = value;
    // A column out of range, from a hand-edited file, orders by the first.
    const int column = kept.value(SortColumnKey, 1).toInt();
    options.sortColumn = column >= 1 && column <= 12 ? column : 1;
    return options;
}

void saveChartOptions(const ChartOptions& options) {
    QSettings kept = settings();
    kept.setValue(ValuesKey, options.values);
    kept.setValue(PercentKey, options.percent);
    kept.setValue(TotalsKey, options.totals);
    for (const auto& [value, name] : OrderNames)
        if (options.order == value)
            kept.setValue(OrderKey, QString(name));
    kept.setValue(SortColumnKey, options.sortColumn);
}

QMenu* chartOptionsMenu(const ChartOptions& options, const std::array<QString, 12>& columnLabels,
                        const ChartMenuActions& actions, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("chart-menu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Each item hands on the options in force with its one change.
    const auto change = [&actions, options](QAction* action, auto&& edit) {
        QObject::connect(action, &QAction::triggered, action,
                         [apply = actions.changeOptions, options, edit](bool checked) {
                             ChartOptions changed = options;
                             edit(changed, checked);
                             apply(changed);
                         });
    };
    const auto addCheck = [&](const QString& text, const char* name, bool ChartOptions::*option) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        action->setChecked(options.*option);
        change(action,
               [option](ChartOptions& changed, bool checked) { changed.*option = checked; });
    };
    addCheck(QStringLiteral("値を表示(&V)"), "show-values", &ChartOptions::values);
    addCheck(QStringLiteral("割合を表示(&P)"), "show-percent", &ChartOptions::percent);
    addCheck(QStringLiteral("合計を表示(&T)"), "show-totals", &ChartOptions::totals);

    QMenu* sort = menu->addMenu(QStringLiteral("並べ替え(&S)"));
    sort->setObjectName(QStringLiteral("sort-menu"));
    sort->menuAction()->setObjectName(QStringLiteral("sort"));
    auto* group = new QActionGroup(sort);
    const auto addOrder = [&](const QString& text, const QString& name, BarOrder order,
                              int column) {
        QAction* action = sort->addAction(text);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setActionGroup(group);
        action->setChecked(options.order == order &&
                           (order != BarOrder::ColumnShare || options.sortColumn == column));
        change(action, [order, column](ChartOptions& changed, bool) {
            changed.order = order;
            changed.sortColumn = column;
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
        // An ampersand of the label is its own, not a menu shortcut.
        addOrder(QString(label).replace(u'&', QStringLiteral("&&")) +
                     QStringLiteral("の割合の大きい順"),
                 QStringLiteral("sort-column-%1").arg(column), BarOrder::ColumnShare, column);
    }

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
