// The bare reference of the start-up benchmark: one empty widget, filled with the light orange
// the benchmark watches for.
#include "geometry.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    const form::PixelRect client = form::formClientArea();
    window.setFixedSize(client.width, client.height);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xC0, 0x80));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.show();
    return QApplication::exec();
}
