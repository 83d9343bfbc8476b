#include <QFile>
#include <QImage>
#include <QTest>

#include <cmath>

namespace {

QByteArray fileBytes(const QString &name)
{
    QFile file(QStringLiteral(ASSETS_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage picture(const QString &name)
{
    return QImage(QStringLiteral(ASSETS_DIR "/") + name).convertToFormat(QImage::Format_RGB32);
}

quint32 le(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes[offset + i]);
    return value;
}

struct GridLine {
    const char *picture;
    bool horizontal;
    int at, from, to;
    QRgb colour;
};

// clang-format off
const GridLine gridLines[] = {
    {"Picture1", true, 4, 0, 200, 0x6B8093}, {"Picture1", true, 5, 0, 200, 0x9BB0C3},
    {"Picture1", true, 86, 0, 200, 0x455A6F}, {"Picture1", true, 87, 0, 200, 0xBFD4E7},
    {"Picture2", true, 2, 1, 261, 0xA8BDD0}, {"Picture2", true, 3, 1, 261, 0x5D7285},
    {"Picture2", true, 53, 0, 261, 0xC8D5DE}, {"Picture2", true, 54, 0, 261, 0x465968},
    {"Picture2", true, 55, 0, 261, 0xDCEEFC},
    {"Picture2", false, 69, 1, 79, 0x8B99A2}, {"Picture2", false, 70, 1, 79, 0x83949C},
    {"Picture2", false, 136, 2, 79, 0x9EB3C6}, {"Picture2", false, 137, 2, 79, 0x657A8D},
    {"Picture3", false, 69, 0, 90, 0x8B99A2}, {"Picture3", false, 70, 0, 90, 0x83949C},
    {"Picture3", true, 57, 0, 131, 0xDDEAF3}, {"Picture3", true, 58, 0, 131, 0x40556A},
    {"Picture3", true, 59, 0, 131, 0xC4D9EC}, {"Picture3", true, 88, 1, 131, 0xA8BDD0},
    {"Picture3", true, 89, 1, 131, 0x5D7285},
    {"Picture4", true, 52, 10, 360, 0x3D5772}, {"Picture4", true, 53, 10, 360, 0xB9D3EC},
    {"Picture4", false, 73, 1, 85, 0x8EA1B0}, {"Picture4", false, 74, 1, 85, 0x738599},
    {"Picture4", false, 168, 0, 85, 0xA2BCD5}, {"Picture4", false, 169, 0, 85, 0x546E87},
    {"Picture4", false, 262, 1, 85, 0xA3BDD6}, {"Picture4", false, 263, 1, 85, 0x536D86},
};

// Symbol bounding boxes and answer rows, in image pixels.
const struct { const char *picture; QRect box; } symbols[] = {
    {"Picture1", QRect(QPoint(43, 12), QPoint(81, 81))}, {"Picture1", QRect(QPoint(124, 13), QPoint(162, 82))},
    {"Picture2", QRect(QPoint(15, 8), QPoint(44, 45))},  {"Picture2", QRect(QPoint(83, 14), QPoint(112, 47))},
    {"Picture2", QRect(QPoint(167, 10), QPoint(180, 46))}, {"Picture2", QRect(QPoint(207, 21), QPoint(234, 36))},
    {"Picture3", QRect(QPoint(16, 20), QPoint(43, 32))}, {"Picture3", QRect(QPoint(95, 13), QPoint(108, 45))},
    {"Picture4", QRect(QPoint(20, 3), QPoint(57, 48))},  {"Picture4", QRect(QPoint(98, 2), QPoint(135, 48))},
    {"Picture4", QRect(QPoint(187, 1), QPoint(230, 48))}, {"Picture4", QRect(QPoint(272, 7), QPoint(312, 45))},
    {"Picture4", QRect(QPoint(320, 6), QPoint(358, 45))},
};
const struct { const char *picture; QRect rows; } answerRows[] = {
    {"Picture1", QRect(QPoint(0, 88), QPoint(200, 110))},
    {"Picture2", QRect(QPoint(0, 56), QPoint(261, 79))},
    {"Picture3", QRect(QPoint(0, 60), QPoint(140, 87))},
    {"Picture4", QRect(QPoint(0, 54), QPoint(360, 85))},
};
// clang-format on

bool onGridLine(const char *name, int x, int y)
{
    for (const GridLine &line : gridLines)
        if (qstrcmp(line.picture, name) == 0 && (line.horizontal ? y : x) == line.at &&
            (line.horizontal ? x : y) >= line.from && (line.horizontal ? x : y) <= line.to)
            return true;
    return false;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storage_data();
    void storage();
    void gridLinesExact();
    void tables_data();
    void tables();
    void wordListGround();
    void wordListText();
    void background();
    void icon();
};

void TestPictures::storage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("fileSize");
    QTest::newRow("Picture1") << "Picture1.bmp" << 201 << 111 << 67098;
    QTest::newRow("Picture2") << "Picture2.bmp" << 262 << 80 << 63094;
    QTest::newRow("Picture3") << "Picture3.bmp" << 141 << 93 << 39486;
    QTest::newRow("Picture4") << "Picture4.bmp" << 361 << 86 << 93278;
    QTest::newRow("Picture5") << "Picture5.bmp" << 144 << 226 << 97686;
}

void TestPictures::storage()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, fileSize);
    const QByteArray bmp = fileBytes(name);
    QCOMPARE(bmp.size(), fileSize);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(le(bmp, 2, 4), quint32(fileSize));
    QCOMPARE(le(bmp, 6, 4), 0u);
    QCOMPARE(le(bmp, 10, 4), 54u);
    QCOMPARE(le(bmp, 14, 4), 40u);
    QCOMPARE(le(bmp, 18, 4), quint32(width));
    QCOMPARE(le(bmp, 22, 4), quint32(height));
    QCOMPARE(le(bmp, 26, 2), 1u);
    QCOMPARE(le(bmp, 28, 2), 24u);
    QCOMPARE(le(bmp, 30, 4), 0u);
    QCOMPARE(le(bmp, 34, 4), quint32(fileSize - 54));
    for (int offset = 38; offset < 54; offset += 4)
        QCOMPARE(le(bmp, offset, 4), 0u);
    // Row padding is zero; bottom row first: the image's last row (answer row) is ground.
    const int row = (width * 3 + 3) / 4 * 4;
    for (int y = 0; y < height; ++y)
        for (int pad = width * 3; pad < row; ++pad)
            QCOMPARE(int(bmp[54 + y * row + pad]), 0);
}

