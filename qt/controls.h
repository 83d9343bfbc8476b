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

// What a command did, for screen readers only: a widget with no area that they meet as a
// notification named with the text. It shows anew for every announcement, which is what Orca
// speaks; a changed name alone reaches no screen reader through Qt 6.4.
class Announcement : public QWidget {
public:
    explicit Announcement(QWidget *parent);
    void say(const QString &text);
};

// A push button that Enter may activate too, as Space does: outside a dialog Qt leaves Enter to
// default buttons.
class CommandButton : public QPushButton {
public:
    CommandButton(const QString &text, bool enterClicks, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_enterClicks;
};
