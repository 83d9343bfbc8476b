#include "answerkey.h"
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

const QString title = QStringLiteral("Palabras Correctas");

// Where each of the 13 lines stands: the row of the top of its capitals and the columns its ink
// spans. Baselines are 16 pixels apart, 15 twice.
struct LinePlace {
    int capTop;
    int left, right;
};

constexpr std::array<LinePlace, 13> places{{
    // clang-format off
    {8, 10, 133},   {24, 50, 92},   {40, 17, 125},  {55, 31, 110},  {71, 53, 89},
    {87, 53, 88},   {103, 60, 84},  {119, 11, 132}, {135, 29, 113}, {151, 12, 129},
    {167, 13, 129}, {182, 28, 114}, {198, 51, 91},
    // clang-format on
}};

// The narrowest a line can be drawn: letters 1 pixel apart, words 5.
int narrowestWidth(const QString &text)
{
    int width = 0;
    for (QChar letter : text)
        width += letter == QLatin1Char(' ') ? 5 - 1 : glyphWidth(letter) + 1;
    return width - 1;
}

// The title, then the program's own answer key in alphabetical order, a name too wide for the
// picture broken after its first word. Drawn from the key, the list cannot disagree with it.
QStringList wordListLines()
{
    QStringList lines{title};
    for (std::u16string_view expected : quiz::sortedNames()) {
        const QString name = QString::fromUtf16(expected.data(), qsizetype(expected.size()));
        if (narrowestWidth(name) > places[0].right - places[0].left + 1)
            lines << name.section(QLatin1Char(' '), 0, 0) << name.section(QLatin1Char(' '), 1);
        else
            lines << name;
    }
    return lines;
}

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
    const QStringList lines = wordListLines();
    if (lines.size() != qsizetype(places.size()))
        qFatal("picturegen: the word list has %d lines, the picture room for %d", int(lines.size()),
               int(places.size()));
    for (std::size_t i = 0; i < places.size(); ++i)
        drawTextLine(image, lines[int(i)], places[i].left, places[i].right, places[i].capTop,
                     qRgb(255, 255, 0));
    return image;
}
