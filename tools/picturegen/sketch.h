#pragma once

#include <QImage>
#include <QPainter>

#include <initializer_list>
#include <vector>

// A white table picture with anti-aliased line drawings. Coordinates are pixel indices and
// ranges are inclusive, as in the picture descriptions; strokes run between pixel centres.
class Sketch {
public:
    Sketch(int width, int height);

    // Crisp filled block of pixels x0..x1, y0..y1.
    void block(int x0, int y0, int x1, int y1, QColor colour = Qt::black);
    // Anti-aliased straight stroke from the centre of one pixel to the centre of another.
    void stroke(QPointF from, QPointF to, qreal width = 1.6, QColor colour = Qt::black);
    void solid(std::initializer_list<QPointF> corners, QColor colour = Qt::black);
    // Outlined and filled with grey and black hatching.
    void hatched(std::initializer_list<QPointF> corners);
    // A mid-grey circle that fills the pixel box x0..x1, y0..y1.
    void circle(int x0, int y0, int x1, int y1);
    // A straight arrow with a solid head whose tip is at `tip`.
    void arrow(QPointF from, QPointF tip, qreal headLength = 6, qreal headWidth = 6);
    // Half an ellipse from row `top` to row `bottom` of a vertical lead at column `leadX`,
    // bulging sideways as far as pixel column `bulge`.
    void arc(qreal leadX, int top, int bottom, int bulge, qreal width = 1.4);

    // A grid line: side by side rows (horizontal) or columns from `at` on, each from..to along
    // it in one exact colour.
    struct GridLine {
        bool horizontal;
        int at, from, to;
        std::vector<QRgb> colours;
    };
    // Ends the drawing: speckles the untouched white ground (the same way for the same seed),
    // then draws the grid lines over it, so that their colours stay exact. Vertical lines come
    // last, on top where lines cross. Returns the finished picture.
    QImage finish(quint32 seed, std::initializer_list<GridLine> lines);

private:
    QPolygonF polygon(std::initializer_list<QPointF> corners) const;

    QImage m_image;
    QPainter m_painter;
};
