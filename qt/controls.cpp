#include "controls.h"

#include <QKeyEvent>
#include <QPainter>

PictureBox::PictureBox(QImage picture, QAccessible::Role role, QWidget *parent)
    : QFrame(parent), m_picture(std::move(picture)), m_role(role)
{
    setAutoFillBackground(true);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        // Only matters at a display scale factor other than 1; at 1 every pixel is copied.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setClipRect(contentsRect());
        painter.drawImage(contentsRect().topLeft(), m_picture);
    }
    QFrame::paintEvent(event);
}

Announcement::Announcement(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("announcement"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcement::say(const QString &text)
{
    hide();
    setAccessibleName(text);
    show();
}

CommandButton::CommandButton(const QString &text, bool enterClicks, QWidget *parent)
    : QPushButton(text, parent), m_enterClicks(enterClicks)
{
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (m_enterClicks && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
