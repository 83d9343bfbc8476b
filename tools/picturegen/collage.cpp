#include "arithmetic.h"
#include "bitmapfont.h"
#include "geometry.h"
#include "pictures.h"
#include "random.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

// Where the window's client area ends: the tones are tuned for the rows it shows.
constexpr int shownRows = form::formClientArea().height;
const QColor targetMean(0x84, 0x8F, 0x7F);

// Grey-green with large soft rings around the middle and a green glow there.
void drawGround(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double d = arithmetic::distance({}, {x - 330.0, (y - 220.0) * 1.15});
            const double ring = 14.0 * arithmetic::sine(d / 24.0);
            const double glow = arithmetic::exponential(-(d / 140.0) * (d / 140.0));
            const int r = int(128 + ring - 14 * glow);
            const int g = int(140 + ring + 26 * glow);
            const int b = int(124 + ring - 10 * glow);
            line[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
}

void drawMagnifiers(QPainter &p)
{
    const std::array<QPointF, 7> centres{
        {{40, 58}, {102, 52}, {176, 66}, {62, 128}, {128, 116}, {190, 150}, {34, 166}}};
    const std::array<qreal, 7> radii{20, 26, 22, 24, 18, 20, 16};
    p.setPen(QPen(QColor(226, 136, 44), 1.5));
    for (size_t i = 0; i + 1 < centres.size(); ++i)
        p.drawLine(centres[i], centres[i + 1]);
    p.drawLine(centres[1], centres[4]);
    for (size_t i = 0; i < centres.size(); ++i) {
        p.setPen(QPen(QColor(48, 52, 40), 2.5));
        p.setBrush(QColor(244, 236, 176));
        p.drawEllipse(centres[i], radii[i], radii[i]);
        // A tiny caption, too small to read.
        p.setPen(QPen(QColor(150, 150, 146), 1));
        const QPointF under = centres[i] + QPointF(-radii[i] * 0.6, radii[i] + 5);
        for (int k = 0; k < 2; ++k)
            p.drawLine(under + QPointF(0, 3 * k),
                       under + QPointF(radii[i] * (1.2 - 0.4 * k), 3 * k));
    }
}

void drawResistor(QPainter &p)
{
    p.save();
    p.translate(220, 150);
    p.setTransform(arithmetic::rotation(-24), true);
    p.setPen(QPen(QColor(150, 150, 150), 3));
    p.drawLine(QPointF(-74, 0), QPointF(74, 0));
    QLinearGradient shade(0, -13, 0, 13);
    shade.setColorAt(0, QColor(250, 244, 226));
    shade.setColorAt(0.5, QColor(228, 216, 186));
    shade.setColorAt(1, QColor(170, 160, 136));
    p.setPen(QPen(QColor(90, 80, 70), 1));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(-50, -11, 100, 22), 6, 6);
    p.setBrush(QColor(196, 44, 40));
    p.drawRoundedRect(QRectF(-58, -14, 18, 28), 6, 6);
    p.drawRoundedRect(QRectF(40, -14, 18, 28), 6, 6);
    for (qreal x : {-26.0, -12.0, 2.0, 24.0})
        p.fillRect(QRectF(x, -11, 6, 22), QColor(176, 36, 34));
    p.restore();
}

void drawHandheld(QPainter &p)
{
    p.save();
    p.translate(285, 82);
    p.setTransform(arithmetic::rotation(12), true);
    p.setPen(QPen(QColor(238, 238, 230, 170), 2));
    p.setBrush(QColor(236, 238, 228, 120));
    p.drawRoundedRect(QRectF(-60, -55, 120, 110), 14, 14);
    p.setBrush(QColor(186, 204, 196, 190));
    p.drawRect(QRectF(-42, -40, 84, 38));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(244, 244, 236, 200), 3));
    p.drawEllipse(QPointF(0, 28), 26, 14);
    p.restore();
}

