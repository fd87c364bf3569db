#include "app/EntryWindow.h"

#include "app/ChartOptionsMenu.h"
#include "app/ChartView.h"
#include "app/Dialogs.h"
#include "app/FileFollower.h"
#include "app/GraphWindow.h"
#include "app/HelpWindow.h"
#include "app/PageMenu.h"
#include "app/PaletteMenu.h"
#include "app/PictureMenu.h"
#include "app/TableEditing.h"
#include "app/WindowAccessible.h"
#include "data/BoxNames.h"
#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/OutputData.h"
#include "data/Result.h"
#include "data/RuntimeError.h"
#include "graph/Canvas.h"
#include "graph/ChartReading.h"
#include "graph/ColourChart.h"
#include "graph/Fonts.h"
#include "graph/ImageCanvas.h"
#include "graph/Palettes.h"
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

const QString StartCaption = QStringLiteral("Tallyfold v22");

// Whether the descriptions hold anything beyond what a new window shows.
bool holdsDescriptions(const TableContents& contents) {
    for (std::size_t i = 0; i < contents.descriptions.size(); ++i)
        if (!contents.descriptionUntouched(i))
            return true;
    return false;
}

Question csvWithoutDescriptionsQuestion() {
    return {QStringLiteral("CSV には表題・単位・出典・注・作成者は保存されません。保存しますか?"),
            QStringLiteral("データの保存"), QMessageBox::Question,
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
}

const QStringList DataFileSuffixes = {QStringLiteral("txt"), QStringLiteral("csv"),
                                      QStringLiteral("xlsx"), QStringLiteral("ods"),
                                      QStringLiteral("tsv")};
} // namespace

