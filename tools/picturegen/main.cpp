// Draws the pictures the program shows (BMP files, one for the window and one for each picture box
// of the layout table, named after it) and its icon (an .ico file, and PNG copies for Linux
// desktops) into the given folder, normally assets/. The same source always gives the same bytes.
// With --top-down it writes the given pictures again, top row first, for the Qt program.
#include "bitmap.h"
#include "bmp.h"
#include "layouttable.h"
#include "pictures.h"
#include "version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <functional>
#include <map>
#include <vector>

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
        QFile file(path);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const std::span<const std::uint8_t> stored(
            reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        const std::optional<bitmap::Bitmap> picture = bitmap::read(stored);
        if (!picture) {
            std::fprintf(stderr, "picturegen: %s is not one of our pictures\n", qPrintable(path));
            ok = false;
            continue;
        }
        const std::vector<std::uint8_t> copy = bitmap::topDownCopy(*picture, stored);
        ok = write(
                 folder, QFileInfo(path).fileName(),
                 QByteArray(reinterpret_cast<const char *>(copy.data()), qsizetype(copy.size()))) &&
             ok;
    }
    return ok;
}

// What each control that shows a picture shows.
const std::map<std::string_view, std::function<QByteArray()>> drawings{
    {form::formName, [] { return encodeBmp8(drawCollage()); }},
    {"Picture1", [] { return encodeBmp24(drawTransformers()); }},
    {"Picture2", [] { return encodeBmp24(drawLightDiodes()); }},
    {"Picture3", [] { return encodeBmp24(drawDiodes()); }},
    {"Picture4", [] { return encodeBmp24(drawTransistors()); }},
    {"Picture5", [] { return encodeBmp24(drawWordList()); }},
};

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

    constexpr auto pictured = form::picturedControls();
    if (pictured.size() != drawings.size()) {
        std::fprintf(stderr, "picturegen: the layout table's pictures are not the drawings\n");
        return 1;
    }
    bool ok = true;
    for (std::string_view name : pictured) {
        const auto drawing = drawings.find(name);
        if (drawing == drawings.end()) {
            std::fprintf(stderr, "picturegen: nothing to draw for %.*s\n", int(name.size()),
                         name.data());
            return 1;
        }
        ok = write(folder, QString::fromLatin1(name.data(), qsizetype(name.size())) + ".bmp",
                   drawing->second()) &&
             ok;
    }
    const QList<QImage> icons{drawWindowIcon(32, false), drawWindowIcon(32, true),
                              drawWindowIcon(16, true)};
    ok = write(folder, QStringLiteral(KORVAL_PROGRAM ".ico"), encodeIco(icons)) && ok;
    // The same window in PNG for desktops that take their icons from a theme.
    for (const QImage &icon : {icons[1], icons[2]}) {
        QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                if (icon.pixelIndex(x, y) == 255)
                    argb.setPixel(x, y, 0);
        const QString name = QStringLiteral(KORVAL_PROGRAM "-%1.png").arg(icon.width());
        ok = argb.save(folder.filePath(name), "PNG") && ok;
    }
    return ok ? 0 : 1;
}