void drawCable(QPainter &p)
{
    QPainterPath cable(QPointF(362, 14));
    cable.cubicTo(QPointF(470, 30), QPointF(330, 120), QPointF(430, 132));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 124, 118), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.setPen(QPen(QColor(248, 248, 244), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.setPen(QPen(QColor(110, 110, 106), 1));
    p.setBrush(QColor(236, 236, 232));
    p.drawRoundedRect(QRectF(346, 6, 18, 14), 3, 3);
    p.drawRoundedRect(QRectF(428, 124, 20, 16), 3, 3);
    p.setPen(QPen(QColor(200, 180, 90), 2));
    p.drawLine(QPointF(346, 10), QPointF(340, 10));
    p.drawLine(QPointF(446, 128), QPointF(452, 128));
}

void lettering(QImage &image, const QString &text, int x, int y, QRgb colour)
{
    for (QChar letter : text) {
        drawGlyph(image, letter, x, y, colour);
        x += glyphWidth(letter) + 2;
    }
}

void drawCircuit(QPainter &p, QImage &image)
{
    const QColor white(250, 250, 250);
    p.setPen(QPen(white, 1.5));
    p.setBrush(Qt::NoBrush);
    // Wires.
    p.drawPolyline(QPolygonF{{400, 24}, {520, 24}, {520, 60}, {610, 60}, {610, 230}});
    p.drawPolyline(QPolygonF{{400, 200}, {470, 200}, {470, 230}, {610, 230}});
    p.drawLine(QPointF(450, 24), QPointF(450, 200));
    // Terminals, the supply's alternating-current and plus signs.
    for (QPointF terminal : {QPointF(400, 24), QPointF(400, 200)})
        p.drawEllipse(terminal, 4, 4);
    QPainterPath wave(QPointF(404, 110));
    wave.cubicTo(QPointF(410, 98), QPointF(416, 98), QPointF(420, 110));
    wave.cubicTo(QPointF(424, 122), QPointF(430, 122), QPointF(436, 110));
    p.drawPath(wave);
    p.drawLine(QPointF(398, 44), QPointF(410, 44));
    p.drawLine(QPointF(404, 38), QPointF(404, 50));
    // Capacitor marked C.
    p.fillRect(QRectF(440, 104, 22, 12), QColor(132, 143, 127));
    p.drawLine(QPointF(440, 104), QPointF(460, 104));
    p.drawLine(QPointF(440, 114), QPointF(460, 114));
    lettering(image, QStringLiteral("C"), 466, 104, white.rgb());
    // Three resistors.
    for (QRectF body : {QRectF(480, 18, 26, 12), QRectF(560, 54, 26, 12), QRectF(604, 120, 12, 28)})
        p.drawRect(body);
    // Diode with two small arrows, marked D2.
    p.drawPolygon(QPolygonF{{540, 222}, {556, 230}, {540, 238}});
    p.drawLine(QPointF(557, 221), QPointF(557, 239));
    for (qreal dx : {0.0, 8.0}) {
        p.drawLine(QPointF(544 + dx, 216), QPointF(552 + dx, 206));
        p.drawPolygon(QPolygonF{{552 + dx, 206}, {547 + dx, 208}, {551 + dx, 211}});
    }
    lettering(image, QStringLiteral("D2"), 560, 206, white.rgb());
    // Meter.
    p.drawEllipse(QPointF(520, 150), 18, 18);
    p.drawLine(QPointF(510, 160), QPointF(530, 140));
}

void drawGreenBoard(QPainter &p)
{
    p.save();
    p.translate(300, 232);
    p.setTransform(arithmetic::rotation(-14), true);
    p.setPen(QPen(QColor(40, 80, 40), 1));
    p.setBrush(QColor(58, 122, 58));
    p.drawRect(QRectF(-74, -44, 148, 88));
    // A square spiral of tracks.
    QPolygonF spiral;
    for (int k = 0; k < 5; ++k) {
        const qreal a = 34 - 7 * k;
        spiral << QPointF(-a, -a * 0.9) << QPointF(a, -a * 0.9) << QPointF(a, a * 0.9)
               << QPointF(-a + 7, a * 0.9);
    }
    p.setPen(QPen(QColor(222, 204, 64), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(spiral);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(184, 52, 40));
    for (QPointF at :
         {QPointF(-60, -30), QPointF(50, -34), QPointF(-58, 24), QPointF(56, 28), QPointF(0, 36)})
        p.drawRect(QRectF(at, QSizeF(9, 5)));
    p.restore();
}

void drawGreyBoard(QPainter &p)
{
    p.save();
    p.translate(104, 330);
    p.setTransform(arithmetic::rotation(8), true);
    p.setPen(QPen(QColor(70, 76, 70), 1));
    p.setBrush(QColor(112, 122, 112));
    p.drawRect(QRectF(-112, -128, 224, 256));
    Random random(0xB0A2D);
    for (int i = 0; i < 150; ++i) {
        // One draw after another: the order in which a call's arguments are worked out is
        // the compiler's, and differs between processors.
        const int height = random.between(3, 12), width = random.between(4, 16);
        const int top = random.between(-122, 114), left = random.between(-106, 96);
        const QRectF part(left, top, width, height);
        const int tone = random.between(30, 180);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(tone, tone + 6, tone));
        if (i % 3 == 0)
            p.drawEllipse(part);
        else
            p.drawRect(part);
    }
    p.setBrush(QColor(34, 36, 34));
    for (QRectF chip : {QRectF(-80, -90, 44, 22), QRectF(10, -40, 50, 26), QRectF(-60, 40, 36, 18)})
        p.drawRect(chip);
    p.restore();
}

void drawBridge(QPainter &p, QImage &image)
{
    const QColor white(250, 250, 250);
    const QPointF top(257, 290), right(330, 368), bottom(257, 440), left(184, 368);
    p.setPen(QPen(white, 1.5));
    p.setBrush(Qt::NoBrush);
    for (auto [a, b] : {std::pair{top, right}, {right, bottom}, {bottom, left}, {left, top}}) {
        p.drawLine(a, b);
        const QPointF middle = (a + b) / 2;
        p.save();
        p.translate(middle);
        p.setTransform(arithmetic::rotation(b - a), true);
        p.setBrush(QColor(132, 143, 127));
        p.drawRect(QRectF(-12, -5, 24, 10));
        p.restore();
    }
    p.drawEllipse(QPointF(257, 366), 18, 18);
    p.drawLine(QPointF(247, 376), QPointF(267, 356));
    p.drawLine(left, QPointF(239, 366));
    p.drawLine(QPointF(275, 366), right);
    p.drawLine(QPointF(170, 470), QPointF(350, 470));
    p.drawLine(QPointF(184, 368), QPointF(170, 470));
    p.drawLine(QPointF(330, 368), QPointF(350, 470));
    lettering(image, QStringLiteral("C"), 252, 275, white.rgb());
    lettering(image, QStringLiteral("B"), 338, 363, white.rgb());
    lettering(image, QStringLiteral("D"), 252, 446, white.rgb());
    lettering(image, QStringLiteral("E"), 252, 458, white.rgb());
}

void drawRodAndBar(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 66, 64, 170));
    p.drawRoundedRect(QRectF(366, 288, 8, 154), 3, 3);
    p.setBrush(QColor(112, 98, 196, 160));
    p.drawRect(QRectF(379, 300, 10, 130));
}