EntryWindow::EntryWindow(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , dialogs_(dialogs)
    , chartOptions_(savedChartOptions())
    , pictureSettings_(savedPictureSettings()) {
    installWindowAccessible();
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
    follower_ = new FileFollower(document_, dialogs_, this);
    connect(follower_, &FileFollower::reloaded, this, &EntryWindow::showReloaded);

    const GraphSize sizes[] = {GraphSize::Standard, GraphSize::Tall, GraphSize::Wide};
    for (std::size_t i = 0; i < options_.size(); ++i)
        connect(options_[i], &QRadioButton::clicked, this,
                [this, size = sizes[i]] { chooseSize(size); });

    values_[0][0]->setFocus();
    setAcceptDrops(true);
    installHelpKey(this);
}

EntryWindow::~EntryWindow() {
    delete graphWindow_;
}

QString EntryWindow::description(Description which) const {
    return descriptions_.at(descriptionIndex(which))->text();
}

void EntryWindow::setDescription(Description which, const QString& text) {
    descriptions_.at(descriptionIndex(which))->setText(text);
}

QLineEdit* EntryWindow::box(int row, int column) const {
    if (row == DataTable::DescriptionRow)
        return descriptions_.at(static_cast<std::size_t>(column) - 1);
    if (row == 0)
        return columnLabels_.at(static_cast<std::size_t>(column) - 1);
    if (column == 0)
        return rowLabels_.at(static_cast<std::size_t>(row) - 1);
    return values_.at(static_cast<std::size_t>(row) - 1).at(static_cast<std::size_t>(column) - 1);
}

void EntryWindow::closeEvent(QCloseEvent* event) {
    // Closing the entry window ends the program, the graph window included.
    if (graphWindow_)
        graphWindow_->close();
    event->accept();
    emit workEnded();
}

void EntryWindow::showSize(GraphSize size) {
    options_.at(static_cast<std::size_t>(size))->setChecked(true);
    applySizeOption(plot_, graphWindow(), size);
}

void EntryWindow::showPathInCaption(const QString& path) {
    setAccessibleName(windowAccessibleName({}, path));
    if (graphWindow_)
        graphWindow_->setFile(path);
    if (path.isEmpty()) {
        setWindowTitle(StartCaption); // back before the first file
        return;
    }
    // Qt reads "[*]" in a caption as the place of the modified marker; doubled, it shows as is.
    setWindowTitle(QString(path).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

void EntryWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFile(event->mimeData(), DataFileSuffixes))
        event->acceptProposedAction();
}

void EntryWindow::dropEvent(QDropEvent* event) {
    if (const std::optional<QString> path = droppedFile(event->mimeData(), DataFileSuffixes)) {
        event->acceptProposedAction();
        openDataFile(*path);
    }
}

bool EntryWindow::eventFilter(QObject* watched, QEvent* event) {
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

GraphWindow& EntryWindow::graphWindow() {
    if (!graphWindow_) {
        graphWindow_ = new GraphWindow;
        graphWindow_->setWindowIcon(windowIcon());
        graphWindow_->setFile(document_.contents().file);
        connect(graphWindow_, &GraphWindow::pictureDropped, this, [this](const QString& path) {
            graphWindow().canvas().cls();
            loadPicture(path);
        });
        connect(&graphWindow_->chartView(), &ChartView::menuRequested, this,
                &EntryWindow::showChartMenu);
        // Top right of the screen, clear of the entry window's buttons.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            graphWindow_->move(area.right() + 1 - graphWindow_->width(), area.top());
        }
    }
    return *graphWindow_;
}

template <class Body> void EntryWindow::runAction(Body&& action) {
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

GraphWindow& EntryWindow::showGraphWindow() {
    GraphWindow& graph = graphWindow();
    graph.show();
    graph.raise();
    return graph;
}

void EntryWindow::drawColourChartCommand() {
    drawChart(drawColourChart);
}

void EntryWindow::drawPatternChartCommand() {
    drawChart(drawPatternChart);
}

void EntryWindow::drawChart(const ChartDriver& driver) {
    runAction([&] {
        const TableContents& contents = document_.contents();
        DataTable table;
        inputData(contents, table);
        GraphWindow& graph = showGraphWindow();
        ChartLayout drawn = driver(plot_, table, contents, graph, contents.size,
                                   chartTextMetrics(NewCanvasWidth), chartOptions_);
        if (drawn.failure) {
            dialogs_.reportError(this, failureMessage(drawn.failure->failure));
            return;
        }
        // Only a chart drawn whole is kept for reading.
        graph.chartView().setReading(ChartReading(std::move(drawn)));
        graph.picture().setTitle(contents.description(Description::Title));
    });
}

void EntryWindow::showChartMenu(QPoint globalPos, const std::optional<ChartPlace>& place) {
    std::array<QString, DataTable::DataColumns> labels;
    for (int c = 1; c <= DataTable::DataColumns; ++c)
        labels.at(c - 1) = document_.contents().columnLabel(c);
    const ChartMenuActions actions{
        [this](const ChartOptions& options) { changeChartOptions(options); },
        [this] { graphWindow().showDataTable(); },
        [this](int column) { chooseColumnColour(column); }};
    const std::optional<ChartReading>& shown = graphWindow().chartView().reading();
    // A colour chart's legend key has its own menu, for its column's colour.
    if (place && place->kind == ChartPlace::Kind::Key && shown &&
        shown->layout().kind == ChartKind::Colour) {
        const KeyLayout& key = shown->layout().keys.at(std::size_t(place->item));
        keyMenu(key.column, key.label.text, actions, &graphWindow())->popup(globalPos);
        return;
    }
    QMenu* menu = chartOptionsMenu(chartOptions_, labels, actions, &graphWindow());
    menu->addSeparator();
    addPictureMenu(*menu, pictureSettings_, [this](const PictureSettings& settings) {
        pictureSettings_ = settings;
        savePictureSettings(settings);
    });
    addPageMenu(*menu, pictureSettings_.page, [this](const PageSetup& page) {
        pictureSettings_.page = page;
        savePictureSettings(pictureSettings_);
    });
    QAction* preview = menu->addAction(QStringLiteral("印刷プレビュー(&V)..."));
    preview->setObjectName(QStringLiteral("print-preview"));
    connect(preview, &QAction::triggered, this, &EntryWindow::printPreviewCommand);
    menu->popup(globalPos);
}

void EntryWindow::chooseColumnColour(int column) {
    const QString title = QStringLiteral("「%1」の色")
                              .arg(columnName(column, document_.contents().columnLabel(column)));
    const std::optional<QRgb> chosen =
        dialogs_.askColour(&graphWindow(), columnColour(chartOptions_, column), title);
    if (!chosen)
        return;
    ChartOptions options = chartOptions_;
    options.userColours.at(std::size_t(column - 1)) = *chosen;
    options.palette = Palette::User;
    changeChartOptions(options);
}

void EntryWindow::changeChartOptions(const ChartOptions& options) {
    chartOptions_ = options;
    saveChartOptions(options);
    redrawChart();
}

void EntryWindow::redrawChart() {
    if (!graphWindow_)
        return;
    // Only a chart drawn whole is read, and so redrawn: nothing else is on the canvas as a chart.
    if (const std::optional<ChartReading>& shown = graphWindow_->chartView().reading())
        drawChart(shown->layout().kind == ChartKind::Colour ? drawColourChart : drawPatternChart);
}

void EntryWindow::showReloaded() {
    redrawChart();
    if (graphWindow_)
        graphWindow_->tell(QStringLiteral("ファイルが更新されたため読み込み直しました"));
}

void EntryWindow::watchBoxes() {
    editing_ = new TableEditing(document_, dialogs_, this);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
    for (int r = 0; r <= DataTable::DescriptionRow; ++r)
        for (int c = 0; c < DataTable::Columns; ++c) {
            if (!isBox(r, c))
                continue;
            QLineEdit* shown = box(r, c);
            editing_->addBox(shown, r, c);
            // Any change of the text, typed or set, goes to the document; its own changes come
            // back as the text the box already has.
            connect(shown, &QLineEdit::textChanged, this,
                    [this, r, c](const QString& text) { document_.type(r, c, text); });
            connect(shown, &QLineEdit::editingFinished, &document_, &TableDocument::endTyping);
        }
    connect(&document_, &TableDocument::boxChanged, this,
            [this](int r, int c, const QString& text) {
                if (QLineEdit* shown = box(r, c); shown->text() != text)
                    shown->setText(text);
            });
    connect(&document_, &TableDocument::boxChanged, this, &EntryWindow::nameValueBoxes);
    connect(&document_, &TableDocument::sizeChanged, this, &EntryWindow::showSize);
    connect(&document_, &TableDocument::fileChanged, this, &EntryWindow::showPathInCaption);
}

void EntryWindow::nameValueBoxes(int row, int column) {
    const bool rowLabel = column == 0 && row >= 1 && row <= DataTable::DataRows;
    const bool columnLabel = row == 0 && column >= 1 && column <= DataTable::DataColumns;
    if (!rowLabel && !columnLabel)
        return;
    for (int r = 1; r <= DataTable::DataRows; ++r)
        for (int c = 1; c <= DataTable::DataColumns; ++c)
            if ((rowLabel && r == row) || (columnLabel && c == column))
                box(r, c)->setAccessibleName(valueBoxName(document_.contents(), r, c));
}

void EntryWindow::clearNumbersCommand() {
    TableContents cleared = document_.contents();
    textClr1(cleared);
    follower_->stop();
    document_.replace(QStringLiteral("数値を消す"), cleared);
}

void EntryWindow::clearAllCommand() {
    TableContents cleared = document_.contents();
    textClr1(cleared);
    textClr2(cleared);
    follower_->stop();
    document_.replace(QStringLiteral("全てを消す"), cleared);
    graphWindow().canvas().cls();
}

void EntryWindow::saveDataCommand() {
    runAction([this] {
        const TableContents& contents = document_.contents();
        DataTable table;
        inputData(contents, table); // a number that cannot be read is told before the dialog
        const std::optional<QString> path = commonDialog1_.showSave(this, DataFilter);
        if (!path)
            return;
        const DataFormat format = dataFormat(*path, commonDialog1_.filterIndex());
        if (format == DataFormat::Csv && holdsDescriptions(contents) &&
            dialogs_.ask(this, csvWithoutDescriptionsQuestion()) != QMessageBox::Yes)
            return;
        // The program's own save is no change to follow; the saved file is followed after it.
        const QString followed = follower_->path();
        follower_->stop();
        const Result<LossyCells> saved = saveTable(*path, format, contents);
        if (!saved) {
            if (!followed.isEmpty())
                follower_->follow(followed, {});
            dialogs_.warn(this, failureMessage(saved.failure()));
            return;
        }
        document_.setFile(*path);
        follower_->follow(*path, {});
        if (const QString message = lossyCellsMessage(*path, *saved); !message.isEmpty())
            dialogs_.warn(this, message);
    });
}

void EntryWindow::loadDataCommand() {
    if (const std::optional<QString> path = commonDialog1_.showOpen(this, DataOpenFilter))
        openDataFile(*path, dataFormat(*path, commonDialog1_.filterIndex()));
}

void EntryWindow::openDataFile(const QString& path) {
    openDataFile(path, dataFormat(path, 1));
}

void EntryWindow::openDataFile(const QString& path, DataFormat format) {
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
    TableContents read = document_.contents();
    fillBoxes(read, *loaded);
    read.file = path;
    document_.replace(QStringLiteral("データの読込"), read);
    follower_->follow(path, loaded->sheet);
    // Loaded again as it was: the caption still names the file.
    showPathInCaption(path);
    if (const QString told = loadedNotice(*loaded); !told.isEmpty())
        dialogs_.warn(this, told);
}

void EntryWindow::savePictureCommand() {
    const std::optional<QString> path = commonDialog1_.showSave(this, PictureSaveFilter);
    if (!path)
        return;
    const PictureFormat format = pictureFormat(*path, commonDialog1_.filterIndex());
    if (const Result<void> saved =
            saveChart(graphWindow().picture(), *path, format, NewFile::Synced, pictureSettings_);
        !saved)
        dialogs_.warn(this, failureMessage(saved.failure()));
}

void EntryWindow::loadPictureCommand() {
    graphWindow().canvas().cls();
    if (const std::optional<QString> path = commonDialog1_.showOpen(this, BitmapFilter))
        loadPicture(*path);
}

void EntryWindow::loadPicture(const QString& path) {
    const Result<QImage> loaded = ::loadPicture(path);
    if (!loaded) {
        dialogs_.warn(this, failureMessage(loaded.failure()));
        return;
    }
    graphWindow().picture().setPicture(*loaded);
}

void EntryWindow::copyPictureCommand() {
    // Reported as the numbered error it has always been.
    if (const Result<void> copied = copyPicture(graphWindow().picture()); !copied)
        dialogs_.reportError(this, failureMessage(copied.failure()));
}

void EntryWindow::printCommand() {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, pictureSettings_.page);
    if (!dialogs_.askPrinter(this, printer))
        return;
    if (const Result<void> printed =
            printPicture(printer, graphWindow().picture(), pictureSettings_.page);
        !printed)
        dialogs_.warn(this, failureMessage(printed.failure()));
}

void EntryWindow::printPreviewCommand() {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, pictureSettings_.page);
    dialogs_.showPrintPreview(&graphWindow(), printer, [this](QPrinter& target) {
        if (const Result<void> printed =
                printPicture(target, graphWindow().picture(), pictureSettings_.page);
            !printed)
            dialogs_.warn(this, failureMessage(printed.failure()));
    });
}

void EntryWindow::quitCommand() {
    if (dialogs_.ask(this, quitQuestion()) == QMessageBox::Yes) {
        emit workEnded();
        emit quitRequested();
    }
}

void EntryWindow::chooseSize(GraphSize size) {
    if (size != document_.contents().size)
        document_.setSize(size); // shown through the document
    else
        applySizeOption(plot_, graphWindow(), size);
}
