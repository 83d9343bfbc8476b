// The floor of the start-up benchmark: what any Qt version of this window must pay. The same
// 23 controls with their texts, fonts and colours, in the same style, and nothing else: no
// pictures, icon, translations or screen-reader names.
#include "fonts.h"
#include "geometry.h"
#include "systemcolours.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("windows"));
    QApplication::setFont(controlFont(form::windowFont));
    QWidget window;
    window.setWindowTitle(qs(form::formCaption));
    window.setFixedSize(form::formClientArea().width, form::formClientArea().height);

    for (const form::ControlSpec &spec : form::controls) {
        QWidget *parent =
            spec.container.empty() ? &window : window.findChild<QWidget *>(qs(spec.container));
        QWidget *control = nullptr;
        QPalette::ColorRole role = QPalette::Window;
        switch (spec.kind) {
        case form::Kind::PictureBox:
            control = new QFrame(parent);
            static_cast<QFrame *>(control)->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
            break;
        case form::Kind::TextBox:
            control = new QLineEdit(parent);
            role = QPalette::Base;
            break;
        case form::Kind::CommandButton:
            control = new QPushButton(qs(spec.text), parent);
            role = QPalette::Button;
            break;
        case form::Kind::Label:
            control = new QLabel(qs(spec.text), parent);
            break;
        }
        QPalette palette = control->palette();
        palette.setColor(role, resolveColour(spec.colour, palette));
        control->setPalette(palette);
        control->setAutoFillBackground(true);
        control->setObjectName(qs(spec.name));
        control->setFont(controlFont(spec.font));
        const form::PixelRect rect = form::pixelRect(spec);
        control->setGeometry(rect.left + (parent == &window ? 0 : 2),
                             rect.top + (parent == &window ? 0 : 2), rect.width, rect.height);
    }
    window.show();
    return QApplication::exec();
}
