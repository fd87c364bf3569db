// Builds the controls of the entry window: names, positions in twips, colours, captions,
// tooltips, fonts and tab order.
#include "app/EntryWindow.h"

#include "Version.h"
#include "app/AppIcon.h"
#include "app/LeaderLine.h"
#include "app/ValueBox.h"
#include "data/BoxNames.h"
#include "graph/Fonts.h"
#include "graph/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <limits>

namespace {

const QColor LightCyan(192, 255, 255);
const QColor LightOrange(255, 224, 192);
const QColor Teal(0, 192, 192);

constexpr int ClientWidth = 10710;
constexpr int ClientHeight = 8040;

QString columnLetter(int column) {
    return QString(QChar(u'A' + column - 1));
}

// Columns G..L are tinted, so the eye can follow the right half of a long row.
bool tinted(int column) {
    return column >= 7;
}

void setBase(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(ninePointFont(GothicFamily));
    label->setGeometry(geometry);
    return label;
}

} // namespace

QLineEdit* EntryWindow::addTextBox(QLineEdit* box, const QString& name, QRect geometry,
                                   int tabIndex, Qt::Alignment alignment,
                                   const QString& accessibleName) {
    box->setObjectName(name);
    box->setFont(ninePointFont(GothicFamily));
    box->setGeometry(geometry);
    box->setAlignment(alignment | Qt::AlignVCenter);
    box->setAccessibleName(accessibleName);
    box->setMaxLength(std::numeric_limits<int>::max()); // no limit: QLineEdit's own is 32767
    addTabStop(tabIndex, box);
    return box;
}

void EntryWindow::createGrid() {
    setObjectName(QStringLiteral("Form1"));
    showPathInCaption({});
    setWindowIcon(appIcon());
    setGeometry(twipsRect(2580, 2805, ClientWidth, ClientHeight));

    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 12; ++c) {
            const QString letter = columnLetter(c);
            QLineEdit* box =
                addTextBox(new ValueBox(this), QStringLiteral("T%1%2").arg(r).arg(letter.toLower()),
                           twipsRect(1920 + 720 * (c - 1), 360 * r, 735, 270),
                           12 * (r - 1) + (c - 1), Qt::AlignRight, valueBoxName(r, c));
            if (tinted(c))
                setBase(box, LightCyan);
            values_[r - 1][c - 1] = box;
        }

    const int rowLabelNames[] = {1, 2, 3, 4, 5, 14, 15, 16, 17, 18};
    for (int r = 1; r <= 10; ++r)
        addLabel(this, QStringLiteral("Label%1").arg(rowLabelNames[r - 1]), QString::number(r),
                 r == 10 ? twipsRect(1710, 360 * r, 255, 255) : twipsRect(1800, 360 * r, 135, 255));

    const int letterLabelNames[] = {6, 7, 8, 9, 10, 11, 12, 13, 20, 21, 31, 32};
    const int letterLefts[] = {2280, 3000, 3720, 4440, 5160, 5880,
                               6600, 7320, 8040, 8760, 9360, 10080};
    for (int c = 1; c <= 12; ++c)
        addLabel(this, QStringLiteral("Label%1").arg(letterLabelNames[c - 1]), columnLetter(c),
                 twipsRect(letterLefts[c - 1], 120, 135, 255));
}

void EntryWindow::createLabelBoxes() {
    for (int r = 1; r <= 10; ++r) {
        QLineEdit* box = addTextBox(new QLineEdit(this), QStringLiteral("Text%1").arg(r + 1),
                                    twipsRect(120, 360 * r, 1455, 270), 119 + r, Qt::AlignHCenter,
                                    rowLabelBoxName(r));
        setBase(box, LightOrange);
        rowLabels_[r - 1] = box;
    }

    for (int c = 1; c <= 12; ++c) {
        const bool firstRow = c <= 6;
        const int left = firstRow ? 1920 + 1080 * (c - 1) : 4080 + 1080 * (c - 7);
        const QString name = c <= 10 ? QStringLiteral("Text%1").arg(11 + c)
                                     : QStringLiteral("Text%1").arg(35 + c); // Text46, Text47
        QLineEdit* box = addTextBox(new QLineEdit(this), name,
                                    twipsRect(left, firstRow ? 4080 : 4440, 1095, 270), 129 + c,
                                    Qt::AlignHCenter, columnLabelBoxName(c));
        if (tinted(c))
            setBase(box, LightCyan);
        columnLabels_[c - 1] = box;
    }
}

