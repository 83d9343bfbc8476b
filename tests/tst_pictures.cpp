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

quint32 le(const QByteArray &bytes, int offset, int size = 4)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes[offset + i]);
    return value;
}

// Entry i of the 3-3-2 palette.
QRgb palette332(int i)
{
    const int levels8[] = {0, 36, 73, 109, 146, 182, 219, 255};
    const int levels4[] = {0, 85, 170, 255};
    return qRgb(levels8[i >> 5], levels8[(i >> 2) & 7], levels4[i & 3]);
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
const std::pair<const char *, QRect> symbols[] = {
    {"Picture1", QRect(QPoint(43, 12), QPoint(81, 81))}, {"Picture1", QRect(QPoint(124, 13), QPoint(162, 82))},
    {"Picture2", QRect(QPoint(15, 8), QPoint(44, 45))}, {"Picture2", QRect(QPoint(83, 14), QPoint(112, 47))},
    {"Picture2", QRect(QPoint(167, 10), QPoint(180, 46))}, {"Picture2", QRect(QPoint(207, 21), QPoint(234, 36))},
    {"Picture3", QRect(QPoint(16, 20), QPoint(43, 32))}, {"Picture3", QRect(QPoint(95, 13), QPoint(108, 45))},
    {"Picture4", QRect(QPoint(20, 3), QPoint(57, 48))}, {"Picture4", QRect(QPoint(98, 2), QPoint(135, 48))},
    {"Picture4", QRect(QPoint(187, 1), QPoint(230, 48))}, {"Picture4", QRect(QPoint(272, 7), QPoint(312, 45))},
    {"Picture4", QRect(QPoint(320, 6), QPoint(358, 45))},
};
const std::pair<const char *, QRect> answerRows[] = {
    {"Picture1", QRect(QPoint(0, 88), QPoint(200, 110))}, {"Picture2", QRect(QPoint(0, 56), QPoint(261, 79))},
    {"Picture3", QRect(QPoint(0, 60), QPoint(140, 87))}, {"Picture4", QRect(QPoint(0, 54), QPoint(360, 85))},
};
// clang-format on

// The grid line drawn at a pixel; where lines cross, the vertical one lies on top.
const GridLine *lineAt(const QString &name, int x, int y)
{
    const GridLine *found = nullptr;
    for (const GridLine &line : gridLines) {
        const int along = line.horizontal ? x : y;
        if (name == QLatin1String(line.picture) && (line.horizontal ? y : x) == line.at &&
            along >= line.from && along <= line.to && (!found || !line.horizontal))
            found = &line;
    }
    return found;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storage_data();
    void storage();
    void tables_data();
    void tables();
    void wordList();
    void background();
    void icon();
};

void TestPictures::storage_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("fileSize");
    QTest::newRow("Picture1") << 201 << 111 << 67098;
    QTest::newRow("Picture2") << 262 << 80 << 63094;
    QTest::newRow("Picture3") << 141 << 93 << 39486;
    QTest::newRow("Picture4") << 361 << 86 << 93278;
    QTest::newRow("Picture5") << 144 << 226 << 97686;
}

void TestPictures::storage()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, fileSize);
    const QByteArray bmp = fileBytes(QTest::currentDataTag() + QStringLiteral(".bmp"));
    QCOMPARE(bmp.size(), fileSize);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    const quint32 header[] = {quint32(fileSize), 0, 54, 40, quint32(width), quint32(height)};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(le(bmp, 2 + 4 * i), header[i]);
    QCOMPARE(le(bmp, 26, 2), 1u);
    QCOMPARE(le(bmp, 28, 2), 24u);
    QCOMPARE(le(bmp, 30), 0u);
    QCOMPARE(le(bmp, 34), quint32(fileSize - 54));
    for (int offset = 38; offset < 54; offset += 4)
        QCOMPARE(le(bmp, offset), 0u);
    const int row = (width * 3 + 3) / 4 * 4;
    for (int y = 0; y < height; ++y)
        for (int pad = width * 3; pad < row; ++pad)
            QCOMPARE(int(bmp[54 + y * row + pad]), 0);
}

void TestPictures::tables_data()
{
    QTest::addColumn<int>("unused");
    for (const char *name : {"Picture1", "Picture2", "Picture3", "Picture4"})
        QTest::newRow(name) << 0;
}