void drawTelevision(QPainter &p)
{
    p.setPen(QPen(QColor(40, 42, 40), 2));
    p.setBrush(QColor(72, 74, 72));
    p.drawRoundedRect(QRectF(442, 272, 200, 182), 10, 10);
    p.setBrush(QColor(54, 56, 54));
    p.drawRoundedRect(QRectF(460, 286, 156, 134), 8, 8);
    const std::array<QColor, 6> bars{QColor(172, 188, 166), QColor(64, 192, 204),
                                     QColor(62, 172, 74),   QColor(192, 62, 172),
                                     QColor(232, 112, 100), QColor(132, 92, 204)};
    for (size_t i = 0; i < bars.size(); ++i)
        p.fillRect(QRectF(468 + 23.3 * i, 294, 23.3, 118), bars[i]);
    p.setBrush(QColor(120, 122, 118));
    for (qreal y : {320.0, 350.0})
        p.drawEllipse(QPointF(628, y), 6, 6);
}

// Shifts the whole picture so that the shown rows average the intended colour.
void matchTone(QImage &image)
{
    double sum[3] = {0, 0, 0};
    for (int y = 0; y < shownRows; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            sum[0] += qRed(line[x]);
            sum[1] += qGreen(line[x]);
            sum[2] += qBlue(line[x]);
        }
    }
    const double count = double(shownRows) * image.width();
    const int shift[3] = {int(std::lround(targetMean.red() - sum[0] / count)),
                          int(std::lround(targetMean.green() - sum[1] / count)),
                          int(std::lround(targetMean.blue() - sum[2] / count))};
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(std::clamp(qRed(line[x]) + shift[0], 0, 255),
                           std::clamp(qGreen(line[x]) + shift[1], 0, 255),
                           std::clamp(qBlue(line[x]) + shift[2], 0, 255));
    }
}

