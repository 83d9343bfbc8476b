#include "form1.h"

#include "accessiblenames.h"
#include "controls.h"
#include "fonts.h"
#include "runtimeerror.h"
#include "systemcolours.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

QString qs(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString qs(std::string_view latin1)
{
    return QString::fromLatin1(latin1.data(), qsizetype(latin1.size()));
}

QRect pixelRect(const layout::ControlSpec &spec)
{
    return {layout::twipsToPixels(spec.left), layout::twipsToPixels(spec.top),
            layout::twipsToPixels(spec.width), layout::twipsToPixels(spec.height)};
}

QImage picture(const char *controlName)
{
    // Naming the format spares Qt from asking every image plugin what the file is.
    return QImage(QStringLiteral(":/assets/%1.bmp").arg(qs(controlName)), "BMP");
}

void setBackground(QWidget *widget, QPalette::ColorRole role, std::uint32_t colourValue)
{
    QPalette palette = widget->palette();
    palette.setColor(role, resolveColour(colourValue, palette));
    widget->setPalette(palette);
}

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent), m_background(picture("Form1"))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setFont(controlFont(layout::windowFont));
    setAutoFillBackground(true);
    setBackground(this, QPalette::Window, layout::buttonFace);
    setFixedSize(layout::twipsToPixels(layout::formClientWidth),
                 layout::twipsToPixels(layout::formClientHeight));

    for (const layout::ControlSpec &spec : layout::controls)
        createControl(spec);
    applyTabOrder();
    findChild<QWidget *>(QStringLiteral("Command1"))->setFocus();
}

void Form1::createControl(const layout::ControlSpec &spec)
{
    QWidget *container = this;
    QPoint clientOrigin;
    if (spec.container) {
        auto *box = findChild<QFrame *>(qs(spec.container));
        container = box;
        clientOrigin = box->contentsRect().topLeft();
    }

    QWidget *control = nullptr;
    switch (spec.kind) {
    case layout::Kind::PictureBox: {
        control = new PictureBox(picture(spec.name), container);
        setBackground(control, QPalette::Window, spec.colour);
        break;
    }
    case layout::Kind::TextBox: {
        auto *box = new QLineEdit(container);
        box->setMaxLength(std::numeric_limits<int>::max()); // no limit, as the learner expects
        box->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        setBackground(box, QPalette::Base, spec.colour);
        control = box;
        break;
    }
    case layout::Kind::CommandButton: {
        auto *button = new CommandButton(qs(spec.text), container);
        setBackground(button, QPalette::Button, spec.colour);
        control = button;
        break;
    }
    case layout::Kind::Label: {
        auto *label = new QLabel(qs(spec.text), container);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setAutoFillBackground(true);
        setBackground(label, QPalette::Window, spec.colour);
        label->lower(); // labels belong to the window's own surface, beneath every control
        control = label;
        break;
    }
    }
    control->setObjectName(qs(spec.name));
    control->setAccessibleName(screenReaderName(spec));
    control->setAccessibleDescription(screenReaderDescription(spec));
    control->setFont(controlFont(spec.font));
    control->setGeometry(pixelRect(spec).translated(clientOrigin));

    if (spec.kind == layout::Kind::CommandButton) {
        const ClickHandler handler = clickHandler(spec.name);
        connect(static_cast<QPushButton *>(control), &QPushButton::clicked, this,
                [this, handler] { runHandler([this, handler] { (this->*handler)(); }); });
    }
}

void Form1::applyTabOrder()
{
    std::vector<const layout::ControlSpec *> order;
    for (const layout::ControlSpec &spec : layout::controls)
        order.push_back(&spec);
    std::sort(order.begin(), order.end(),
              [](auto *a, auto *b) { return a->tabIndex < b->tabIndex; });

    QWidget *previous = nullptr;
    for (const layout::ControlSpec *spec : order) {
        auto *control = findChild<QWidget *>(qs(spec->name));
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform); // see PictureBox
    painter.drawImage(0, 0, m_background);
}

Form1::ClickHandler Form1::clickHandler(std::string_view button)
{
    if (button == "Command1")
        return &Form1::Command1_Click;
    if (button == "Command2")
        return &Form1::Command2_Click;
    return &Form1::Command3_Click;
}

void Form1::Command1_Click()
{
    quiz::checkAnswers(*this);
}

void Form1::Command2_Click()
{
    quiz::clearAnswers(*this);
}

void Form1::Command3_Click()
{
    quiz::exitProgram(*this);
}

QLineEdit *Form1::answerBox(std::string_view name) const
{
    auto *box = findChild<QLineEdit *>(qs(name));
    if (!box)
        throw std::runtime_error("No se encuentra el cuadro de respuesta " + std::string(name) +
                                 ".");
    return box;
}

std::u16string Form1::text(std::string_view box) const
{
    return answerBox(box)->text().toStdU16String();
}

void Form1::setText(std::string_view box, std::u16string_view text)
{
    answerBox(box)->setText(QStringView(text.data(), qsizetype(text.size())).toString());
}

void Form1::endProgram()
{
    QCoreApplication::exit(0);
}
