#include "graph/Fonts.h"

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