// The 3-3-2 palette: eight levels of red and of green, four of blue.
QList<QRgb> palette332()
{
    static const int levels8[] = {0, 36, 73, 109, 146, 182, 219, 255};
    static const int levels4[] = {0, 85, 170, 255};
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table << qRgb(levels8[(i >> 5) & 7], levels8[(i >> 2) & 7], levels4[i & 3]);
    return table;
}

// Floyd-Steinberg error diffusion to those entries of the palette that `allowed` lists,
// written here because Qt's conversion to a given colour table only picks the nearest entry and
// does not dither.
QImage diffuse(const QImage &full, const QList<int> &allowed)
{
    const QList<QRgb> palette = palette332();
    const int width = full.width();
    QImage indexed(full.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    std::vector<double> error(size_t(width + 2) * 2 * 3, 0.0);
    auto at = [&](int row, int x, int channel) -> double & {
        return error[(size_t(row & 1) * size_t(width + 2) + size_t(x + 1)) * 3 + size_t(channel)];
    };
    for (int y = 0; y < full.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(full.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = -1; x <= width; ++x)
            for (int c = 0; c < 3; ++c)
                at(y + 1, x, c) = 0;
        for (int x = 0; x < width; ++x) {
            const double wanted[3] = {qRed(line[x]) + at(y, x, 0), qGreen(line[x]) + at(y, x, 1),
                                      qBlue(line[x]) + at(y, x, 2)};
            int best = allowed.front();
            double bestDistance = 1e300;
            for (int entry : allowed) {
                const QRgb c = palette[entry];
                const double dr = wanted[0] - qRed(c), dg = wanted[1] - qGreen(c),
                             db = wanted[2] - qBlue(c);
                const double distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = entry;
                }
            }
            out[x] = uchar(best);
            const double got[3] = {double(qRed(palette[best])), double(qGreen(palette[best])),
                                   double(qBlue(palette[best]))};
            for (int c = 0; c < 3; ++c) {
                const double e = wanted[c] - got[c];
                at(y, x + 1, c) += e * 7 / 16;
                at(y + 1, x - 1, c) += e * 3 / 16;
                at(y + 1, x, c) += e * 5 / 16;
                at(y + 1, x + 1, c) += e * 1 / 16;
            }
        }
    }
    return indexed;
}

// The palette entries a first, unrestricted dithering uses most, at most `count` of them: the
// picture keeps to a few dozen colours, which gives it its even, muted speckle.
QList<int> mostUsedEntries(const QImage &full, int count)
{
    QList<int> all(256);
    std::iota(all.begin(), all.end(), 0);
    const QImage first = diffuse(full, all);
    QList<qint64> uses(256, 0);
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            ++uses[first.constScanLine(y)[x]];
    std::stable_sort(all.begin(), all.end(), [&](int a, int b) { return uses[a] > uses[b]; });
    all.resize(count);
    return all;
}

} // namespace

QImage drawCollage()
{
    QImage full(640, 480, QImage::Format_RGB32);
    drawGround(full);
    {
        QPainter p(&full);
        p.setRenderHint(QPainter::Antialiasing);
        drawGreyBoard(p);
        drawGreenBoard(p);
        drawMagnifiers(p);
        drawResistor(p);
        drawHandheld(p);
        drawCable(p);
        drawCircuit(p, full);
        drawBridge(p, full);
        drawRodAndBar(p);
        drawTelevision(p);
    }
    matchTone(full);
    return diffuse(full, mostUsedEntries(full, 66));
}