void TestPictures::gridLinesExact()
{
    for (const GridLine &line : gridLines) {
        const QImage image = picture(QString::fromLatin1(line.picture) + ".bmp");
        for (int along = line.from; along <= line.to; ++along) {
            const int x = line.horizontal ? along : line.at;
            const int y = line.horizontal ? line.at : along;
            // Where a divider crosses a horizontal line, the divider is on top.
            bool crossed = false;
            for (const GridLine &other : gridLines)
                if (line.horizontal && !other.horizontal &&
                    qstrcmp(other.picture, line.picture) == 0 && other.at == x && y >= other.from &&
                    y <= other.to)
                    crossed = true;
            if (crossed)
                continue;
            QVERIFY2((image.pixel(x, y) & 0xFFFFFF) == line.colour,
                     qPrintable(QStringLiteral("%1 (%2, %3)").arg(line.picture).arg(x).arg(y)));
        }
    }
}

void TestPictures::tables_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"Picture1", "Picture2", "Picture3", "Picture4"})
        QTest::newRow(name) << name;
}

// Ground mostly pure white; strokes only inside the symbols' boxes; answer rows only ground.
void TestPictures::tables()
{
    QFETCH(QString, name);
    const QByteArray key = name.toLatin1();
    const QImage image = picture(name + ".bmp");
    int white = 0;
    QList<int> inked(std::size(symbols), 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y);
            white += (rgb & 0xFFFFFF) == 0xFFFFFF;
            if (onGridLine(key, x, y))
                continue;
            const int darkest = std::min({qRed(rgb), qGreen(rgb), qBlue(rgb)});
            for (const auto &answer : answerRows)
                if (qstrcmp(answer.picture, key) == 0 && answer.rows.contains(x, y))
                    QVERIFY2(darkest >= 250, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            if (darkest > 160)
                continue;
            bool inside = false;
            for (size_t i = 0; i < std::size(symbols); ++i)
                if (qstrcmp(symbols[i].picture, key) == 0 &&
                    symbols[i].box.adjusted(-2, -2, 2, 2).contains(x, y)) {
                    inside = true;
                    ++inked[int(i)];
                }
            QVERIFY2(inside, qPrintable(QStringLiteral("stray stroke at (%1, %2)").arg(x).arg(y)));
        }
    }
    const double share = double(white) / (image.width() * image.height());
    QVERIFY2(share >= 2.0 / 3 && share <= 0.75, qPrintable(QString::number(share)));
    for (size_t i = 0; i < std::size(symbols); ++i)
        if (qstrcmp(symbols[i].picture, key) == 0)
            QVERIFY2(inked[int(i)] > 20, "a symbol is missing");
}

