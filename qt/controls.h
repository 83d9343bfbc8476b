#pragma once

#include <QAccessibleInterface>
#include <QFrame>
#include <QImage>
#include <QPushButton>

// A picture box: its picture unscaled at the top-left of the client area and clipped to it, the
// background colour wherever the picture does not reach.
class PictureBox : public QFrame {
public:
    PictureBox(QImage picture, QAccessible::Role role, QWidget *parent);
    QAccessible::Role accessibleRole() const { return m_role; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QAccessible::Role m_role;
};

// Screen readers get each picture box as a named group of the answer boxes it holds, or as an
// image when it holds none. Qt would offer a QFrame as a window frame, and Orca takes such a
// frame for the window of the box that has the focus, finds it inactive and says nothing.
QAccessibleInterface *pictureBoxAccessible(const QString &className, QObject *object);

// A push button that Enter activates too, as Space does: outside a dialog Qt leaves Enter to
// default buttons, and this window has none.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
