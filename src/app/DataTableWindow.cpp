#include "app/DataTableWindow.h"

#include "app/ChartView.h"
#include "app/WindowAccessible.h"
#include "data/NumberFormat.h"
#include "io/TableClipboard.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int FixedColumns = 2; // the total and the share of the grand total
constexpr int MinimumWidth = 640;
constexpr int Height = 320;

// The cell's interface, as a screen reader knows it.
QAccessibleInterface* accessibleCell(QTableView* view, const QModelIndex& index) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    return table && table->tableInterface()
               ? table->tableInterface()->cellAt(index.row(), index.column())
               : nullptr;
}

void tell(QAccessibleInterface* about, QAccessible::Event change) {
    if (about) {
        QAccessibleEvent event(about, change);
        QAccessible::updateAccessibility(&event);
    }
}

// A total is a 32-bit float: its 7 digits, which the tooltips show too, grouped.
QString totalText(float total) {
    return groupedNumber(generalNumber(total, SingleDigits).toDouble());
}
} // namespace

void ChartTableModel::setReading(const std::optional<ChartReading>& reading) {
    beginResetModel();
    rows_.clear();
    columnLabels_.clear();
    if (reading) {
        const ChartLayout& layout = reading->layout();
        int lastUsed = 0;
        for (int column = 1; column <= 12; ++column)
            if (!layout.columnLabel(column).isEmpty())
                lastUsed = column;
        for (const BarLayout& bar : layout.bars) {
            Row row{bar.name.isEmpty() ? QStringLiteral("%1行").arg(bar.row) : bar.name,
                    {},
                    {},
                    bar.total,
                    bar.share};
            for (const SegmentLayout& segment : bar.segments) {
                row.values.at(segment.column - 1) = segment.value;
                row.shares.at(segment.column - 1) = segment.rowShare;
                if (segment.value != 0)
                    lastUsed = std::max(lastUsed, segment.column);
            }
            rows_.push_back(row);
        }
        // An unlabelled column goes by the letter of its boxes in the entry window.
        for (int column = 1; column <= lastUsed; ++column) {
            const QString& label = layout.columnLabel(column);
            columnLabels_.push_back(label.isEmpty() ? QString(QChar(u'A' + column - 1)) : label);
        }
    }
    endResetModel();
}

void ChartTableModel::setShowShares(bool shares) {
    if (shares == shares_)
        return;
    shares_ = shares;
    if (!rows_.empty() && !columnLabels_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, int(columnLabels_.size()) - 1));
}

int ChartTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ChartTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || rows_.empty() ? 0 : int(columnLabels_.size()) + FixedColumns;
}

QString ChartTableModel::text(int row, int column) const {
    const Row& bar = rows_.at(row);
    const int columns = int(columnLabels_.size());
    if (column < columns)
        return shares_ ? percentText(bar.shares.at(column)) : groupedNumber(bar.values.at(column));
    return column == columns ? totalText(bar.total) : percentText(bar.share);
}

QVariant ChartTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    // Screen readers do not all read a header when the row changes: the cell names its own.
    if (role == Qt::AccessibleDescriptionRole)
        return headerData(index.row(), Qt::Vertical).toString() + QStringLiteral("、") +
               headerData(index.column(), Qt::Horizontal).toString();
    return {};
}

QVariant ChartTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return rows_.at(section).label;
    const int columns = int(columnLabels_.size());
    if (section < columns)
        return columnLabels_.at(section);
    return section == columns ? QStringLiteral("合計") : QStringLiteral("全体の割合");
}

