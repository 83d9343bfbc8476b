#include "bmp.h"

namespace {

void put16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void put32(QByteArray &out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xFF));
}

int paddedRow(int bytes)
{
    return (bytes + 3) / 4 * 4;
}

QByteArray headers(const QImage &image, int bitsPerPixel, quint32 paletteBytes, quint32 dataSize,
                   bool fillInDataSize)
{
    const quint32 offset = 14 + 40 + paletteBytes;
    QByteArray out;
    out.append("BM");
    put32(out, offset + dataSize);
    put16(out, 0);
    put16(out, 0);
    put32(out, offset);

    put32(out, 40);
    put32(out, quint32(image.width()));
    put32(out, quint32(image.height()));
    put16(out, 1);
    put16(out, quint16(bitsPerPixel));
    put32(out, 0); // no compression
    put32(out, fillInDataSize ? dataSize : 0);
    put32(out, 0); // resolution
    put32(out, 0);
    put32(out, 0); // colours used
    put32(out, 0); // important colours
    return out;
}

// The row of the image that is stored k-th: the bottom row first.
int storedRow(const QImage &image, int k)
{
    return image.height() - 1 - k;
}

} // namespace

QByteArray encodeBmp24(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = paddedRow(image.width() * 3);
    QByteArray out = headers(image, 24, 0, quint32(rowBytes * image.height()), true);
    for (int k = 0; k < image.height(); ++k) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(storedRow(image, k)));
        for (int x = 0; x < image.width(); ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
        }
        out.append(QByteArray(rowBytes - image.width() * 3, '\0'));
    }
    return out;
}

QByteArray encodeBmp8(const QImage &indexed)
{
    const QList<QRgb> table = indexed.colorTable();
    const int rowBytes = paddedRow(indexed.width());
    QByteArray out = headers(indexed, 8, 256 * 4, quint32(rowBytes * indexed.height()), false);
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < table.size() ? table[i] : 0;
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append('\0');
    }
    for (int k = 0; k < indexed.height(); ++k) {
        out.append(reinterpret_cast<const char *>(indexed.constScanLine(storedRow(indexed, k))),
                   indexed.width());
        out.append(QByteArray(rowBytes - indexed.width(), '\0'));
    }
    return out;
}

namespace {

int bitsFor(const QImage &image)
{
    return image.colorCount() <= 2 ? 1 : 4;
}

QByteArray iconImage(const QImage &image)
{
    const int bits = bitsFor(image);
    const int colours = 1 << bits;
    const int xorRow = paddedRow((image.width() * bits + 7) / 8);
    const int andRow = paddedRow((image.width() + 7) / 8);
    const quint32 dataSize = quint32((xorRow + andRow) * image.height());

    QByteArray out;
    put32(out, 40);
    put32(out, quint32(image.width()));
    put32(out, quint32(image.height() * 2)); // colour bits and mask together
    put16(out, 1);
    put16(out, quint16(bits));
    put32(out, 0);
    put32(out, dataSize);
    for (int i = 0; i < 4; ++i)
        put32(out, 0);
    for (int i = 0; i < colours; ++i) {
        const QRgb colour = i < image.colorCount() ? image.color(i) : 0;
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append('\0');
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(xorRow, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const int index = image.pixelIndex(x, y) == 255 ? 0 : image.pixelIndex(x, y);
            const int bit = x * bits;
            row[bit / 8] = char(row[bit / 8] | index << (8 - bits - bit % 8));
        }
        out.append(row);
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(andRow, '\0');
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelIndex(x, y) == 255)
                row[x / 8] = char(row[x / 8] | 0x80 >> (x % 8));
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray encodeIco(const QList<QImage> &images)
{
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, quint16(images.size()));
    QList<QByteArray> bodies;
    for (const QImage &image : images)
        bodies << iconImage(image);
    quint32 offset = quint32(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width()));
        out.append(char(images[i].height()));
        out.append(char(1 << bitsFor(images[i])));
        out.append('\0');
        put16(out, 1);
        put16(out, quint16(bitsFor(images[i])));
        put32(out, quint32(bodies[i].size()));
        put32(out, offset);
        offset += quint32(bodies[i].size());
    }
    for (const QByteArray &body : bodies)
        out.append(body);
    return out;
}
