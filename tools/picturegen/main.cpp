// Draws the pictures korval2 shows (BMP files) and its icon (an .ico file, and PNG copies for
// Linux desktops) into the given folder, normally assets/. The same source always gives the same
// bytes.
#include "bmp.h"
#include "pictures.h"

#include <QDir>
#include <QFile>

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

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: picturegen OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "picturegen: cannot create %s\n", argv[1]);
        return 1;
    }

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
