#include "graph/Palettes.h"

#include "graph/ChartLayout.h"

namespace {

// Twelve of the colour universal design's recommended colours (CUD version 4), the ones that
// stay furthest apart for protanopes and deuteranopes, ordered so that neighbouring columns
// differ most for every reader.
constexpr std::array<QRgb, 12> CudColours = {
    qRgb(0x03, 0xAF, 0x7A), // green
    qRgb(0x00, 0x5A, 0xFF), // blue
    qRgb(0xFF, 0xCA, 0x80), // beige
    qRgb(0x99, 0x00, 0x99), // purple
    qRgb(0xFF, 0x4B, 0x00), // red
    qRgb(0xBF, 0xE4, 0xFF), // light sky blue
    qRgb(0x80, 0x40, 0x00), // brown
    qRgb(0x4D, 0xC4, 0xFF), // sky blue
    qRgb(0xFF, 0xFF, 0x80), // cream
    qRgb(0x84, 0x91, 0x9E), // grey
    qRgb(0xFF, 0xF1, 0x00), // yellow
    qRgb(0xFF, 0xCA, 0xBF), // light pink
};

} // namespace

std::array<QRgb, 12> paletteColours(Palette palette, const UserColours& user) {
    if (palette == Palette::Cud)
        return CudColours;
    std::array<QRgb, 12> colours{};
    for (std::size_t c = 0; c < colours.size(); ++c)
        colours.at(c) = palette == Palette::User && user.at(c)
                            ? *user.at(c)
                            : tableColour(static_cast<int>(c) + 1);
    return colours;
}

QRgb columnColour(const ChartOptions& options, int column) {
    return paletteColours(options.palette, options.userColours)
        .at(static_cast<std::size_t>(column - 1));
}
