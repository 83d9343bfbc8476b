#include "pictures.h"

#include <QList>

QList<QRgb> palette332()
{
    static const int levels8[] = {0, 36, 73, 109, 146, 182, 219, 255};
    static const int levels4[] = {0, 85, 170, 255};
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table << qRgb(levels8[(i >> 5) & 7], levels8[(i >> 2) & 7], levels4[i & 3]);
    return table;
}

QImage drawCollage()
{
    QImage full(640, 480, QImage::Format_RGB32);
    full.fill(QColor(0x84, 0x8F, 0x7F));
    return full.convertToFormat(QImage::Format_Indexed8, palette332(), Qt::DiffuseDither);
}
