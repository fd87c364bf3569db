#include "graph/Fonts.h"

#include "graph/ChartLayout.h"
#include "graph/Twips.h"

#include <QFontMetrics>

#include <algorithm>

void registerFontSubstitutes() {
    static const bool registered = [] {
        QFont::insertSubstitution(GothicFamily, QStringLiteral("IPAPGothic"));
        QFont::insertSubstitution(SerifFamily, QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(CenturyFamily, QStringLiteral("C059"));
        return true;
    }();
    (void)registered;
}

QFont ninePointFont(const QString& family) {
    registerFontSubstitutes();
    QFont font(family);
    font.setPointSize(9);
    return font;
}

QFont chartFont() {
    QFont font = ninePointFont(GothicFamily);
    font.setPixelSize(12);
    // Glyphs rendered the same whatever the screen: Qt otherwise drops hinting on a scaled
    // screen, and saved pictures would depend on it.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

TextMetrics chartTextMetrics(int canvasWidth) {
    const QFontMetrics metrics(chartFont());
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
    return {width, double(metrics.height() * TwipsPerPixel)};
}
