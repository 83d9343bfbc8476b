// Checks a screenshot of the window's client area, taken from the real program of either
// front-end, at a scale of 1 (96 dpi) or above:
//   screencheck SHOT.png SCALE ASSETS-FOLDER
// - the size is the layout's, scaled;
// - every picture lies at the top-left of its client area, under the controls: at a scale of 1
//   every uncovered pixel is the picture's own, so that any two front-ends that pass agree pixel
//   for pixel there; at any other scale every uncovered block shows its own mean colour where
//   the scaled picture puts it, so that the answer boxes stay under their symbols;
// - every control stands where the table puts it: an empty answer box is one plain colour inside
//   its border, a button or label shows its face at its inner corners, "PRUEBA" and the two
//   labels with fixed colours in exactly those.
// Prints what is wrong and exits 1.
#include "geometry.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdarg>
#include <cstdio>

namespace {

int failures = 0;

[[gnu::format(printf, 1, 2)]] void fail(const char *format, ...)
{
    std::va_list values;
    va_start(values, format);
    std::fputs("screencheck: ", stderr);
    std::vfprintf(stderr, format, values);
    std::fputs("\n", stderr);
    va_end(values);
    ++failures;
}

// The client area of a picture box, or of the form when there is none, in screenshot pixels.
// Borders of picture boxes are 2 pixels at 96 dpi; a front-end may scale them or not, so a
// scaled rectangle is good to a pixel.
QRectF clientRect(std::string_view pictureBox, double scale)
{
    const form::ControlSpec *box = form::findControl(pictureBox);
    if (!box) {
        const form::PixelRect form = form::formClientArea();
        return QRectF(0, 0, form.width * scale, form.height * scale);
    }
    const form::PixelRect outer = form::pixelRect(*box), inner = form::clientArea(*box);
    return QRectF(QPointF(outer.left + form::pictureBoxBorder, outer.top + form::pictureBoxBorder) *
                      scale,
                  QSizeF(inner.width, inner.height) * scale);
}

// Where a control lies in the window, in screenshot pixels.
QRectF windowRect(const form::ControlSpec &spec, double scale)
{
    const form::PixelRect rect = form::pixelRect(spec);
    return QRectF(clientRect(spec.container, scale).topLeft() +
                      QPointF(rect.left, rect.top) * scale,
                  QSizeF(rect.width, rect.height) * scale);
}

std::array<int, 3> mean(const QImage &image, QRect area)
{
    int sum[3] = {}, n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x, ++n) {
            const QRgb rgb = image.pixel(x, y);
            sum[0] += qRed(rgb), sum[1] += qGreen(rgb), sum[2] += qBlue(rgb);
        }
    return {sum[0] / n, sum[1] / n, sum[2] / n};
}

// The controls drawn over a picture: what lies inside its container's client area.
bool covered(const QImage &shot, QRectF area, std::string_view picture, double scale)
{
    for (const form::ControlSpec &spec : form::controls) {
        const bool over =
            picture == form::formName ? spec.container.empty() : spec.container == picture;
        if (over && windowRect(spec, scale).adjusted(-1, -1, 1, 1).intersects(area))
            return true;
    }
    return !QRectF(shot.rect()).contains(area);
}

void checkPicture(const QImage &shot, const QString &assets, std::string_view name, double scale)
{
    const QImage picture =
        QImage(assets + "/" + QString::fromLatin1(name.data(), qsizetype(name.size())) + ".bmp")
            .convertToFormat(QImage::Format_RGB32);
    const QRectF client = clientRect(name, scale);
    const int block = scale == 1.0 ? 1 : 4;
    int compared = 0, wrong = 0;
    for (int y = 0; y + block <= picture.height(); y += block)
        for (int x = 0; x + block <= picture.width(); x += block) {
            const QRectF area(client.topLeft() + QPointF(x, y) * scale,
                              QSizeF(block, block) * scale);
            if (!client.contains(area) || covered(shot, area, name, scale))
                continue;
            // Scaled, a block is good where it lies within a pixel of its place: front-ends scale
            // the borders of picture boxes or not, and smooth differently.
            const auto want = mean(picture, QRect(x, y, block, block));
            const int reach = block == 1 ? 0 : 1;
            int best = 255;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx) {
                    const QRect at = area.toRect().translated(dx, dy);
                    if (!shot.rect().contains(at))
                        continue;
                    const auto seen = mean(shot, at);
                    int diff = 0;
                    for (int c = 0; c < 3; ++c)
                        diff = std::max(diff, std::abs(want[c] - seen[c]));
                    best = std::min(best, diff);
                }
            ++compared;
            wrong += best > (block == 1 ? 0 : 48);
        }
    if (compared < 100 || wrong > 0)
        fail("%.*s: %d of %d uncovered %s wrong", int(name.size()), name.data(), wrong, compared,
             block == 1 ? "pixels" : "blocks");
}

void checkControl(const QImage &shot, const form::ControlSpec &spec, double scale)
{
    const QRect rect = windowRect(spec, scale).toRect();
    const int inset = spec.kind == form::Kind::TextBox ? 4 : 2;
    const QRect inner = rect.adjusted(inset, inset, -inset, -inset);
    const QColor face = shot.pixelColor(inner.topLeft());
    bool plain = true;
    if (spec.kind == form::Kind::TextBox) {
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x)
                plain = plain && shot.pixelColor(x, y) == face;
        plain = plain && shot.pixelColor(rect.left(), rect.center().y()) != face; // its border
    } else {
        for (QPoint corner : {inner.topRight(), inner.bottomLeft(), inner.bottomRight()})
            plain = plain && shot.pixelColor(corner) == face;
    }
    const std::string name(spec.name);
    if (!plain && spec.kind != form::Kind::PictureBox)
        fail("%s is not where the table puts it", name.c_str());
    if (!form::isSystemColour(spec.colour) && spec.kind != form::Kind::PictureBox &&
        face != QColor(QRgb(form::rgb(spec.colour))))
        fail("%s shows %s, not its colour", name.c_str(), qPrintable(face.name()));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: screencheck SHOT.png SCALE ASSETS-FOLDER\n");
        return 2;
    }
    const QImage shot =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const double scale = QString::fromLatin1(argv[2]).toDouble();
    const QString assets = QString::fromLocal8Bit(argv[3]);
    const form::PixelRect client = form::formClientArea();
    const QSize size(qRound(client.width * scale), qRound(client.height * scale));
    if (shot.size() != size) {
        fail("the window is %d x %d, not %d x %d", shot.width(), shot.height(), size.width(),
             size.height());
        return 1;
    }
    for (std::string_view picture : form::picturedControls())
        checkPicture(shot, assets, picture, scale);
    for (const form::ControlSpec &spec : form::controls)
        checkControl(shot, spec, scale);
    return failures ? 1 : 0;
}