DataTableWindow::DataTableWindow(const ChartView& chart, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , view_(new QTableView(this)) {
    setObjectName(QStringLiteral("DataTable"));
    setWindowTitle(QStringLiteral("データ表"));
    setAttribute(Qt::WA_DeleteOnClose);
    installWindowAccessible();

    auto* values = new QRadioButton(QStringLiteral("値(&V)"), this);
    values->setObjectName(QStringLiteral("table-values"));
    values->setChecked(true);
    auto* shares = new QRadioButton(QStringLiteral("行の割合(&R)"), this);
    shares->setObjectName(QStringLiteral("table-shares"));
    connect(shares, &QRadioButton::toggled, this, [this](bool checked) {
        model_.setShowShares(checked);
        announceCells();
    });

    view_->setObjectName(QStringLiteral("table"));
    view_->setAccessibleName(windowTitle());
    view_->setModel(&model_);
    view_->setTabKeyNavigation(false);
    // The corner button over the row headers selects the whole table; it has no caption.
    if (auto* corner = view_->findChild<QAbstractButton*>())
        corner->setAccessibleName(QStringLiteral("すべて選択"));
    view_->installEventFilter(this);

    auto* choice = new QHBoxLayout;
    choice->addWidget(values);
    choice->addWidget(shares);
    choice->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(view_);

    const auto read = [this, &chart] {
        model_.setReading(chart.reading());
        // Current, not selected: with nothing selected a copy takes the whole table.
        view_->selectionModel()->setCurrentIndex(model_.index(0, 0), QItemSelectionModel::NoUpdate);
    };
    read();
    connect(&chart, &ChartView::readingChanged, this, read);
    openWideEnough();
    view_->setFocus(); // the first cell is what opening the window shows
}

void DataTableWindow::announceCurrentCell() {
    if (QAccessible::isActive() && view_->hasFocus() && view_->currentIndex().isValid())
        tell(accessibleCell(view_, view_->currentIndex()), QAccessible::Focus);
}

void DataTableWindow::announceCells() {
    if (!QAccessible::isActive())
        return;
    for (int r = 0; r < model_.rowCount(); ++r)
        for (int c = 0; c < model_.columnCount(); ++c)
            tell(accessibleCell(view_, model_.index(r, c)), QAccessible::NameChanged);
}

// As wide as its columns, at least as wide as it has always opened and at most the screen.
void DataTableWindow::openWideEnough() {
    view_->resizeColumnsToContents();
    const QMargins margins = layout()->contentsMargins();
    const int columns = view_->verticalHeader()->sizeHint().width() +
                        view_->horizontalHeader()->length() + 2 * view_->frameWidth() +
                        view_->verticalScrollBar()->sizeHint().width();
    const int wanted = std::max(MinimumWidth, columns + margins.left() + margins.right());
    resize(std::min(wanted, screen()->availableGeometry().width()), Height);
}

TextGrid DataTableWindow::copiedCells() const {
    TextGrid grid;
    const QModelIndexList selected = view_->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        grid.emplace_back(1); // the corner over the bars' labels
        for (int c = 0; c < model_.columnCount(); ++c)
            grid.back().push_back(model_.headerData(c, Qt::Horizontal).toString());
        for (int r = 0; r < model_.rowCount(); ++r) {
            grid.push_back({model_.headerData(r, Qt::Vertical).toString()});
            for (int c = 0; c < model_.columnCount(); ++c)
                grid.back().push_back(model_.index(r, c).data().toString());
        }
        return grid;
    }
    // The block that spans the selection, its unselected cells empty, as spreadsheets copy.
    int top = model_.rowCount(), left = model_.columnCount(), bottom = -1, right = -1;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    grid.assign(std::size_t(bottom - top + 1), std::vector<QString>(std::size_t(right - left + 1)));
    for (const QModelIndex& index : selected)
        grid.at(std::size_t(index.row() - top)).at(std::size_t(index.column() - left)) =
            index.data().toString();
    return grid;
}

void DataTableWindow::copy() {
    QApplication::clipboard()->setMimeData(tableMimeData(copiedCells()));
}

bool DataTableWindow::eventFilter(QObject* watched, QEvent* event) {
    // The view would copy only the current cell.
    if (watched == view_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copy();
        return true;
    }
    // Qt tells the focus on the table after the view has it; the current cell follows then.
    if (watched == view_ && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(this, &DataTableWindow::announceCurrentCell,
                                  Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}
