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

} // namespace

QByteArray encodeBmp24(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = paddedRow(image.width() * 3);
    QByteArray out = headers(image, 24, 0, quint32(rowBytes * image.height()), true);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
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
    for (int y = indexed.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char *>(indexed.constScanLine(y)), indexed.width());
        out.append(QByteArray(rowBytes - indexed.width(), '\0'));
    }
    return out;
}
