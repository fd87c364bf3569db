#pragma once

#include "app/CommonDialog.h"
#include "data/TableDocument.h"
#include "graph/ChartLayout.h"
#include "graph/ChartReading.h"
#include "graph/GraphSize.h"
#include "io/FileFormats.h"
#include "io/PictureSettings.h"

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

class Dialogs;
class FileFollower;
class GraphWindow;
class TableEditing;
class QRadioButton;

// The entry window: the grid of value boxes with their row and column labels, the description
// boxes, the command buttons and the size choice, all showing the table's document, which it
// owns with the chart values and the graph window from its first use.
class EntryWindow : public QWidget {
    Q_OBJECT

public:
    explicit EntryWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    ~EntryWindow() override;

    TableDocument& document() { return document_; }
    const TableContents& contents() const { return document_.contents(); }

    // The boxes' texts as shown; setting one is as if the user typed it.
    QString value(int row, int column) const { return box(row, column)->text(); }
    QString rowLabel(int row) const { return box(row, 0)->text(); }
    QString columnLabel(int column) const { return box(0, column)->text(); }
    QString description(Description which) const;
    void setValue(int row, int column, const QString& text) { box(row, column)->setText(text); }
    void setRowLabel(int row, const QString& text) { box(row, 0)->setText(text); }
    void setColumnLabel(int column, const QString& text) { box(0, column)->setText(text); }
    void setDescription(Description which, const QString& text);

    // Loads a data file as the load button does after its dialog: the table into the boxes, the
    // path into the caption, a message when it cannot. The format is the name's extension's
    // (.csv, .xlsx, .ods), any other name's text.
    void openDataFile(const QString& path);

    const PlotGeometry& plotGeometry() const { return plot_; }
    GraphSize selectedSize() const { return document_.contents().size; }
    const ChartOptions& chartOptions() const { return chartOptions_; }

signals:
    // The user confirmed the end of the work: the program ends at once, saving nothing.
    void quitRequested();
    // The user ended the work, with the quit button or by closing the window.
    void workEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A .txt or .csv file dropped on the window loads as the load button would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // ... also when it is dropped on a box, which would otherwise take the file's name as text.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (EntryWindowLayout.cpp).
    void createGrid();
    void createLabelBoxes();
    void createDescriptions();
    void createButtons();
    void createSizeChoice();
    void createDecorations();
    void applyTabOrder();
    void watchBoxes();
    // The box at (row, column) of the dataset: the grid's boxes, and the descriptions in row 11.
    QLineEdit* box(int row, int column) const;
    QLineEdit* addTextBox(QLineEdit* box, const QString& name, QRect geometry, int tabIndex,
                          Qt::Alignment alignment, const QString& accessibleName);
    void addTabStop(int tabIndex, QWidget* widget) { tabStops_.emplace_back(tabIndex, widget); }

    void showPathInCaption(const QString& path);
    // Names the value boxes of the row (or of the column) by their labels.
    void nameValueBoxes(int row, int column);
    void showSize(GraphSize size);
    void openDataFile(const QString& path, DataFormat format);

    // The actions.
    GraphWindow& graphWindow();
    GraphWindow& showGraphWindow();
    void drawColourChartCommand();
    void drawPatternChartCommand();
    using ChartDriver = ChartLayout (*)(PlotGeometry&, const DataTable&, const TableContents&,
                                        GraphSurface&, GraphSize, const TextMetrics&,
                                        const ChartOptions&);
    void drawChart(const ChartDriver& driver);
    // Draws again the chart shown, if any, as it was drawn.
    void redrawChart();
    // The table was read again from its changed file: the chart follows and the window tells.
    void showReloaded();
    void showChartMenu(QPoint globalPos, const std::optional<ChartPlace>& place);
    // Asks for the colour of a column (1 to 12) and puts the user's colours in force.
    void chooseColumnColour(int column);
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
    void printPreviewCommand();
    void quitCommand();
    void chooseSize(GraphSize size);
    template <class Body> void runAction(Body&& action);

    Dialogs& dialogs_;
    CommonDialog commonDialog1_{dialogs_};
    TableDocument document_{startContents()};
    PlotGeometry plot_;
    ChartOptions chartOptions_;
    PictureSettings pictureSettings_;
    QPointer<GraphWindow> graphWindow_;
    TableEditing* editing_ = nullptr;
    FileFollower* follower_ = nullptr;

    std::array<std::array<QLineEdit*, 12>, 10> values_{};
    std::array<QLineEdit*, 10> rowLabels_{};
    std::array<QLineEdit*, 12> columnLabels_{};
    std::array<QLineEdit*, 5> descriptions_{};
    std::array<QRadioButton*, 3> options_{};
    std::vector<std::pair<int, QWidget*>> tabStops_;
};
