#include "pictures.h"

#include <QResource>
#include <QtEndian>

namespace {

// Qt's BMP reader converts pixel by pixel, a tenth of the program's start-up. The build stores our
// pictures as plain uncompressed bitmaps, top row first, so their rows are used as they lie in
// memory, and only the rows the control shows; anything else goes through Qt's reader. They stay
// in their own format, 8 bits with a palette or 24, which the painter converts as it draws:
// converting them first to 32 bits, or turning bottom-up rows over, meant memory to fill before
// the first frame.
QImage fromTopDownRows(const QResource &resource, int shownRows)
{
    const uchar *bmp = resource.data();
    if (resource.compressionAlgorithm() != QResource::NoCompression || resource.size() < 54 ||
        bmp[0] != 'B' || bmp[1] != 'M' || qFromLittleEndian<quint32>(bmp + 14) != 40 ||
        qFromLittleEndian<quint32>(bmp + 30) != 0)
        return {};
    const auto pixels = qFromLittleEndian<quint32>(bmp + 10);
    const auto width = qFromLittleEndian<qint32>(bmp + 18);
    const qint64 height = -qint64(qFromLittleEndian<qint32>(bmp + 22)); // negative: top first
    const auto depth = qFromLittleEndian<quint16>(bmp + 28);
    const qint64 stride = (qint64(width) * depth / 8 + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || (depth != 8 && depth != 24) ||
        pixels + stride * height > resource.size())
        return {};

    QImage rows(bmp + pixels, width, int(std::min(height, qint64(shownRows))), stride,
                depth == 24 ? QImage::Format_BGR888 : QImage::Format_Indexed8);
    if (depth == 8) {
        QList<QRgb> palette(256);
        for (int i = 0; i < 256; ++i)
            palette[i] = qRgb(bmp[56 + 4 * i], bmp[55 + 4 * i], bmp[54 + 4 * i]);
        rows.setColorTable(palette);
    }
    return rows;
}

} // namespace

QImage picture(std::string_view controlName, int shownRows)
{
    const QString path =
        QStringLiteral(":/assets/%1.bmp")
            .arg(QString::fromLatin1(controlName.data(), qsizetype(controlName.size())));
    QImage image = fromTopDownRows(QResource(path), shownRows);
    if (image.isNull())
        image = QImage(path, "BMP");
    return image;
}