void TestPictures::wordListGround()
{
    const QImage image = picture("Picture5.bmp");
    const QRgb ramp[] = {0x99CC00, 0x97CA00, 0x93C700, 0x8DC200, 0x86BA00, 0x7BB200, 0x6DA900,
                         0x5E9D00, 0x4E9500, 0x3C8D00, 0x2B8600, 0x198100, 0x008000};
    auto expected = [&](int x, int y) {
        const double t = std::max(std::abs(x - 72) / 72.0, std::abs(y - 112) / 113.0) * 12;
        const int k = std::min(int(t), 11);
        const double f = t - k;
        return qRgb(int(std::lround(qRed(ramp[k]) + (qRed(ramp[k + 1]) - qRed(ramp[k])) * f)),
                    int(std::lround(qGreen(ramp[k]) + (qGreen(ramp[k + 1]) - qGreen(ramp[k])) * f)),
                    0);
    };
    for (QPoint p : {QPoint(72, 112), QPoint(5, 112), QPoint(72, 4), QPoint(138, 218),
                     QPoint(40, 70), QPoint(100, 150), QPoint(3, 3), QPoint(140, 20)})
        QCOMPARE(QColor(image.pixel(p)), QColor(expected(p.x(), p.y())));
    QCOMPARE(QColor(image.pixel(72, 112)), QColor(0x99CC00));
    QCOMPARE(QColor(image.pixel(50, 0)), QColor(0x008000));
    QCOMPARE(QColor(image.pixel(1, 100)), QColor(0x008000));
    QCOMPARE(QColor(image.pixel(143, 100)), QColor(0x0A7F00));
    QCOMPARE(QColor(image.pixel(60, 224)), QColor(0x0A7F00));
    for (int y = 0; y < 226; ++y)
        QCOMPARE(QColor(image.pixel(0, y)), QColor(Qt::white));
    for (int x = 0; x < 144; ++x)
        QCOMPARE(QColor(image.pixel(x, 225)), QColor(Qt::white));
}

// Every yellow pixel belongs to a line's rows and columns; each line's ink spans them.
void TestPictures::wordListText()
{
    const struct {
        int top, bottom, left, right;
    } lines[] = {{7, 16, 10, 133},    {24, 32, 50, 92},    {40, 48, 17, 125},   {55, 63, 31, 110},
                 {71, 79, 53, 89},    {87, 95, 53, 88},    {103, 111, 60, 84},  {119, 127, 11, 132},
                 {132, 143, 29, 113}, {151, 159, 12, 129}, {167, 175, 13, 129}, {182, 190, 28, 114},
                 {198, 206, 51, 91}};
    const QImage image = picture("Picture5.bmp");
    QList<QRect> ink(std::size(lines));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFF00)
                continue;
            bool placed = false;
            for (size_t i = 0; i < std::size(lines); ++i) {
                if (y >= lines[i].top && y <= lines[i].bottom) {
                    ink[int(i)] |= QRect(x, y, 1, 1);
                    placed = true;
                }
            }
            QVERIFY2(placed, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }
    for (size_t i = 0; i < std::size(lines); ++i) {
        const QRect &r = ink[int(i)];
        QVERIFY2(
            std::abs(r.left() - lines[i].left) <= 1 && std::abs(r.right() - lines[i].right) <= 1,
            qPrintable(
                QStringLiteral("line %1: columns %2-%3").arg(i + 1).arg(r.left()).arg(r.right())));
        QCOMPARE(r.top(), lines[i].top);
        QCOMPARE(r.bottom(), lines[i].bottom);
        QVERIFY(std::abs((r.left() + r.right()) / 2.0 - 71) <= 1.5);
    }
}

