#include "app/Form1.h"

#include "app/ChartOptionsMenu.h"
#include "app/Dialogs.h"
#include "app/Form2.h"
#include "app/PictureBox.h"
#include "app/TableEditing.h"
#include "data/InputData.h"
#include "data/OutputData.h"
#include "data/Result.h"
#include "data/RuntimeError.h"
#include "graph/Canvas.h"
#include "graph/ChartReading.h"
#include "graph/ColourChart.h"
#include "graph/Fonts.h"
#include "graph/ImageCanvas.h"
#include "graph/PatternChart.h"
#include "graph/SizeOption.h"
#include "io/ChartFile.h"
#include "io/Clipboard.h"
#include "io/DroppedFile.h"
#include "io/PictureFile.h"
#include "io/Printing.h"
#include "io/TableFiles.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {
std::size_t descriptionIndex(Description which) {
    return static_cast<std::size_t>(which) - 1;
}

const QStringList DataFileSuffixes = {QStringLiteral("txt"), QStringLiteral("csv"),
                                      QStringLiteral("xlsx"), QStringLiteral("ods"),
                                      QStringLiteral("tsv")};
} // namespace

Form1::Form1(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , dialogs_(dialogs)
    , chartOptions_(savedChartOptions()) {
    createGrid();
    createLabelBoxes();
    createDescriptions();
    createSizeChoice();
    createButtons();
    createDecorations();
    // Only now, when every control has a font of its own: a control made earlier would lay out
    // its text in the window's font first, and load it for nothing.
    setFont(ninePointFont(SerifFamily));
    applyTabOrder();
    watchBoxes();

    const auto onClick = [this](const char* name, void (Form1::*handler)()) {
        connect(findChild<QPushButton*>(QString::fromLatin1(name)), &QPushButton::clicked, this,
                handler);
    };
    onClick("Command1", &Form1::drawColourChartCommand);
    onClick("Command11", &Form1::drawPatternChartCommand);
    onClick("Command5", &Form1::clearNumbersCommand);
    onClick("Command8", &Form1::clearAllCommand);
    onClick("Command9", &Form1::saveDataCommand);
    onClick("Command10", &Form1::loadDataCommand);
    onClick("Command6", &Form1::savePictureCommand);
    onClick("Command7", &Form1::loadPictureCommand);
    onClick("Command2", &Form1::copyPictureCommand);
    onClick("Command3", &Form1::printCommand);
    onClick("Command4", &Form1::quitCommand);
    const GraphSize sizes[] = {GraphSize::Standard, GraphSize::Tall, GraphSize::Wide};
    for (std::size_t i = 0; i < options_.size(); ++i)
        connect(options_[i], &QRadioButton::clicked, this,
                [this, size = sizes[i]] { chooseSize(size); });

    values_[0][0]->setFocus();
    setAcceptDrops(true);
}

Form1::~Form1() {
    delete form2_;
}

QString Form1::value(int row, int column) const {
    return values_.at(row - 1).at(column - 1)->text();
}

QString Form1::rowLabel(int row) const {
    return rowLabels_.at(row - 1)->text();
}

QString Form1::columnLabel(int column) const {
    return columnLabels_.at(column - 1)->text();
}

QString Form1::description(Description which) const {
    return descriptions_.at(descriptionIndex(which))->text();
}

void Form1::setValue(int row, int column, const QString& text) {
    values_.at(row - 1).at(column - 1)->setText(text);
}

void Form1::setRowLabel(int row, const QString& text) {
    rowLabels_.at(row - 1)->setText(text);
}

void Form1::setColumnLabel(int column, const QString& text) {
    columnLabels_.at(column - 1)->setText(text);
}

void Form1::setDescription(Description which, const QString& text) {
    descriptions_.at(descriptionIndex(which))->setText(text);
}

GraphSize Form1::selectedSize() const {
    if (options_[1]->isChecked())
        return GraphSize::Tall;
    if (options_[2]->isChecked())
        return GraphSize::Wide;
    return GraphSize::Standard;
}

EntryState Form1::entryState() const {
    return {BoxesSnapshot::take(*this), selectedSize()};
}

void Form1::restoreEntry(const EntryState& state) {
    editing_->record(QStringLiteral("復元"),
                     [&] { state.boxes.restoreChanged(*this, BoxesSnapshot::take(*this)); });
    if (state.size != selectedSize())
        options_.at(static_cast<std::size_t>(state.size))->click();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the entry window ends the program, the graph window included.
    if (form2_)
        form2_->close();
    event->accept();
    emit workEnded();
}

void Form1::showPathInCaption(const QString& path) {
    // Qt reads "[*]" in a caption as the place of the modified marker; doubled, it shows as is.
    setWindowTitle(QString(path).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFile(event->mimeData(), DataFileSuffixes))
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    if (const std::optional<QString> path = droppedFile(event->mimeData(), DataFileSuffixes)) {
        event->acceptProposedAction();
        openDataFile(*path);
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (droppedFile(static_cast<QDropEvent*>(event)->mimeData(), DataFileSuffixes)) {
            event->ignore(); // on to the window
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

Form2& Form1::graphWindow() {
    if (!form2_) {
        form2_ = new Form2;
        form2_->setWindowIcon(windowIcon());
        connect(form2_, &Form2::pictureDropped, this, [this](const QString& path) {
            graphWindow().canvas().cls();
            loadPicture(path);
        });
        connect(&form2_->pictureBox(), &PictureBox::menuRequested, this, &Form1::showChartMenu);
        // Top right of the screen, clear of the entry window's buttons.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            form2_->move(area.right() + 1 - form2_->width(), area.top());
        }
    }
    return *form2_;
}

template <class Body> void Form1::runAction(Body&& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        dialogs_.reportError(this, error.message());
        // The user can type the correction at once into the box that failed.
        if (error.valueBox) {
            QLineEdit* box = values_.at(error.valueBox->first - 1).at(error.valueBox->second - 1);
            box->setFocus();
            box->selectAll();
        }
    }
}

Form2& Form1::showGraphWindow() {
    Form2& graph = graphWindow();
    graph.show();
    graph.raise();
    return graph;
}

void Form1::drawColourChartCommand() {
    drawChart(drawColourChart);
}

void Form1::drawPatternChartCommand() {
    drawChart(drawPatternChart);
}

void Form1::drawChart(const ChartDriver& driver) {
    runAction([&] {
        inputData(*this, table_);
        Form2& graph = showGraphWindow();
        // Only a chart drawn whole is kept for reading.
        graph.pictureBox().setReading(
            ChartReading(driver(plot_, table_, *this, graph, selectedSize(),
                                chartTextMetrics(NewCanvasWidth), chartOptions_)));
        graph.picture().setTitle(description(Description::Title));
    });
}

void Form1::showChartMenu(QPoint globalPos) {
    std::array<QString, DataTable::DataColumns> labels;
    for (int c = 1; c <= DataTable::DataColumns; ++c)
        labels.at(c - 1) = columnLabel(c);
    const ChartMenuActions actions{
        [this](const ChartOptions& options) { changeChartOptions(options); },
        [this] { graphWindow().showDataTable(); }};
    chartOptionsMenu(chartOptions_, labels, actions, &graphWindow())->popup(globalPos);
}

void Form1::changeChartOptions(const ChartOptions& options) {
    chartOptions_ = options;
    saveChartOptions(options);
    if (!form2_)
        return;
    // Only a chart drawn whole is read, and so redrawn: nothing else is on the canvas as a chart.
    if (const std::optional<ChartReading>& shown = form2_->pictureBox().reading())
        drawChart(shown->layout().kind == ChartKind::Colour ? drawColourChart : drawPatternChart);
}

void Form1::watchBoxes() {
    editing_ = new TableEditing(*this, dialogs_, this);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
    for (int r = 1; r <= DataTable::DataRows; ++r) {
        editing_->addBox(rowLabels_[r - 1], QPoint(0, r));
        for (int c = 1; c <= DataTable::DataColumns; ++c)
            editing_->addBox(values_[r - 1][c - 1], QPoint(c, r));
    }
    for (int c = 1; c <= DataTable::DataColumns; ++c)
        editing_->addBox(columnLabels_[c - 1], QPoint(c, 0));
    for (QLineEdit* box : descriptions_)
        editing_->addBox(box, std::nullopt);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        connect(box, &QLineEdit::textChanged, this, &Form1::entryChanged);
    for (QRadioButton* option : options_)
        connect(option, &QRadioButton::toggled, this, &Form1::entryChanged);
}

void Form1::clearNumbersCommand() {
    editing_->record(QStringLiteral("数値を消す"), [this] { textClr1(*this); });
}

void Form1::clearAllCommand() {
    editing_->record(QStringLiteral("全てを消す"), [this] {
        textClr1(*this);
        textClr2(*this);
    });
    graphWindow().canvas().cls();
}

void Form1::saveDataCommand() {
    runAction([this] {
        inputData(*this, table_);
        const std::optional<QString> path = commonDialog1_.showSave(this, DataFilter);
        if (!path)
            return;
        const Result<LossyCells> saved =
            saveTable(*path, dataFormat(*path, commonDialog1_.filterIndex()), table_);
        if (!saved) {
            dialogs_.warn(this, failureMessage(saved.failure()));
            return;
        }
        showPathInCaption(*path);
        if (const QString message = lossyCellsMessage(*path, *saved); !message.isEmpty())
            dialogs_.warn(this, message);
    });
}

void Form1::loadDataCommand() {
    if (const std::optional<QString> path = commonDialog1_.showOpen(this, DataOpenFilter))
        openDataFile(*path, dataFormat(*path, commonDialog1_.filterIndex()));
}

void Form1::openDataFile(const QString& path) {
    openDataFile(path, dataFormat(path, 1));
}

void Form1::openDataFile(const QString& path, DataFormat format) {
    bool cancelled = false;
    const SheetRequest sheet{{}, [&](const QStringList& sheets) {
                                 const std::optional<qsizetype> chosen =
                                     dialogs_.askSheet(this, path, sheets);
                                 cancelled = !chosen;
                                 return chosen;
                             }};
    const Result<LoadedTable> loaded = loadTable(path, format, sheet);
    if (!loaded) {
        if (!cancelled)
            dialogs_.warn(this, failureMessage(loaded.failure()));
        return;
    }
    showPathInCaption(path);
    if (loaded->dataFile)
        table_ = *loaded->dataFile;
    editing_->record(QStringLiteral("データの読込"), [&] { fillBoxes(*this, *loaded); });
    if (!loaded->notice.isEmpty())
        dialogs_.warn(this, loaded->notice);
}

void Form1::savePictureCommand() {
    const std::optional<QString> path = commonDialog1_.showSave(this, PictureSaveFilter);
    if (!path)
        return;
    const PictureFormat format = pictureFormat(*path, commonDialog1_.filterIndex());
    if (const Result<void> saved = saveChart(graphWindow().picture(), *path, format); !saved)
        dialogs_.warn(this, failureMessage(saved.failure()));
}

void Form1::loadPictureCommand() {
    graphWindow().canvas().cls();
    if (const std::optional<QString> path = commonDialog1_.showOpen(this, BitmapFilter))
        loadPicture(*path);
}

void Form1::loadPicture(const QString& path) {
    const Result<QImage> loaded = ::loadPicture(path);
    if (!loaded) {
        dialogs_.warn(this, failureMessage(loaded.failure()));
        return;
    }
    graphWindow().picture().setPicture(*loaded);
}

void Form1::copyPictureCommand() {
    // Reported as the numbered error it has always been.
    if (const Result<void> copied = copyPicture(graphWindow().picture()); !copied)
        dialogs_.reportError(this, failureMessage(copied.failure()));
}

void Form1::printCommand() {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    if (!dialogs_.askPrinter(this, printer))
        return;
    if (const Result<void> printed = printPicture(printer, graphWindow().picture()); !printed)
        dialogs_.warn(this, failureMessage(printed.failure()));
}

void Form1::quitCommand() {
    if (dialogs_.ask(this, quitQuestion()) == QMessageBox::Yes) {
        emit workEnded();
        emit quitRequested();
    }
}

void Form1::chooseSize(GraphSize size) {
    applySizeOption(plot_, graphWindow(), size);
}