// Grid lines exact; ground mostly pure white; strokes only in the symbols' boxes (within 2
// pixels) and every symbol drawn; answer rows nothing but ground.
void TestPictures::tables()
{
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QImage image = picture(name + ".bmp");
    int white = 0;
    QMap<int, int> inked;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y) & 0xFFFFFF;
            const QString where = QStringLiteral("(%1, %2)").arg(x).arg(y);
            white += rgb == 0xFFFFFF;
            if (const GridLine *line = lineAt(name, x, y)) {
                QVERIFY2(rgb == line->colour, qPrintable(where));
                continue;
            }
            const int darkest = std::min({qRed(rgb), qGreen(rgb), qBlue(rgb)});
            for (const auto &[owner, rows] : answerRows)
                if (name == QLatin1String(owner) && rows.contains(x, y))
                    QVERIFY2(darkest >= 250, qPrintable(where));
            if (darkest > 160)
                continue;
            bool inside = false;
            for (int i = 0; i < int(std::size(symbols)); ++i)
                if (name == QLatin1String(symbols[i].first) &&
                    symbols[i].second.adjusted(-2, -2, 2, 2).contains(x, y))
                    inside = ++inked[i];
            QVERIFY2(inside, qPrintable("stray stroke at " + where));
        }
    }
    for (const GridLine &line : gridLines) // no line left out
        if (name == QLatin1String(line.picture))
            QVERIFY(lineAt(name, line.horizontal ? line.from : line.at,
                           line.horizontal ? line.at : line.to));
    const double share = double(white) / (image.width() * image.height());
    QVERIFY2(share >= 2.0 / 3 && share <= 0.75, qPrintable(QString::number(share)));
    for (int i = 0; i < int(std::size(symbols)); ++i)
        if (name == QLatin1String(symbols[i].first))
            QVERIFY2(inked.value(i) > 20, "a symbol is missing");
}

// The gradient by its formula, the edges, and every yellow pixel on its line's rows and
// columns (within a pixel), each line centred on column 71.
void TestPictures::wordList()
{
    const QImage image = picture("Picture5.bmp");
    const QRgb ramp[] = {0x99CC00, 0x97CA00, 0x93C700, 0x8DC200, 0x86BA00, 0x7BB200, 0x6DA900,
                         0x5E9D00, 0x4E9500, 0x3C8D00, 0x2B8600, 0x198100, 0x008000};
    for (QPoint p : {QPoint(72, 112), QPoint(5, 112), QPoint(72, 4), QPoint(138, 218),
                     QPoint(40, 70), QPoint(100, 150), QPoint(3, 3), QPoint(140, 20)}) {
        const double t = std::max(std::abs(p.x() - 72) / 72.0, std::abs(p.y() - 112) / 113.0) * 12;
        const int k = std::min(int(t), 11);
        auto mix = [&](int a, int b) { return int(std::lround(a + (b - a) * (t - k))); };
        QCOMPARE(QColor(image.pixel(p)), QColor(mix(qRed(ramp[k]), qRed(ramp[k + 1])),
                                                mix(qGreen(ramp[k]), qGreen(ramp[k + 1])), 0));
    }
    QCOMPARE(QColor(image.pixel(50, 0)), QColor(0x008000));
    QCOMPARE(QColor(image.pixel(1, 100)), QColor(0x008000));
    QCOMPARE(QColor(image.pixel(143, 100)), QColor(0x0A7F00));
    QCOMPARE(QColor(image.pixel(60, 224)), QColor(0x0A7F00));
    for (int i = 0; i < 226; ++i)
        QVERIFY(image.pixel(0, i) == 0xFFFFFFFF &&
                image.pixel(std::min(i, 143), 225) == 0xFFFFFFFF);

    const QRect lines[] = {{10, 7, 124, 10},  {50, 24, 43, 9},   {17, 40, 109, 9},
                           {31, 55, 80, 9},   {53, 71, 37, 9},   {53, 87, 36, 9},
                           {60, 103, 25, 9},  {11, 119, 122, 9}, {29, 132, 85, 12},
                           {12, 151, 118, 9}, {13, 167, 117, 9}, {28, 182, 87, 9},
                           {51, 198, 41, 9}};
    QList<QRect> ink(std::size(lines));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFF00) {
                const auto line = std::find_if(std::begin(lines), std::end(lines), [y](QRect r) {
                    return y >= r.top() && y <= r.bottom();
                });
                QVERIFY2(line != std::end(lines),
                         qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
                ink[line - std::begin(lines)] |= QRect(x, y, 1, 1);
            }
    for (int i = 0; i < int(std::size(lines)); ++i) {
        QCOMPARE(ink[i].top(), lines[i].top());
        QCOMPARE(ink[i].bottom(), lines[i].bottom());
        QVERIFY2(std::abs(ink[i].left() - lines[i].left()) <= 1 &&
                     std::abs(ink[i].right() - lines[i].right()) <= 1,
                 qPrintable(QStringLiteral("line %1").arg(i + 1)));
        QVERIFY(std::abs((ink[i].left() + ink[i].right()) / 2.0 - 71) <= 1.5);
    }
}

