#include "bitmapfont.h"
#include "pictures.h"

#include <array>
#include <cmath>

namespace {

// Ground colour from the centre (t = 0) to the edges (t = 1), in twelfths.
constexpr std::array<QRgb, 13> ramp{0x99CC00, 0x97CA00, 0x93C700, 0x8DC200, 0x86BA00,
                                    0x7BB200, 0x6DA900, 0x5E9D00, 0x4E9500, 0x3C8D00,
                                    0x2B8600, 0x198100, 0x008000};

QRgb rampColour(double t)
{
    const double position = std::clamp(t, 0.0, 1.0) * 12.0;
    const int lower = std::min(int(position), 11);
    const double f = position - lower;
    auto mix = [f](int a, int b) { return int(std::lround(a + (b - a) * f)); };
    const QRgb a = ramp[lower];
    const QRgb b = ramp[lower + 1];
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), 0);
}

struct Line {
    const char *text;
    int capTop;
    int left, right;
};

const Line lines[] = {
    {"Palabras Correctas", 8, 10, 133},
    {"DIODO", 24, 50, 92},
    {"DIODO VARICAP", 40, 17, 125},
    {"FOTODIODO", 55, 31, 110},
    {"JFETN", 71, 53, 89},
    {"JFETP", 87, 53, 88},
    {"LED", 103, 60, 84},
    {"TRANSFORMADOR", 119, 11, 132},
    {"CON NÚCLEO", 135, 29, 113},
    {"TRANSISTOR NPN", 151, 12, 129},
    {"TRANSISTOR PNP", 167, 13, 129},
    {"UNIJUNTURA", 182, 28, 114},
    {"ZENER", 198, 51, 91},
};

} // namespace

QImage drawWordList()
{
    constexpr int width = 144;
    constexpr int height = 226;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double t = std::max(std::abs(x - 72) / 72.0, std::abs(y - 112) / 113.0);
            QRgb colour = rampColour(t);
            if (y == 0 || x == 1)
                colour = 0x008000;
            else if (x == width - 1 || y == height - 2)
                colour = 0x0A7F00;
            if (x == 0 || y == height - 1)
                colour = 0xFFFFFF;
            image.setPixel(x, y, colour);
        }
    }
    for (const Line &line : lines)
        drawTextLine(image, QString::fromUtf8(line.text), line.left, line.right, line.capTop,
                     qRgb(255, 255, 0));
    return image;
}