void EntryWindow::createDescriptions() {
    struct Row {
        Description which;
        const char* box;
        QRect geometry;
        int tabIndex;
        const char* label;
        QRect labelGeometry;
    };
    const Row rows[] = {
        {Description::Title, "Text1", twipsRect(1320, 4920, 6135, 270), 142, "タイトル",
         twipsRect(600, 4950, 615, 255)},
        {Description::Source, "Text23", twipsRect(1320, 5280, 6135, 270), 143, "Label25",
         twipsRect(480, 5310, 735, 255)},
        {Description::Note, "Text24", twipsRect(1320, 5640, 6135, 270), 144, "Label26",
         twipsRect(600, 5685, 615, 255)},
        {Description::Unit, "Text22", twipsRect(9000, 5160, 1215, 270), 145, "Label24",
         twipsRect(8400, 5205, 375, 255)},
        {Description::Author, "Text25", twipsRect(9000, 5520, 1215, 270), 146, "Label27",
         twipsRect(8340, 5565, 615, 255)},
    };
    for (const Row& row : rows) {
        const QString caption = descriptionBoxName(row.which);
        addLabel(this, QString::fromUtf8(row.label), caption, row.labelGeometry);
        descriptions_[static_cast<std::size_t>(row.which) - 1] =
            addTextBox(new QLineEdit(this), QString::fromUtf8(row.box), row.geometry, row.tabIndex,
                       Qt::AlignLeft, caption);
    }
    descriptions_[0]->setText(document_.contents().description(Description::Title));
}

void EntryWindow::createButtons() {
    auto* frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFont(ninePointFont(GothicFamily));
    frame1->setGeometry(twipsRect(1800, 6120, 8775, 1455));
    frame1->lower(); // behind the buttons that stand over it

    struct Button {
        const char* name;
        const char* caption;
        const char* tooltip;
        bool inFrame;
        QRect geometry;
        int tabIndex;
        void (EntryWindow::*command)();
    };
    const Button buttons[] = {
        {"Command1", "グラフを描く", "数値をもとにグラフを描く", false,
         twipsRect(2040, 6360, 1215, 495), 150, &EntryWindow::drawColourChartCommand},
        {"Command11", "白黒グラフ", "パターンで塗りつぶす", true, twipsRect(240, 840, 1215, 495),
         195, &EntryWindow::drawPatternChartCommand},
        {"Command2", "グラフをコピー", "クリップボードへコピー", false,
         twipsRect(3360, 6720, 1335, 375), 151, &EntryWindow::copyPictureCommand},
        {"Command5", "数値を消す", "数値のみ消す", false, twipsRect(4920, 6480, 1215, 375), 152,
         &EntryWindow::clearNumbersCommand},
        {"Command8", "全てを消す", "ラベルも数値も消す", true, twipsRect(3120, 840, 1215, 375), 153,
         &EntryWindow::clearAllCommand},
        {"Command9", "データの保存", "数値をテキストファイルに保存", false,
         twipsRect(6360, 6480, 1215, 375), 154, &EntryWindow::saveDataCommand},
        {"Command10", "データの読込", "テキストファイルを読み込む", true,
         twipsRect(4560, 840, 1215, 375), 155, &EntryWindow::loadDataCommand},
        {"Command6", "グラフの保存", "グラフをBMPファイルに保存", true,
         twipsRect(6000, 360, 1215, 375), 156, &EntryWindow::savePictureCommand},
        {"Command7", "グラフの読込", "グラフを読み込む", true, twipsRect(6000, 840, 1215, 375), 157,
         &EntryWindow::loadPictureCommand},
        {"Command3", "印刷", "グラフを印刷する", false, twipsRect(9240, 6480, 1095, 375), 158,
         &EntryWindow::printCommand},
        {"Command4", "終わる", "グラフも数値も消える", false, twipsRect(9240, 6960, 1095, 375), 159,
         &EntryWindow::quitCommand},
    };
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption),
                                       b.inFrame ? static_cast<QWidget*>(frame1) : this);
        button->setObjectName(QString::fromUtf8(b.name));
        button->setToolTip(QString::fromUtf8(b.tooltip));
        button->setFont(ninePointFont(GothicFamily));
        button->setGeometry(b.geometry);
        button->setAutoDefault(false);
        button->raise();
        addTabStop(b.tabIndex, button);
        connect(button, &QPushButton::clicked, this, b.command);
    }
}

