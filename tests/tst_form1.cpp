#include "form1.h"
#include "startup.h"
#include "tabcycle.h"
#include "version.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestForm1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void init();
    void cleanup() { m_form.reset(); }

    void application();
    void tabCycle();
    void colours_data();
    void colours();
    void fonts_data();
    void fonts();
    void stackingAndCaptions();
    void runtimeErrorReported();

private:
    template <typename T = QWidget> T *control(const QString &name) const
    {
        return m_form->findChild<T *>(name);
    }
    void click(const char *button) { QTest::mouseClick(control(button), Qt::LeftButton); }
    std::unique_ptr<Form1> m_form;
};

void TestForm1::init()
{
    m_form = std::make_unique<Form1>();
    showWindow(*m_form);
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

// The version, the icon and Qt's own texts in Spanish. (The real-window scenario shows the
// title, the first focus, the empty boxes and that no button is a default one.)
void TestForm1::application()
{
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(KORVAL_VERSION_TEXT));
    QTRY_VERIFY(QApplication::windowIcon().availableSizes().contains(QSize(32, 32)));
    QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(16, 16)));

    // Qt's own texts come in Spanish: the answer box's context menu.
    std::unique_ptr<QMenu> menu(control<QLineEdit>("Text3")->createStandardContextMenu());
    QStringList actions;
    for (QAction *action : menu->actions())
        actions << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(actions.contains("Deshacer") && actions.contains("Copiar") &&
                 actions.contains("Pegar"),
             qPrintable(actions.join(", ")));
}

// Tab and Shift+Tab, pressed as keys, follow the cycle and wrap around.
void TestForm1::tabCycle()
{
    QStringList cycle;
    for (const form::ControlSpec *spec : form::tabCycle())
        cycle << QString::fromLatin1(spec->name.data(), qsizetype(spec->name.size()));
    cycle << cycle.first();
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
    }
    for (qsizetype i = cycle.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
    }
}

// The system colours as this front-end resolves them, a few pixels inside each control: from the
// palette where Qt has a role, else from the classic Windows scheme.
void TestForm1::colours_data()
{
    const QPalette palette = QApplication::palette();
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Label3 active border") << "Label3" << QPoint(3, 3) << QColor(0xC0C0C0);
    QTest::newRow("Label4 workspace") << "Label4" << QPoint(3, 3) << QColor(0x808080);
    QTest::newRow("Text12 inactive title") << "Text12" << QPoint(5, 5) << QColor(0x808080);
    QTest::newRow("Text11 button face") << "Text11" << QPoint(5, 5) << palette.button().color();
    QTest::newRow("Picture2 below its picture")
        << "Picture2" << QPoint(30, 2 + 88) << palette.highlightedText().color();
}

void TestForm1::colours()
{
    QFETCH(QString, control);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    const QImage grab = m_form->grab().toImage();
    QCOMPARE(grab.pixelColor(this->control(control)->mapTo(m_form.get(), at)), colour);
}

// The faces the labels carry, and the window's own font elsewhere, in pixels at 96 dpi; every
// text centred across its control, as it shows.
void TestForm1::fonts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::newRow("Label1 title") << "Label1" << 13 << true << false;
    QTest::newRow("Label2 credit") << "Label2" << 11 << true << false;
    QTest::newRow("Label3 hint") << "Label3" << 11 << false << true;
    QTest::newRow("Label4 instruction") << "Label4" << 11 << false << true;
    QTest::newRow("Text5 box") << "Text5" << 11 << false << false;
    QTest::newRow("Command1 button") << "Command1" << 11 << false << false;
}

void TestForm1::fonts()
{
    QFETCH(QString, control);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QWidget *widget = this->control(control);
    const QFont font = widget->font();
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.italic(), italic);

    if (auto *box = qobject_cast<QLineEdit *>(widget))
        box->setText(QStringLiteral("MM"));
    const QImage shot = widget->grab().toImage();
    const QRgb ground = shot.pixel(4, 4);
    int left = shot.width(), right = 0;
    for (int y = 4; y < shot.height() - 4; ++y)
        for (int x = 4; x < shot.width() - 4; ++x)
            if (qGray(shot.pixel(x, y)) < qGray(ground) - 64)
                left = std::min(left, x), right = std::max(right, x);
    QVERIFY2(
        left < right && std::abs(left + right + 1 - shot.width()) <= 3,
        qPrintable(
            QStringLiteral("text from %1 to %2 of %3").arg(left).arg(right).arg(shot.width())));
}

// Labels lie under everything and show their whole captions; "PRUEBA" keeps its face held down.
void TestForm1::stackingAndCaptions()
{
    QCOMPARE(m_form->childAt(500, 24), control("Picture5"));
    QCOMPARE(m_form->childAt(500, 23), control("Label4"));
    for (const form::ControlSpec &spec : form::controls) {
        QWidget *widget = control(QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size())));
        QString caption;
        if (auto *label = qobject_cast<QLabel *>(widget))
            caption = label->text();
        else if (auto *button = qobject_cast<QPushButton *>(widget))
            caption = button->text();
        QVERIFY2(widget->fontMetrics().horizontalAdvance(caption) + 2 <= widget->width() &&
                     widget->fontMetrics().height() <= widget->height(),
                 qPrintable(widget->objectName()));
    }
    QTest::mousePress(control("Command1"), Qt::LeftButton);
    QCOMPARE(m_form->grab().toImage().pixelColor(368 + 8, 176 + 8), QColor(0xFF, 0xC0, 0x80));
    QTest::mouseRelease(control("Command1"), Qt::LeftButton);
}

// A box that cannot be reached is reported in Spanish and ends the program with status 1;
// the boxes judged before it keep their verdicts.
void TestForm1::runtimeErrorReported()
{
    delete control("Text5");
    QString shown;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *message = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = message->text();
            message->accept();
        }
    });
    poll.start(20);
    QTimer::singleShot(0, this, [this] { click("Command1"); });
    QTimer::singleShot(5000, this, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 1);
    QCOMPARE(
        shown,
        "Se ha producido un error en tiempo de ejecución.\n\nNo se encuentra el control Text5.");
    QCOMPARE(control<QLineEdit>("Text4")->text(), QStringLiteral("ERROR"));
    QCOMPARE(control<QLineEdit>("Text6")->text(), QString());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
