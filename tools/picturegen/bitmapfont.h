#pragma once

#include <QImage>
#include <QString>

// A small bitmap sans-serif of our own: capitals 9 pixels high with 2-pixel vertical and
// 1-pixel horizontal strokes and cut corners on the round letters; lower case with an x-height
// of 7 and ascenders of 10. Drawn without anti-aliasing.

// Ink width of a letter, 0 for a letter the face lacks.
int glyphWidth(QChar letter);

// Draws one letter with the top of the capitals on row `capTop`.
void drawGlyph(QImage &image, QChar letter, int left, int capTop, QRgb colour);

// Draws `text` so that its ink spans exactly the columns left..right, spreading the room over
// the gaps: 1 to 3 pixels between letters, 5 to 8 between words.
void drawTextLine(QImage &image, const QString &text, int left, int right, int capTop, QRgb colour);
