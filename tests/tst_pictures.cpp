#include <QImage>
#include <QTest>

namespace {

QImage picture(const QString &name)
{
    return QImage(QStringLiteral(ASSETS_DIR "/") + name + ".bmp")
        .convertToFormat(QImage::Format_RGB32);
}

struct Area {
    const char *picture;
    const char *what;
    QRect rect;
};

QRect around(int x, int y, int radius)
{
    return QRect(x - radius, y - radius, 2 * radius + 1, 2 * radius + 1);
}

// clang-format off
// Symbol bounding boxes, image pixels.
const Area symbols[] = {
    {"Picture1", "transformer, dashed core", QRect(QPoint(43, 12), QPoint(81, 81))},
    {"Picture1", "transformer, solid core", QRect(QPoint(124, 13), QPoint(162, 82))},
    {"Picture2", "photodiode", QRect(QPoint(15, 8), QPoint(44, 45))},
    {"Picture2", "LED", QRect(QPoint(83, 14), QPoint(112, 47))},
    {"Picture2", "upright zener", QRect(QPoint(167, 10), QPoint(180, 46))},
    {"Picture2", "lying zener", QRect(QPoint(207, 21), QPoint(234, 36))},
    {"Picture3", "rectifier diode", QRect(QPoint(16, 20), QPoint(43, 32))},
    {"Picture3", "varicap diode", QRect(QPoint(95, 13), QPoint(108, 45))},
    {"Picture4", "unijunction transistor", QRect(QPoint(20, 3), QPoint(57, 48))},
    {"Picture4", "NPN transistor", QRect(QPoint(98, 2), QPoint(135, 48))},
    {"Picture4", "PNP transistor", QRect(QPoint(187, 1), QPoint(230, 48))},
    {"Picture4", "N-channel JFET", QRect(QPoint(272, 7), QPoint(312, 45))},
    {"Picture4", "P-channel JFET", QRect(QPoint(320, 6), QPoint(358, 45))},
};

// Where the symbols are solid black: arrowheads (by their tips) and the thick bars. Which way an
// arrow points, and which transistor stands where, shows here.
const Area solidMarks[] = {
    {"Picture2", "photodiode arrow 1, head toward the diode", around(24, 24, 4)},
    {"Picture2", "photodiode arrow 2, head toward the diode", around(31, 18, 4)},
    {"Picture2", "LED arrow 1, head away from the diode", around(90, 14, 4)},
    {"Picture2", "LED arrow 2, head away from the diode", around(83, 19, 4)},
    {"Picture4", "NPN bar", QRect(QPoint(114, 15), QPoint(116, 38))},
    {"Picture4", "NPN emitter head", QRect(QPoint(121, 34), QPoint(127, 38))},
    {"Picture4", "PNP bar", QRect(QPoint(212, 13), QPoint(214, 36))},
    {"Picture4", "N-channel JFET channel", QRect(QPoint(295, 14), QPoint(297, 37))},
    {"Picture4", "N-channel JFET gate head", QRect(QPoint(287, 21), QPoint(292, 31))},
    {"Picture4", "P-channel JFET channel", QRect(QPoint(343, 14), QPoint(346, 38))},
};

// The answer rows, where the answer boxes lie: ground only.
const Area answerRows[] = {
    {"Picture1", "answer row", QRect(QPoint(0, 88), QPoint(200, 110))},
    {"Picture2", "answer row", QRect(QPoint(0, 56), QPoint(261, 79))},
    {"Picture3", "answer row", QRect(QPoint(0, 60), QPoint(140, 87))},
    {"Picture4", "answer row", QRect(QPoint(0, 54), QPoint(360, 85))},
};
// clang-format on

// The grid lines are blue-grey; stroke ink is dark grey to black.
bool isGridLine(QRgb rgb)
{
    return qBlue(rgb) - qRed(rgb) >= 16;
}

bool isInk(QRgb rgb)
{
    return std::max({qRed(rgb), qGreen(rgb), qBlue(rgb)}) < 160 && !isGridLine(rgb);
}

// The centre of a 3 x 3 block of black.
bool isSolid(const QImage &image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QRgb rgb = image.pixel(x + dx, y + dy);
            if (std::max({qRed(rgb), qGreen(rgb), qBlue(rgb)}) >= 100)
                return false;
        }
    return true;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tables_data();
    void tables();
};

void TestPictures::tables_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("Picture1") << QSize(201, 111);
    QTest::newRow("Picture2") << QSize(262, 80);
    QTest::newRow("Picture3") << QSize(141, 93);
    QTest::newRow("Picture4") << QSize(361, 86);
}

// Every symbol drawn in its place and only there, with its solid marks where the symbol's kind
// and direction put them; the answer rows blank; the ground mostly pure white.
void TestPictures::tables()
{
    QFETCH(QSize, size);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QImage image = picture(name);
    QCOMPARE(image.size(), size);
    auto ours = [&name](const Area &area) { return name == QLatin1String(area.picture); };

    int white = 0;
    QMap<const Area *, int> inked, solid;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y) & 0xFFFFFF;
            const QString where = QStringLiteral("(%1, %2)").arg(x).arg(y);
            white += rgb == 0xFFFFFF;
            for (const Area &row : answerRows)
                if (ours(row) && row.rect.contains(x, y))
                    QVERIFY2(std::min({qRed(rgb), qGreen(rgb), qBlue(rgb)}) >= 250 ||
                                 isGridLine(rgb),
                             qPrintable("answer row not blank at " + where));
            if (!isInk(rgb))
                continue;
            const Area *owner = nullptr;
            for (const Area &symbol : symbols)
                if (ours(symbol) && symbol.rect.adjusted(-2, -2, 2, 2).contains(x, y))
                    owner = &symbol;
            QVERIFY2(owner, qPrintable("stray stroke at " + where));
            ++inked[owner];
            if (x == 0 || y == 0 || x + 1 == image.width() || y + 1 == image.height() ||
                !isSolid(image, x, y))
                continue;
            const Area *mark = nullptr;
            for (const Area &candidate : solidMarks)
                if (ours(candidate) && candidate.rect.contains(x, y))
                    mark = &candidate;
            QVERIFY2(mark, qPrintable("solid black where no head or bar belongs, " + where));
            ++solid[mark];
        }
    }
    for (const Area &symbol : symbols)
        if (ours(symbol))
            QVERIFY2(inked.value(&symbol) > 20, symbol.what);
    for (const Area &mark : solidMarks)
        if (ours(mark))
            QVERIFY2(solid.value(&mark) > 0, mark.what);
    const double share = double(white) / (image.width() * image.height());
    QVERIFY2(share >= 2.0 / 3 && share <= 0.75, qPrintable(QString::number(share)));
}

QTEST_APPLESS_MAIN(TestPictures)
#include "tst_pictures.moc"
