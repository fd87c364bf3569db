#include "io/ChartSettings.h"

#include <QColor>
#include <QSettings>
#include <QStringList>

#include <utility>

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
const QString PaletteKey = QStringLiteral("chart/palette");
const QString ColoursKey = QStringLiteral("chart/colours");
const QString DpiKey = QStringLiteral("picture/dpi");
const QString PaperKey = QStringLiteral("picture/paper");
const QString LandscapeKey = QStringLiteral("picture/landscape");
const QString PlacementKey = QStringLiteral("picture/placement");

// The orders by the names they are kept under, so that the file reads as words.
const std::array<std::pair<BarOrder, QLatin1String>, 3> OrderNames = {{
    {BarOrder::Input, QLatin1String("input")},
    {BarOrder::Total, QLatin1String("total")},
    {BarOrder::ColumnShare, QLatin1String("column")},
}};

const std::array<std::pair<Palette, QLatin1String>, 3> PaletteNames = {{
    {Palette::Standard, QLatin1String("standard")},
    {Palette::Cud, QLatin1String("cud")},
    {Palette::User, QLatin1String("user")},
}};

const std::array<std::pair<Paper, QLatin1String>, 6> PaperNames = {{
    {Paper::None, QLatin1String("none")},
    {Paper::A4, QLatin1String("a4")},
    {Paper::A3, QLatin1String("a3")},
    {Paper::B4, QLatin1String("b4")},
    {Paper::B5, QLatin1String("b5")},
    {Paper::Letter, QLatin1String("letter")},
}};

const std::array<std::pair<ChartPlacement, QLatin1String>, 3> PlacementNames = {{
    {ChartPlacement::TopLeft, QLatin1String("topleft")},
    {ChartPlacement::Centre, QLatin1String("centre")},
    {ChartPlacement::Fit, QLatin1String("fit")},
}};

template <class Value, std::size_t N>
std::optional<Value> named(const std::array<std::pair<Value, QLatin1String>, N>& names,
                           const QString& name) {
    for (const auto& [value, word] : names)
        if (name == word)
            return value;
    return std::nullopt;
}

template <class Value, std::size_t N>
QString nameOf(const std::array<std::pair<Value, QLatin1String>, N>& names, Value value) {
    for (const auto& [named, word] : names)
        if (named == value)
            return word;
    return {};
}

} // namespace

std::optional<Paper> paperNamed(const QString& name) {
    return named(PaperNames, name);
}

std::optional<Palette> paletteNamed(const QString& name) {
    return named(PaletteNames, name);
}

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
    options.palette = paletteNamed(kept.value(PaletteKey).toString()).value_or(Palette::Standard);
    // The colours by their #rrggbb names, an empty one for a column without its own.
    const QStringList colours = kept.value(ColoursKey).toStringList();
    for (qsizetype c = 0; c < colours.size() && c < qsizetype(options.userColours.size()); ++c)
        if (const QColor colour = QColor::fromString(colours.at(c)); colour.isValid())
            options.userColours.at(std::size_t(c)) = colour.rgb();
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
    for (const auto& [value, name] : PaletteNames)
        if (options.palette == value)
            kept.setValue(PaletteKey, QString(name));
    QStringList colours;
    for (const std::optional<QRgb>& colour : options.userColours)
        colours << (colour ? QColor(*colour).name() : QString());
    kept.setValue(ColoursKey, colours);
}

PictureSettings savedPictureSettings() {
    PictureSettings saved;
    const QSettings kept = settings();
    // A resolution out of range, from a hand-edited file, is the screen's.
    const int dpi = kept.value(DpiKey, PictureSettings::ScreenDpi).toInt();
    if (dpi >= PictureSettings::MinDpi && dpi <= PictureSettings::MaxDpi)
        saved.dpi = dpi;
    saved.page.paper = named(PaperNames, kept.value(PaperKey).toString()).value_or(Paper::None);
    if (kept.value(LandscapeKey, false).toBool())
        saved.page.orientation = PageOrientation::Landscape;
    saved.page.placement = named(PlacementNames, kept.value(PlacementKey).toString())
                               .value_or(ChartPlacement::TopLeft);
    return saved;
}

void savePictureSettings(const PictureSettings& saved) {
    QSettings kept = settings();
    kept.setValue(DpiKey, saved.dpi);
    kept.setValue(PaperKey, nameOf(PaperNames, saved.page.paper));
    kept.setValue(LandscapeKey, saved.page.orientation == PageOrientation::Landscape);
    kept.setValue(PlacementKey, nameOf(PlacementNames, saved.page.placement));
}