void TestPictures::background()
{
    const QByteArray bmp = fileBytes("Form1.bmp");
    QCOMPARE(bmp.size(), 308278);
    const quint32 header[] = {308278, 0, 1078, 40, 640, 480};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(le(bmp, 2 + 4 * i), header[i]);
    QCOMPARE(le(bmp, 28, 2), 8u);
    QCOMPARE(le(bmp, 34), 0u); // pixel-data size left 0
    for (int i = 0; i < 256; ++i)
        QCOMPARE(le(bmp, 54 + 4 * i), palette332(i) & 0xFFFFFF); // blue, green, red, 0

    // The rows the window shows: mean tone, palette entries used, the most frequent colour.
    QList<int> uses(256, 0);
    double sum[3] = {0, 0, 0};
    for (int y = 0; y < 383; ++y)
        for (int x = 0; x < 640; ++x) {
            const int index = quint8(bmp[1078 + (479 - y) * 640 + x]);
            ++uses[index];
            sum[0] += qRed(palette332(index));
            sum[1] += qGreen(palette332(index));
            sum[2] += qBlue(palette332(index));
        }
    const QColor mean(int(sum[0] / (640 * 383)), int(sum[1] / (640 * 383)),
                      int(sum[2] / (640 * 383)));
    QVERIFY(std::abs(mean.red() - 0x84) <= 8 && std::abs(mean.green() - 0x8F) <= 8 &&
            std::abs(mean.blue() - 0x7F) <= 8);
    const auto used = std::count_if(uses.begin(), uses.end(), [](int n) { return n > 0; });
    QVERIFY2(used >= 40 && used <= 70, qPrintable(QString::number(used)));
    const int top = int(std::max_element(uses.begin(), uses.end()) - uses.begin());
    QVERIFY(QList<QRgb>({0xFF9292AA, 0xFF929255, 0xFF6D6D55, 0xFF6D9255, 0xFF6D92AA, 0xFF92B6AA})
                .contains(palette332(top)));

    // Motifs in place: the television's six colour bars in order, the green board greener
    // than the grey one.
    const QImage image = picture("Form1.bmp");
    auto average = [&](QRect area) {
        double r = 0, g = 0, b = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                r += qRed(image.pixel(x, y)), g += qGreen(image.pixel(x, y)),
                    b += qBlue(image.pixel(x, y));
        const double n = area.width() * area.height();
        return QColor(int(r / n), int(g / n), int(b / n));
    };
    const QColor bars[] = {QColor(172, 188, 166), QColor(64, 192, 204),  QColor(62, 172, 74),
                           QColor(192, 62, 172),  QColor(232, 112, 100), QColor(132, 92, 204)};
    for (int i = 0; i < 6; ++i) {
        const QColor seen = average(QRect(471 + 23 * i, 330, 16, 40));
        QVERIFY(std::abs(seen.red() - bars[i].red()) < 20 &&
                std::abs(seen.green() - bars[i].green()) < 20 &&
                std::abs(seen.blue() - bars[i].blue()) < 20);
    }
    auto greenness = [](QColor c) { return c.green() - (c.red() + c.blue()) / 2; };
    QVERIFY(greenness(average(QRect(270, 215, 50, 30))) >
            greenness(average(QRect(40, 280, 120, 120))) + 20);
}

// Three images of a window: 32 x 32 black and white, 32 x 32 and 16 x 16 in 16 colours.
void TestPictures::icon()
{
    const QByteArray ico = fileBytes("korval2.ico");
    QCOMPARE(le(ico, 0), 0x10000u); // reserved 0, type 1: icon
    QCOMPARE(le(ico, 4, 2), 3u);
    const int expected[3][3] = {{32, 2, 1}, {32, 16, 4}, {16, 16, 4}};
    for (int i = 0; i < 3; ++i) {
        const int entry = 6 + 16 * i;
        QCOMPARE(le(ico, entry, 3),
                 quint32(expected[i][0] | expected[i][0] << 8 | expected[i][1] << 16));
        QCOMPARE(le(ico, entry + 6, 2), quint32(expected[i][2]));
        const int offset = int(le(ico, entry + 12));
        QCOMPARE(le(ico, offset + 8), quint32(2 * expected[i][0]));
        QCOMPARE(le(ico, offset + 14, 2), quint32(expected[i][2]));
    }
}

QTEST_APPLESS_MAIN(TestPictures)
#include "tst_pictures.moc"