void TestPictures::background()
{
    const QByteArray bmp = fileBytes("Form1.bmp");
    QCOMPARE(bmp.size(), 308278);
    QCOMPARE(le(bmp, 2, 4), 308278u);
    QCOMPARE(le(bmp, 10, 4), 1078u);
    QCOMPARE(le(bmp, 18, 4), 640u);
    QCOMPARE(le(bmp, 22, 4), 480u);
    QCOMPARE(le(bmp, 28, 2), 8u);
    QCOMPARE(le(bmp, 34, 4), 0u); // pixel-data size left 0
    const int levels8[] = {0, 36, 73, 109, 146, 182, 219, 255};
    const int levels4[] = {0, 85, 170, 255};
    for (int i = 0; i < 256; ++i) {
        const int entry = 54 + 4 * i;
        QCOMPARE(quint8(bmp[entry + 0]), quint8(levels4[i & 3]));
        QCOMPARE(quint8(bmp[entry + 1]), quint8(levels8[(i >> 2) & 7]));
        QCOMPARE(quint8(bmp[entry + 2]), quint8(levels8[i >> 5]));
        QCOMPARE(quint8(bmp[entry + 3]), quint8(0));
    }

    // Tones of the rows the window shows.
    QList<int> uses(256, 0);
    double sum[3] = {0, 0, 0};
    for (int y = 0; y < 383; ++y) {
        const int stored = 1078 + (479 - y) * 640;
        for (int x = 0; x < 640; ++x) {
            const int index = quint8(bmp[stored + x]);
            ++uses[index];
            sum[0] += levels8[index >> 5];
            sum[1] += levels8[(index >> 2) & 7];
            sum[2] += levels4[index & 3];
        }
    }
    const QRgb target = 0x848F7F;
    const int mean[3] = {int(sum[0] / (640 * 383)), int(sum[1] / (640 * 383)),
                         int(sum[2] / (640 * 383))};
    QVERIFY(std::abs(mean[0] - qRed(target)) <= 8);
    QVERIFY(std::abs(mean[1] - qGreen(target)) <= 8);
    QVERIFY(std::abs(mean[2] - qBlue(target)) <= 8);
    const int used = int(std::count_if(uses.begin(), uses.end(), [](int n) { return n > 0; }));
    QVERIFY2(used >= 40 && used <= 70, qPrintable(QString::number(used)));
    const QList<QRgb> frequent{0x9292AA, 0x929255, 0x6D6D55, 0x6D9255, 0x6D92AA, 0x92B6AA};
    const auto top = std::max_element(uses.begin(), uses.end()) - uses.begin();
    const QRgb topColour =
        QRgb(levels8[top >> 5] << 16 | levels8[(top >> 2) & 7] << 8 | levels4[top & 3]);
    QVERIFY2(frequent.contains(topColour), qPrintable(QString::number(topColour, 16)));

    // Motifs in place: the television's six colour bars in order along row 350, and the
    // green board greener than the grey one.
    const QImage image(QStringLiteral(ASSETS_DIR "/Form1.bmp"));
    auto average = [&](QRect area) {
        double r = 0, g = 0, b = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb p = image.pixel(x, y);
                r += qRed(p), g += qGreen(p), b += qBlue(p);
            }
        const double n = area.width() * area.height();
        return std::array<double, 3>{r / n, g / n, b / n};
    };
    const QColor bars[] = {QColor(172, 188, 166), QColor(64, 192, 204),  QColor(62, 172, 74),
                           QColor(192, 62, 172),  QColor(232, 112, 100), QColor(132, 92, 204)};
    int barLeft = 471;
    for (const QColor &bar : bars) {
        const auto seen = average(QRect(barLeft, 330, 16, 40));
        QVERIFY(std::abs(seen[0] - bar.red()) < 20 && std::abs(seen[1] - bar.green()) < 20 &&
                std::abs(seen[2] - bar.blue()) < 20);
        barLeft += 23;
    }
    const auto green = average(QRect(270, 215, 50, 30));
    const auto grey = average(QRect(40, 280, 120, 120));
    QVERIFY(green[1] - (green[0] + green[2]) / 2 > grey[1] - (grey[0] + grey[2]) / 2 + 20);
}

// Three images of a window: 32 x 32 black and white, 32 x 32 and 16 x 16 in 16 colours.
void TestPictures::icon()
{
    const QByteArray ico = fileBytes("korval2.ico");
    QCOMPARE(le(ico, 0, 2), 0u);
    QCOMPARE(le(ico, 2, 2), 1u);
    QCOMPARE(le(ico, 4, 2), 3u);
    const int expected[3][3] = {{32, 2, 1}, {32, 16, 4}, {16, 16, 4}};
    for (int i = 0; i < 3; ++i) {
        const int entry = 6 + 16 * i;
        QCOMPARE(int(quint8(ico[entry])), expected[i][0]);
        QCOMPARE(int(quint8(ico[entry + 1])), expected[i][0]);
        QCOMPARE(int(quint8(ico[entry + 2])), expected[i][1]);
        QCOMPARE(le(ico, entry + 6, 2), quint32(expected[i][2]));
        const int offset = int(le(ico, entry + 12, 4));
        QCOMPARE(le(ico, offset + 14, 2), quint32(expected[i][2]));
        QCOMPARE(le(ico, offset + 8, 4), quint32(2 * expected[i][0]));
    }
}

QTEST_APPLESS_MAIN(TestPictures)
#include "tst_pictures.moc"
