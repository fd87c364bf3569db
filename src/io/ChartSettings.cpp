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

} // namespace

std::optional<Palette> paletteNamed(const QString& name) {
    for (const auto& [value, word] : PaletteNames)
        if (name == word)
            return value;
    return std::nullopt;
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
    // A resolution out of range, from a hand-edited file, is the screen's.
    const int dpi = settings().value(DpiKey, PictureSettings::ScreenDpi).toInt();
    if (dpi >= PictureSettings::MinDpi && dpi <= PictureSettings::MaxDpi)
        saved.dpi = dpi;
    return saved;
}

void savePictureSettings(const PictureSettings& saved) {
    settings().setValue(DpiKey, saved.dpi);
}
