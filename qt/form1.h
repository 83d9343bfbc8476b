#pragma once

#include "events.h"
#include "layouttable.h"

#include <QImage>
#include <QWidget>

class Announcement;
class QLineEdit;

// The drill's one window, built from the layout table.
class Form1 : public QWidget, public form::Form1Events {
public:
    explicit Form1(QWidget *parent = nullptr);

    std::u16string text(std::string_view box) const override;
    void setText(std::string_view box, std::u16string_view text) override;
    void endProgram() override;

protected:
    void endWithRuntimeError(const std::string &message) override;
    void announce(const std::string &text) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createControl(const form::ControlSpec &spec);
    void applyTabOrder();
    QLineEdit *answerBox(std::string_view name) const;

    QImage m_background;
    Announcement *m_announcement;
};