void EntryWindow::createSizeChoice() {
    auto* frame2 = new QGroupBox(QStringLiteral("グラフのサイズ"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setFont(ninePointFont(GothicFamily));
    frame2->setGeometry(twipsRect(120, 6120, 1440, 1455));

    struct Option {
        QRect geometry;
        const char* label;
        const char* caption;
        QRect labelGeometry;
        const char* secondText;
        const char* description; // the second text in words a screen reader speaks
    };
    const Option options[] = {
        {twipsRect(285, 360, 255, 180), "Label28", "標準", twipsRect(720, 360, 615, 255),
         "standard", "標準の大きさ"},
        {twipsRect(285, 675, 255, 255), "Label29", "縦長", twipsRect(720, 720, 375, 255), "tall",
         "縦に長い大きさ"},
        {twipsRect(285, 1020, 255, 255), "Label30", "横長", twipsRect(705, 1065, 375, 255), "wide",
         "横に長い大きさ"},
    };
    for (std::size_t i = 0; i < std::size(options); ++i) {
        const Option& o = options[i];
        const QString name = QStringLiteral("Option%1").arg(i + 1);
        auto* option = new QRadioButton(name, frame2);
        option->setObjectName(name);
        option->setFont(ninePointFont(GothicFamily));
        option->setGeometry(o.geometry);
        QLabel* label = addLabel(frame2, QString::fromUtf8(o.label), QString::fromUtf8(o.caption),
                                 o.labelGeometry);
        label->setToolTip(QString::fromUtf8(o.secondText));
        label->setAccessibleDescription(QString::fromUtf8(o.description));
        option->setAccessibleName(label->text());
        option->setAccessibleDescription(label->accessibleDescription());
        options_[i] = option;
        addTabStop(147 + static_cast<int>(i), option);
    }
    options_[0]->setChecked(true);
}

void EntryWindow::createDecorations() {
    addLabel(this, QStringLiteral("Label22"), QStringLiteral("行ラベル"),
             twipsRect(480, 120, 855, 255));
    addLabel(this, QStringLiteral("Label23"), QStringLiteral("列ラベル"),
             twipsRect(2160, 4440, 855, 255));

    QLabel* credit = addLabel(this, QStringLiteral("Label19"),
                              QStringLiteral("Tallyfold %1").arg(QLatin1String(TallyfoldRelease)),
                              twipsRect(9000, 7680, 1620, 300));
    credit->setFont(ninePointFont(CenturyFamily));
    QPalette palette = credit->palette();
    palette.setColor(QPalette::WindowText, Teal);
    credit->setPalette(palette);

    struct Line {
        int number;
        int fromX;
        int toX;
        int toY;
    };
    // Column by column, A to L: from the grid's bottom edge to the column's label box.
    const Line lines[] = {{1, 2280, 2280, 4080},  {2, 3000, 3480, 4080},  {3, 3720, 4560, 4080},
                          {4, 4440, 5520, 4080},  {5, 5160, 6600, 4080},  {11, 5880, 7920, 4080},
                          {12, 6600, 4560, 4440}, {10, 7320, 5640, 4440}, {9, 8040, 6840, 4440},
                          {8, 8760, 7920, 4440},  {7, 9480, 8880, 4440},  {6, 10200, 9960, 4440}};
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        const Line& l = lines[i];
        auto* line = new LeaderLine(
            QPoint(toPixels(l.fromX), toPixels(3840)), QPoint(toPixels(l.toX), toPixels(l.toY)),
            tinted(static_cast<int>(i) + 1) ? LightCyan : QColor(Qt::white), this);
        line->setObjectName(QStringLiteral("Line%1").arg(l.number));
        line->lower(); // decoration lies behind the boxes it passes
    }
}

void EntryWindow::applyTabOrder() {
    std::sort(tabStops_.begin(), tabStops_.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops_.size(); ++i)
        setTabOrder(tabStops_[i - 1].second, tabStops_[i].second);
}
