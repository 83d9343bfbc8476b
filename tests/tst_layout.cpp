#include "form1.h"
#include "startup.h"
#include "tabcycle.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// The grab is in device pixels: at a scale factor above 1 every point lies further out.
QColor pixel(const QImage &grab, const QWidget *widget, QPointF local)
{
    const QPointF at =
        (QPointF(widget->mapTo(widget->window(), QPoint())) + local) * grab.devicePixelRatio();
    return grab.pixelColor(at.toPoint());
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void geometry_data();
    void geometry();
    void tabCycle();
    void colours_data();
    void colours();
    void stackingAndCaptions();

private:
    template <typename T = QWidget> T *control(const QString &name) const
    {
        return m_form->findChild<T *>(name);
    }
    std::unique_ptr<Form1> m_form;
    QImage m_grab;
};

void TestLayout::initTestCase()
{
    prepareApplication(*qApp);
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));

    // Run once as it comes and once with QT_SCALE_FACTOR=1.25: the window scales as one, so
    // every expectation in device-independent pixels holds at both.
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    m_grab = m_form->grab().toImage();
    QCOMPARE(m_grab.devicePixelRatio(), scale);
    QCOMPARE(m_grab.size(), QSize(qRound(640 * scale), qRound(383 * scale)));
    QCOMPARE(m_form->size(), QSize(640, 383));
}

// Window pixels at 96 dpi as the layout gives them; answer boxes from their picture box's client
// area, inside its 2-pixel border.
void TestLayout::geometry_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Picture1") << "Form1" << QRect(8, 32, 217, 113);
    QTest::newRow("Text1") << "Picture1" << QRect(24, 88, 153, 19);
    QTest::newRow("Text7") << "Picture2" << QRect(152, 64, 97, 19);
    QTest::newRow("Text8") << "Picture4" << QRect(8, 56, 57, 27);
    QTest::newRow("Text12") << "Picture4" << QRect(328, 56, 49, 25);
    QTest::newRow("Picture5") << "Form1" << QRect(496, 24, 145, 225);
    QTest::newRow("Command1") << "Form1" << QRect(368, 176, 81, 57);
    QTest::newRow("Label1") << "Form1" << QRect(8, 0, 129, 17);
}

void TestLayout::geometry()
{
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    QWidget *widget = control(QTest::currentDataTag());
    QCOMPARE(widget->parentWidget()->objectName(), container);
    if (container != "Form1")
        pixels.translate(2, 2);
    QCOMPARE(widget->geometry(), pixels);
}

// Tab and Shift+Tab, pressed as keys, follow the cycle and wrap around.
void TestLayout::tabCycle()
{
    QStringList cycle;
    for (const form::ControlSpec *spec : form::tabCycle())
        cycle << QString::fromLatin1(spec->name.data(), qsizetype(spec->name.size()));
    cycle << cycle.first();
    control(cycle.first())->setFocus();
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
    }
    for (qsizetype i = cycle.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
    }
}

// Colours as the user sees them, a few pixels inside each control's client area. System colours
// without a palette role take the classic Windows scheme.
void TestLayout::colours_data()
{
    const QPalette palette = QApplication::palette();
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("PRUEBA") << "Command1" << QPointF(8, 8) << QColor(0xFF, 0xC0, 0x80);
    QTest::newRow("Label1 green") << "Label1" << QPointF(3, 3) << QColor(0, 0xC0, 0);
    QTest::newRow("Label2 teal") << "Label2" << QPointF(3, 3) << QColor(0, 0x80, 0x80);
    QTest::newRow("Label3 active border") << "Label3" << QPointF(3, 3) << QColor(0xC0C0C0);
    QTest::newRow("Label4 workspace") << "Label4" << QPointF(3, 3) << QColor(0x808080);
    QTest::newRow("Text12 inactive title") << "Text12" << QPointF(5, 5) << QColor(0x808080);
    QTest::newRow("Text11 button face") << "Text11" << QPointF(5, 5) << palette.button().color();
    QTest::newRow("Picture2 below its picture")
        << "Picture2" << QPointF(30, 2 + 88) << palette.highlightedText().color();
    QTest::newRow("Picture4 right of its picture")
        << "Picture4" << QPointF(2 + 385, 20) << palette.highlightedText().color();
    QTest::newRow("Picture1 right of its picture")
        << "Picture1" << QPointF(2 + 206, 50) << QColor(Qt::white);
}

void TestLayout::colours()
{
    QFETCH(QString, control);
    QFETCH(QPointF, at);
    QFETCH(QColor, colour);
    QCOMPARE(pixel(m_grab, this->control(control), at), colour);
}

// Labels lie under everything and show their whole captions; "PRUEBA" keeps its face held down.
void TestLayout::stackingAndCaptions()
{
    QCOMPARE(m_form->childAt(500, 24), control("Picture5"));
    QCOMPARE(m_form->childAt(500, 23), control("Label4"));
    QCOMPARE(control("Picture5")->geometry().right(), 640);

    for (QWidget *widget : m_form->findChildren<QWidget *>()) {
        QString caption;
        if (auto *label = qobject_cast<QLabel *>(widget))
            caption = label->text();
        else if (auto *button = qobject_cast<QPushButton *>(widget))
            caption = button->text();
        QVERIFY2(widget->fontMetrics().horizontalAdvance(caption) + 2 <= widget->width(),
                 qPrintable(widget->objectName()));
        QVERIFY2(widget->fontMetrics().height() <= widget->height(),
                 qPrintable(widget->objectName()));
    }
    QCOMPARE(control<QLabel>("Label4")->text(),
             "ESCRIBIR EL  NOMBRE CORRECTO EN CADA CUADRO Y OPRIMIR PRUEBA");
    QCOMPARE(control<QLabel>("Label1")->text(), "KORVAL  2");

    auto *prueba = control<QPushButton>("Command1");
    QTest::mousePress(prueba, Qt::LeftButton);
    QCOMPARE(pixel(m_form->grab().toImage(), prueba, {8, 8}), QColor(0xFF, 0xC0, 0x80));
    QTest::mouseRelease(prueba, Qt::LeftButton);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
