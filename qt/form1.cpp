#include "form1.h"

#include "controls.h"
#include "fonts.h"
#include "geometry.h"
#include "pictures.h"
#include "runtimeerror.h"
#include "screenreader.h"
#include "systemcolours.h"
#include "tabcycle.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>

#include <limits>

namespace {

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

void setBackground(QWidget *widget, QPalette::ColorRole role, std::uint32_t colourValue)
{
    QPalette palette = widget->palette();
    palette.setColor(role, resolveColour(colourValue, palette));
    widget->setPalette(palette);
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent), m_background(picture(form::formName, form::formClientArea().height)),
      m_announcement(new Announcement(this))
{
    setObjectName(qs(form::formName));
    setWindowTitle(qs(form::formCaption));
    setFont(controlFont(form::windowFont));
    setAutoFillBackground(true);
    setBackground(this, QPalette::Window, form::formColour);
    const form::PixelRect client = form::formClientArea();
    setFixedSize(client.width, client.height);

    for (const form::ControlSpec &spec : form::controls)
        createControl(spec);
    applyTabOrder();
    findChild<QWidget *>(qs(form::firstFocus().name))->setFocus();
}

void Form1::createControl(const form::ControlSpec &spec)
{
    const form::KindTraits &traits = form::traits(spec.kind);
    const form::Identity identity = form::identity(spec);
    QWidget *container = this;
    QPoint clientOrigin;
    if (!spec.container.empty()) {
        auto *box = findChild<QFrame *>(qs(spec.container));
        container = box;
        clientOrigin = box->contentsRect().topLeft();
    }

    const Qt::Alignment across = traits.centredText ? Qt::AlignHCenter : Qt::AlignLeft;
    QWidget *control = nullptr;
    switch (spec.kind) {
    case form::Kind::PictureBox: {
        const QAccessible::Role role =
            identity.role == form::Role::Group ? QAccessible::Grouping : QAccessible::Graphic;
        auto *box =
            new PictureBox(picture(spec.name, form::clientArea(spec).height), role, container);
        if (traits.sunkenBorder)
            box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        setBackground(box, QPalette::Window, spec.colour);
        control = box;
        break;
    }
    case form::Kind::TextBox: {
        auto *box = new QLineEdit(container);
        box->setFrame(traits.sunkenBorder);
        if (traits.unlimitedText)
            box->setMaxLength(std::numeric_limits<int>::max());
        box->setAlignment(across | Qt::AlignVCenter);
        setBackground(box, QPalette::Base, spec.colour);
        control = box;
        break;
    }
    case form::Kind::CommandButton: {
        auto *button = new CommandButton(qs(spec.text), traits.enterClicks, container);
        setBackground(button, QPalette::Button, spec.colour);
        connect(button, &QPushButton::clicked, this, [this, name = spec.name] { click(name); });
        control = button;
        break;
    }
    case form::Kind::Label: {
        auto *label = new QLabel(qs(spec.text), container);
        label->setAlignment(across | Qt::AlignTop);
        label->setAutoFillBackground(true);
        setBackground(label, QPalette::Window, spec.colour);
        control = label;
        break;
    }
    }
    control->setObjectName(qs(spec.name));
    control->setAccessibleName(QString::fromStdString(identity.name));
    control->setAccessibleDescription(QString::fromStdString(identity.description));
    const form::Placement placed = form::placement(spec);
    control->setFont(controlFont(spec.font, placed.fontPixels));
    const form::PixelRect &rect = placed.rect;
    control->setGeometry(
        QRect(rect.left, rect.top, rect.width, rect.height).translated(clientOrigin));
    if (!traits.takesFocus)
        control->setFocusPolicy(Qt::NoFocus);
    if (traits.beneath)
        control->lower();
}

void Form1::applyTabOrder()
{
    QWidget *previous = nullptr;
    for (const form::ControlSpec *spec : form::tabCycle()) {
        auto *control = findChild<QWidget *>(qs(spec->name));
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

QLineEdit *Form1::answerBox(std::string_view name) const
{
    auto *box = findChild<QLineEdit *>(qs(name));
    if (!box)
        form::throwMissingControl(name);
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

void Form1::announce(const std::string &text)
{
    m_announcement->say(QString::fromStdString(text));
}

void Form1::endWithRuntimeError(const std::string &message)
{
    QMessageBox::critical(this, qs(form::runtimeErrorTitle), QString::fromStdString(message));
    QCoreApplication::exit(form::runtimeErrorStatus);
}
