// The symbol tables as the learner needs them, checked against the layout the program shows them
// in: every answer box on blank ground, under its symbol, and every arrow pointing its own way.
#include "geometry.h"

#include <QImage>
#include <QTest>

namespace {

// The grid lines are blue-grey; stroke ink is dark grey to black.
bool isGridLine(QRgb rgb)
{
    return qBlue(rgb) - qRed(rgb) >= 16;
}

bool isInk(QRgb rgb)
{
    return std::max({qRed(rgb), qGreen(rgb), qBlue(rgb)}) < 160 && !isGridLine(rgb);
}

// Arrowheads are solid black at their tips, in image pixels: a reversed arrow has its head at the
// other end of its shaft, and a swapped symbol has no head here.
const struct {
    const char *picture, *what;
    QRect tip;
} arrowheads[] = {
    {"Picture2", "photodiode arrow 1, toward the diode", QRect(20, 20, 9, 9)},
    {"Picture2", "photodiode arrow 2, toward the diode", QRect(27, 14, 9, 9)},
    {"Picture2", "LED arrow 1, away from the diode", QRect(86, 10, 9, 9)},
    {"Picture2", "LED arrow 2, away from the diode", QRect(79, 15, 9, 9)},
    {"Picture4", "NPN emitter, away from the base", QRect(121, 36, 7, 3)},
    {"Picture4", "N-channel JFET gate, toward the channel", QRect(287, 21, 6, 11)},
};

// Somewhere in the area, the centre of a 3 x 3 block of black.
bool hasSolidBlack(const QImage &image, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            int black = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const QRgb rgb = image.pixel(x + dx, y + dy);
                    black += std::max({qRed(rgb), qGreen(rgb), qBlue(rgb)}) < 100;
                }
            if (black == 9)
                return true;
        }
    return false;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tables_data();
    void tables();
};

// The symbol tables: the picture boxes that hold answer boxes.
void TestPictures::tables_data()
{
    QTest::addColumn<QString>("name");
    for (std::string_view table : form::symbolTables) {
        const QString name = QString::fromLatin1(table.data(), qsizetype(table.size()));
        QTest::newRow(qPrintable(name)) << name;
    }
}

void TestPictures::tables()
{
    QFETCH(QString, name);
    const QImage image = QImage(QStringLiteral(ASSETS_DIR "/") + name + ".bmp")
                             .convertToFormat(QImage::Format_RGB32);
    QVERIFY(!image.isNull());
    for (const form::ControlSpec &box : form::controls) {
        if (box.kind != form::Kind::TextBox || name != QLatin1String(box.container))
            continue;
        // The picture lies at the top-left of the client area, where the box's place is given.
        const form::PixelRect rect = form::pixelRect(box);
        const QRect ground = QRect(0, rect.top, image.width(), rect.height) & image.rect();
        for (int y = ground.top(); y <= ground.bottom(); ++y)
            for (int x = ground.left(); x <= ground.right(); ++x) {
                const QRgb rgb = image.pixel(x, y);
                QVERIFY2(std::min({qRed(rgb), qGreen(rgb), qBlue(rgb)}) >= 250 || isGridLine(rgb),
                         qPrintable(QStringLiteral("%1's row not blank at (%2, %3)")
                                        .arg(QLatin1String(box.name))
                                        .arg(x)
                                        .arg(y)));
            }
        int ink = 0;
        for (int y = 0; y < rect.top; ++y)
            for (int x = rect.left; x < std::min(rect.right(), image.width()); ++x)
                ink += isInk(image.pixel(x, y));
        QVERIFY2(ink > 50, qPrintable(QLatin1String(box.name) + " has no symbol above it"));
    }
    for (const auto &arrowhead : arrowheads)
        if (name == QLatin1String(arrowhead.picture))
            QVERIFY2(hasSolidBlack(image, arrowhead.tip), arrowhead.what);
}

QTEST_APPLESS_MAIN(TestPictures)
#include "tst_pictures.moc"
