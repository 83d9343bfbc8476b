#pragma once

#include <QByteArray>
#include <QImage>

// Uncompressed Windows bitmaps with exactly the header fields the program's pictures use:
// rows padded to 4 bytes, resolution 0, colours used 0, stored bottom row first, which every
// Windows reads. Written by hand because QImageWriter fills in its own resolution and sizes.

// 24 bits per pixel, stored blue, green, red; the pixel-data size is filled in.
QByteArray encodeBmp24(const QImage &image);

// 8 bits per pixel with the image's 256-entry colour table; the pixel-data size is left 0.
QByteArray encodeBmp8(const QImage &indexed);

// A Windows icon file holding the given indexed images, each stored with the colour depth its
// colour table implies (2 colours: 1 bit, 16 colours: 4 bits). Index 255 marks transparent
// pixels: they go into the AND mask and are stored as index 0.
QByteArray encodeIco(const QList<QImage> &images);
