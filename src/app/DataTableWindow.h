#pragma once

#include "data/TextGrid.h"
#include "graph/ChartReading.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class ChartView;
class QTableView;

// The data of the chart shown, as a table: a row a bar in the chart's order, headed by its label,
// then its values (or their shares of the row), its total and its share of the grand total.
// Columns after the last one that has a label or a value are left out. A screen reader hears each
// cell with its row's and column's headers.
class ChartTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The chart to show; nothing empties the table.
    void setReading(const std::optional<ChartReading>& reading);
    // Each segment's share of its row instead of its value.
    void setShowShares(bool shares);
    bool showsShares() const { return shares_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        QString label;
        std::array<double, 12> values{};
        std::array<double, 12> shares{};
        float total = 0;
        double share = 0;
    };
    QString text(int row, int column) const;

    std::vector<Row> rows_;
    std::vector<QString> columnLabels_; // the columns shown
    bool shares_ = false;
};

// The window "データ表": the chart's data in a table that follows the chart drawn in the graph
// window, with a choice between values and shares of the row. Ctrl+C copies the selection, or
// the whole table with its headers, as a spreadsheet would take it. The arrows move within the
// table and Tab leaves it; a screen reader meets the current cell whenever the table has the focus
// and hears the cells change when values turn to shares.
class DataTableWindow : public QWidget {
    Q_OBJECT

public:
    // A window of the graph window `parent`, reading the chart of `chart`.
    DataTableWindow(const ChartView& chart, QWidget* parent);

    ChartTableModel& model() { return model_; }
    // The selected cells' block, or the whole table with its headers when nothing is selected.
    TextGrid copiedCells() const;
    void copy();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Tells assistive technology of the current cell's focus, or of every cell's new name.
    void announceCurrentCell();
    void announceCells();
    void openWideEnough();

    ChartTableModel model_;
    QTableView* view_;
};
