#include "sketch.h"

#include "arithmetic.h"
#include "random.h"

#include <QPainterPath>

namespace {

QPointF centre(QPointF pixel)
{
    return pixel + QPointF(0.5, 0.5);
}

} // namespace

Sketch::Sketch(int width, int height) : m_image(width, height, QImage::Format_RGB32)
{
    m_image.fill(Qt::white);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
}

void Sketch::block(int x0, int y0, int x1, int y1, QColor colour)
{
    m_painter.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), colour);
}

void Sketch::stroke(QPointF from, QPointF to, qreal width, QColor colour)
{
    m_painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    m_painter.drawLine(centre(from), centre(to));
}

QPolygonF Sketch::polygon(std::initializer_list<QPointF> corners) const
{
    QPolygonF result;
    for (QPointF corner : corners)
        result << centre(corner);
    return result;
}

void Sketch::solid(std::initializer_list<QPointF> corners, QColor colour)
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(colour);
    m_painter.drawPolygon(polygon(corners));
}

void Sketch::hatched(std::initializer_list<QPointF> corners)
{
    const QPolygonF shape = polygon(corners);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(0x80, 0x80, 0x80));
    m_painter.drawPolygon(shape);
    m_painter.setBrush(QBrush(Qt::black, Qt::BDiagPattern));
    m_painter.drawPolygon(shape);
    m_painter.setPen(QPen(Qt::black, 1.0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolygon(shape);
}

void Sketch::circle(int x0, int y0, int x1, int y1)
{
    m_painter.setPen(QPen(QColor(0x6E, 0x6E, 0x6E), 1.5));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawEllipse(QRectF(x0 + 0.75, y0 + 0.75, x1 - x0 - 0.5, y1 - y0 - 0.5));
}

void Sketch::arrow(QPointF from, QPointF tip, qreal headLength, qreal headWidth)
{
    const QPointF along = (tip - from) / arithmetic::distance(from, tip);
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * headLength;
    stroke(from, base + along);
    solid({tip + along * 0.3, base + across * headWidth / 2, base - across * headWidth / 2});
}

void Sketch::arc(qreal leadX, int top, int bottom, int bulge, qreal width)
{
    const qreal sign = bulge > leadX ? 1 : -1;
    const qreal reach = qAbs(bulge - 0.5 * sign - leadX);
    QPainterPath path;
    const QRectF box(leadX + 0.5 - reach, top + 0.5, 2 * reach, bottom - top);
    path.arcMoveTo(box, 90);
    path.arcTo(box, 90, -180 * sign);
    m_painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(path);
}

QImage Sketch::finish(quint32 seed, std::initializer_list<GridLine> lines)
{
    m_painter.end();
    Random random(seed);
    for (int y = 0; y < m_image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = 0; x < m_image.width(); ++x) {
            const quint32 state = random.next();
            if (line[x] != qRgb(255, 255, 255) || state % 100 >= 24)
                continue;
            const int channel = int(state >> 8) % 4;
            line[x] = channel == 3 ? qRgb(254, 254, 254)
                                   : qRgb(channel == 0 ? 254 : 255, channel == 1 ? 254 : 255,
                                          channel == 2 ? 254 : 255);
        }
    }
    for (bool horizontal : {true, false})
        for (const GridLine &line : lines) {
            if (line.horizontal != horizontal)
                continue;
            for (int across = 0; across < int(line.colours.size()); ++across)
                for (int along = line.from; along <= line.to; ++along)
                    m_image.setPixel(horizontal ? along : line.at + across,
                                     horizontal ? line.at + across : along, line.colours[across]);
        }
    return m_image;
}
