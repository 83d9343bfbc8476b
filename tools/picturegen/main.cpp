// Draws the pictures korval2 shows (BMP files) and its icon (an .ico file, and PNG copies for
// Linux desktops) into the given folder, normally assets/. The same source always gives the same
// bytes. With --top-down it writes the given pictures again, top row first, for the Qt program.
#include "bmp.h"
#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <functional>

namespace {

bool write(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

// The pictures again, the same pixels with their rows stored top row first.
bool writeTopDown(const QDir &folder, const QStringList &pictures)
{
    bool ok = true;
    for (const QString &path : pictures) {
        const QImage image(path, "BMP");
        if (image.isNull())
            std::fprintf(stderr, "picturegen: cannot read %s\n", qPrintable(path));
        ok = !image.isNull() &&
             write(folder, QFileInfo(path).fileName(),
                   image.format() == QImage::Format_Indexed8
                       ? encodeBmp8(image, RowOrder::TopDown)
                       : encodeBmp24(image, RowOrder::TopDown)) &&
             ok;
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool topDown = arguments.value(0) == QLatin1String("--top-down");
    if (topDown ? arguments.size() < 3 : arguments.size() != 1) {
        std::fprintf(stderr, "usage: picturegen OUTPUT-FOLDER\n"
                             "       picturegen --top-down OUTPUT-FOLDER PICTURE.bmp...\n");
        return 2;
    }
    const QDir folder(arguments[topDown ? 1 : 0]);
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "picturegen: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    if (topDown)
        return writeTopDown(folder, arguments.mid(2)) ? 0 : 1;

    const std::pair<const char *, std::function<QImage()>> pictures[] = {
        {"Picture1.bmp", drawTransformers}, {"Picture2.bmp", drawLightDiodes},
        {"Picture3.bmp", drawDiodes},       {"Picture4.bmp", drawTransistors},
        {"Picture5.bmp", drawWordList},
    };
    bool ok = true;
    for (const auto &[name, draw] : pictures)
        ok = write(folder, QString::fromLatin1(name), encodeBmp24(draw())) && ok;
    ok = write(folder, QStringLiteral("Form1.bmp"), encodeBmp8(drawCollage())) && ok;
    const QList<QImage> icons{drawWindowIcon(32, false), drawWindowIcon(32, true),
                              drawWindowIcon(16, true)};
    ok = write(folder, QStringLiteral("korval2.ico"), encodeIco(icons)) && ok;
    // The same window in PNG for desktops that take their icons from a theme.
    for (const QImage &icon : {icons[1], icons[2]}) {
        QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                if (icon.pixelIndex(x, y) == 255)
                    argb.setPixel(x, y, 0);
        const QString name = QStringLiteral("korval2-%1.png").arg(icon.width());
        ok = argb.save(folder.filePath(name), "PNG") && ok;
    }
    return ok ? 0 : 1;
}
