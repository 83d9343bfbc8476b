#pragma once

#include "layouttable.h"

namespace form {

// The layout is drawn at 96 dpi, where a pixel is 15 twips.
inline constexpr int designDpi = 96;
inline constexpr int twipsPerInch = 1440;

// The sunken border of a picture box, in pixels on every side at 96 dpi.
inline constexpr int pictureBoxBorder = 2;

struct PixelRect {
    int left, top, width, height;
    constexpr int right() const { return left + width; } // first column past the rectangle
    constexpr int bottom() const { return top + height; }
    constexpr bool operator==(const PixelRect &) const = default;
};

// To the nearest pixel. Position and size are converted apart, as the twips are given.
constexpr int twipsToPixels(int twips, int dpi = designDpi)
{
    return (twips * dpi + twipsPerInch / 2) / twipsPerInch;
}

// The control's rectangle relative to its container's client area: the window's, or the inside
// of the picture box's border.
constexpr PixelRect pixelRect(const ControlSpec &spec, int dpi = designDpi)
{
    return {twipsToPixels(spec.left, dpi), twipsToPixels(spec.top, dpi),
            twipsToPixels(spec.width, dpi), twipsToPixels(spec.height, dpi)};
}

// Where a picture box's children and picture lie, at 96 dpi.
constexpr PixelRect clientArea(const ControlSpec &pictureBox)
{
    const PixelRect outer = pixelRect(pictureBox);
    return {0, 0, outer.width - 2 * pictureBoxBorder, outer.height - 2 * pictureBoxBorder};
}

constexpr PixelRect formClientArea(int dpi = designDpi)
{
    return {0, 0, twipsToPixels(formClientWidth, dpi), twipsToPixels(formClientHeight, dpi)};
}

// A font's height in pixels (its em, not its line) at the given resolution.
constexpr int fontPixelSize(const FontSpec &font, int dpi = designDpi)
{
    return int(font.points * dpi / 72 + 0.5);
}

// Where a control lies at a resolution, in its container's client area, and how high its text.
struct Placement {
    PixelRect rect;
    int fontPixels;
};

constexpr Placement placement(const ControlSpec &spec, int dpi = designDpi)
{
    return {pixelRect(spec, dpi), fontPixelSize(spec.font, dpi)};
}

} // namespace form
