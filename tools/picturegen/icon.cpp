#include "pictures.h"

namespace {

// The 16 colours of the classic Windows palette, and their indices used here.
const QList<QRgb> vgaPalette{0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                             0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                             0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
constexpr uint Black = 0, Green = 2, Navy = 4, Silver = 7, Grey = 8, Yellow = 11, White = 15;
constexpr uint transparent = 255;

void fill(QImage &image, int x0, int y0, int x1, int y1, uint index)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            image.setPixel(x, y, index);
}

} // namespace

QImage drawWindowIcon(int size, bool colour)
{
    QImage image(size, size, QImage::Format_Indexed8);
    QList<QRgb> table = colour ? vgaPalette : QList<QRgb>{0x000000, 0xFFFFFF};
    table.resize(256, 0);
    image.setColorTable(table);
    image.setColorCount(colour ? 16 : 2);
    image.fill(transparent);

    const uint white = colour ? White : 1;
    const int s = size / 16; // 1 for the small icon, 2 for the large ones
    const int top = 2 * s - 1;
    const int bottom = size - 2 * s;
    // Frame, title bar with its close box, and the client area.
    fill(image, 0, top, size - 1, bottom, Black);
    fill(image, 1, top + 1, size - 2, top + 3 * s, colour ? Navy : Black);
    fill(image, size - 1 - 3 * s, top + 1 + s / 2, size - 2 - s, top + 3 * s - s / 2,
         colour ? Silver : white);
    fill(image, 1, top + 3 * s + 1, size - 2, bottom - 1, colour ? Silver : white);
    // Inside: a picture box, a word list and a button, as the drill's window has.
    if (colour) {
        fill(image, 2 * s, top + 5 * s, size / 2, bottom - 2 * s, White);
        fill(image, size / 2 + 2 * s, top + 5 * s, size - 3 * s, top + 8 * s, Green);
        fill(image, size / 2 + 2 * s, bottom - 4 * s, size - 3 * s, bottom - 2 * s, Yellow);
        fill(image, 3 * s, bottom - 4 * s, size / 2 - s, bottom - 3 * s, Grey);
    } else {
        fill(image, 2 * s, top + 5 * s, size / 2, bottom - 2 * s, Black);
        fill(image, 2 * s + 1, top + 5 * s + 1, size / 2 - 1, bottom - 2 * s - 1, white);
    }
    return image;
}
