#pragma once

#include "app/CommonDialog.h"
#include "data/DataTable.h"
#include "data/EntryBoxes.h"
#include "graph/ChartLayout.h"
#include "graph/GraphSize.h"
#include "io/FileFormats.h"
#include "io/RecoveryFile.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

class Dialogs;
class Form2;
class TableEditing;
class QLineEdit;
class QRadioButton;

// The entry window: the grid of value boxes with their row and column labels, the description
// boxes, the command buttons and the size choice. It owns the dataset and the chart values, and
// the graph window from its first use.
class Form1 : public QWidget, public EntryBoxes {
    Q_OBJECT

public:
    explicit Form1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~Form1() override;

    QString value(int row, int column) const override;
    QString rowLabel(int row) const override;
    QString columnLabel(int column) const override;
    QString description(Description which) const override;
    void setValue(int row, int column, const QString& text) override;
    void setRowLabel(int row, const QString& text) override;
    void setColumnLabel(int column, const QString& text) override;
    void setDescription(Description which, const QString& text) override;

    // Loads a data file as the load button does after its dialog: the table into the boxes, the
    // path into the caption, a message when it cannot. The format is the name's extension's
    // (.csv, .xlsx, .ods), any other name's text.
    void openDataFile(const QString& path);

    // Every box and the size chosen, to keep and to bring back after a crash. Bringing back is
    // one step that undo takes back; the caption is left as it is.
    EntryState entryState() const;
    void restoreEntry(const EntryState& state);

    const DataTable& dataTable() const { return table_; }
    const PlotGeometry& plotGeometry() const { return plot_; }
    GraphSize selectedSize() const;
    const ChartOptions& chartOptions() const { return chartOptions_; }

signals:
    // The user confirmed the end of the work: the program ends at once, saving nothing.
    void quitRequested();
    // The user ended the work, with the quit button or by closing the window.
    void workEnded();
    // A box or the size choice changed.
    void entryChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A .txt or .csv file dropped on the window loads as the load button would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // ... also when it is dropped on a box, which would otherwise take the file's name as text.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (Form1Layout.cpp).
    void createGrid();
    void createLabelBoxes();
    void createDescriptions();
    void createButtons();
    void createSizeChoice();
    void createDecorations();
    void applyTabOrder();
    void watchBoxes();
    QLineEdit* addTextBox(QLineEdit* box, const QString& name, QRect geometry, int tabIndex,
                          Qt::Alignment alignment, const QString& accessibleName);
    void addTabStop(int tabIndex, QWidget* widget) { tabStops_.emplace_back(tabIndex, widget); }

    void showPathInCaption(const QString& path);
    void openDataFile(const QString& path, DataFormat format);

    // The actions.
    Form2& graphWindow();
    Form2& showGraphWindow();
    void drawColourChartCommand();
    void drawPatternChartCommand();
    using ChartDriver = ChartLayout (*)(PlotGeometry&, const DataTable&, const EntryBoxes&,
                                        GraphSurface&, GraphSize, const TextMetrics&,
                                        const ChartOptions&);
    void drawChart(const ChartDriver& driver);
    void showChartMenu(QPoint globalPos);
    // Keeps the options and redraws the chart shown, with the boxes as they are now.
    void changeChartOptions(const ChartOptions& options);
    void clearNumbersCommand();
    void clearAllCommand();
    void saveDataCommand();
    void loadDataCommand();
    void savePictureCommand();
    void loadPictureCommand();
    void loadPicture(const QString& path);
    void copyPictureCommand();
    void printCommand();
    void quitCommand();
    void chooseSize(GraphSize size);
    template <class Body> void runAction(Body&& action);

    Dialogs& dialogs_;
    CommonDialog commonDialog1_{dialogs_};
    DataTable table_;
    PlotGeometry plot_;
    ChartOptions chartOptions_;
    QPointer<Form2> form2_;
    TableEditing* editing_ = nullptr;

    std::array<std::array<QLineEdit*, 12>, 10> values_{};
    std::array<QLineEdit*, 10> rowLabels_{};
    std::array<QLineEdit*, 12> columnLabels_{};
    std::array<QLineEdit*, 5> descriptions_{};
    std::array<QRadioButton*, 3> options_{};
    std::vector<std::pair<int, QWidget*>> tabStops_;
};
