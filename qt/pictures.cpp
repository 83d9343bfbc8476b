#include "pictures.h"

#include "bitmap.h"

#include <QResource>

namespace {

// Qt's BMP reader converts pixel by pixel, a tenth of the program's start-up. The build stores our
// pictures top row first, so their rows are used as they lie in memory, and only the rows the
// control shows; anything else goes through Qt's reader. They stay in their own format, 8 bits
// with a palette or 24, which the painter converts as it draws: converting them first to 32 bits,
// or turning bottom-up rows over, meant memory to fill before the first frame.
QImage fromTopDownRows(const QResource &resource, int shownRows)
{
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const std::optional<bitmap::Bitmap> stored =
        bitmap::read({resource.data(), std::size_t(resource.size())});
    if (!stored || !stored->topDown)
        return {};
    QImage rows(stored->rows.data(), stored->width, std::min(stored->height, shownRows),
                qsizetype(stored->stride),
                stored->depth == 24 ? QImage::Format_BGR888 : QImage::Format_Indexed8);
    if (stored->depth == 8) {
        QList<QRgb> palette(256);
        for (int i = 0; i < 256; ++i)
            palette[i] = qRgb(stored->palette[4 * i + 2], stored->palette[4 * i + 1],
                              stored->palette[4 * i]);
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
