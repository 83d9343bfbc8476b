#include "form1.h"
#include "startup.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QStringList answerBoxes = {"Text1", "Text3", "Text4",  "Text5",  "Text6", "Text7",
                                 "Text8", "Text9", "Text10", "Text11", "Text12"};

QLineEdit *box(const Form1 &form, const QString &name)
{
    return form.findChild<QLineEdit *>(name);
}

QPushButton *button(const Form1 &form, const QString &name)
{
    return form.findChild<QPushButton *>(name);
}

QStringList texts(const Form1 &form)
{
    QStringList result;
    for (const QString &name : answerBoxes)
        result << box(form, name)->text();
    return result;
}

// Runs the event loop after `action`, and gives up after a few seconds with status 99.
int exitStatusAfter(const std::function<void()> &action)
{
    QTimer::singleShot(0, qApp, action);
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    return QCoreApplication::exec();
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void startsReady();
    void activation_data();
    void activation();
    void enterAndEscapeInBox();
    void clearButton();
    void exitButton();
    void closeWindow();
    void runtimeErrorReported();
};

void TestForm1::startsReady()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(QApplication::focusWidget(), button(form, "Command1"));
    QCOMPARE(texts(form), QStringList(11, QString()));
    QCOMPARE(button(form, "Command1")->text(), QStringLiteral("PRUEBA"));
    QCOMPARE(button(form, "Command2")->text(), QStringLiteral("BORRAR"));
    QCOMPARE(button(form, "Command3")->text(), QStringLiteral("Salir"));
    for (const char *name : {"Command1", "Command2", "Command3"}) {
        QVERIFY(!button(form, name)->isDefault());
        QVERIFY(!button(form, name)->autoDefault());
    }
}

void TestForm1::activation_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("mouse click") << 0;
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestForm1::activation()
{
    QFETCH(int, how);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    box(form, "Text3")->setText("DIODO");
    box(form, "Text4")->setText("diodo varicap");

    QPushButton *prueba = button(form, "Command1");
    prueba->setFocus();
    if (how == 0)
        QTest::mouseClick(prueba, Qt::LeftButton);
    else
        QTest::keyClick(prueba, Qt::Key(how));

    QStringList expected(11, QStringLiteral("ERROR"));
    expected[1] = QStringLiteral("BIEN");
    QCOMPARE(texts(form), expected);
}

void TestForm1::enterAndEscapeInBox()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QLineEdit *text7 = box(form, "Text7");
    text7->setFocus();
    QTest::keyClicks(text7, "ZENER");
    QTest::keyClick(text7, Qt::Key_Return);
    QTest::keyClick(text7, Qt::Key_Enter);
    QTest::keyClick(text7, Qt::Key_Escape);
    QCOMPARE(text7->text(), QStringLiteral("ZENER"));
    QCOMPARE(QApplication::focusWidget(), text7);
    QCOMPARE(texts(form).count(QString()), 10);

    QPushButton *prueba = button(form, "Command1");
    prueba->setFocus();
    QTest::keyClick(prueba, Qt::Key_Escape);
    QCOMPARE(texts(form).count(QString()), 10);
}

void TestForm1::clearButton()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    box(form, "Text1")->setText("TRANSFORMADOR");
    QTest::mouseClick(button(form, "Command1"), Qt::LeftButton);
    box(form, "Text12")->setText("JFETP");
    box(form, "Text12")->setFocus();
    QTest::mouseClick(button(form, "Command2"), Qt::LeftButton);
    QCOMPARE(texts(form), QStringList(11, QString()));
}

void TestForm1::exitButton()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    box(form, "Text5")->setText("FOTODIODO");
    const int status =
        exitStatusAfter([&] { QTest::mouseClick(button(form, "Command3"), Qt::LeftButton); });
    QCOMPARE(status, 0);
}

void TestForm1::closeWindow()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const int status = exitStatusAfter([&] { form.close(); });
    QCOMPARE(status, 0);
    QVERIFY(!form.isVisible());
}

// A box that cannot be reached is reported in Spanish and ends the program with status 1;
// the boxes judged before it keep their verdicts.
void TestForm1::runtimeErrorReported()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    delete box(form, "Text5");

    QString shown;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *message = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = message->text();
            message->accept();
        }
    });
    poll.start(20);
    const int status =
        exitStatusAfter([&] { QTest::mouseClick(button(form, "Command1"), Qt::LeftButton); });

    QCOMPARE(status, 1);
    QVERIFY2(shown.contains(QStringLiteral("error en tiempo de ejecución")), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("Text5")), qPrintable(shown));
    QCOMPARE(box(form, "Text4")->text(), QStringLiteral("ERROR"));
    QCOMPARE(box(form, "Text6")->text(), QString());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
