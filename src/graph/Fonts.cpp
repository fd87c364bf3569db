#include "graph/Fonts.h"

#include "graph/ChartLayout.h"
#include "graph/Twips.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

QString installedFamily(const QString& windowsFamily) {
    if (windowsFamily == GothicFamily)
        return QStringLiteral("IPAPGothic");
    if (windowsFamily == SerifFamily)
        return QStringLiteral("Liberation Serif");
    if (windowsFamily == CenturyFamily)
        return QStringLiteral("C059");
    return windowsFamily;
}

QFont ninePoints(const QString& family) {
    QFont font(family);
    font.setPointSize(9);
    return font;
}

} // namespace

void registerFontSubstitutes() {
    static const bool registered = [] {
        for (const QString& family : {GothicFamily, SerifFamily, CenturyFamily})
            QFont::insertSubstitution(family, installedFamily(family));
        return true;
    }();
    (void)registered;
}

QFont ninePointFont(const QString& family) {
    return ninePoints(installedFamily(family));
}

QFont chartFont(int size) {
    registerFontSubstitutes();
    QFont font = ninePoints(GothicFamily);
    font.setPixelSize(toPixels(size));
    // Glyphs rendered the same whatever the screen: Qt otherwise drops hinting on a scaled
    // screen, and saved pictures would depend on it.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

TextMetrics chartTextMetrics(int canvasWidth, int size) {
    const QFontMetrics metrics(chartFont(size));
    const auto width = [metrics, canvasWidth](const QString& text, double x) {
        const double room = canvasWidth - x;
        if (room <= 0)
            return 0.0;
        // Starts ever twice as long show whether the text reaches the edge before the whole of
        // it is measured; shaping a text costs as much as it is long.
        const double roomPixels = room / TwipsPerPixel;
        for (auto length = static_cast<qsizetype>(roomPixels) / 4 + 8; length < text.size();
             length *= 2)
            if (metrics.horizontalAdvance(text.left(length)) > roomPixels)
                return room;
        return std::min(double(metrics.horizontalAdvance(text) * TwipsPerPixel), room);
    };
    return {width, double(metrics.height() * TwipsPerPixel),
            [canvasWidth](int smaller) { return chartTextMetrics(canvasWidth, smaller); }};
}
