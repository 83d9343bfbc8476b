#include "form1.h"
#include "startup.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList keyOrder = {"Text1", "Text3", "Text4",  "Text5",  "Text6", "Text7",
                              "Text8", "Text9", "Text10", "Text11", "Text12"};

QStringList texts(const Form1 &form)
{
    QStringList result;
    for (const QString &name : keyOrder)
        result << form.findChild<QLineEdit *>(name)->text();
    return result;
}

} // namespace

class TestRobustness : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void screenReader_data();
    void screenReader();
    void hugePaste();
    void strangeCharacters_data();
    void strangeCharacters();
    void clickBurst();

private:
    std::unique_ptr<Form1> m_form;
};

void TestRobustness::initTestCase()
{
    prepareApplication(*qApp);
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void TestRobustness::screenReader_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("Text1") << "Text1"
                           << "Respuesta 1 de 11"
                           << "tabla 1, casilla 1";
    QTest::newRow("Text7") << "Text7"
                           << "Respuesta 6 de 11"
                           << "tabla 2, casilla 3";
    QTest::newRow("Text8") << "Text8"
                           << "Respuesta 7 de 11"
                           << "tabla 4, casilla 1";
    QTest::newRow("Text12") << "Text12"
                            << "Respuesta 11 de 11"
                            << "tabla 4, casilla 5";
    QTest::newRow("Picture3") << "Picture3"
                              << "Tabla 3 de símbolos"
                              << "";
    QTest::newRow("Command1") << "Command1"
                              << "PRUEBA"
                              << "";
    QTest::newRow("Command3") << "Command3"
                              << "Salir"
                              << "";
}

void TestRobustness::screenReader()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    auto *widget = m_form->findChild<QWidget *>(control);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Description), description);

    // Nothing a screen reader says names a component.
    const QString spoken =
        (accessible->text(QAccessible::Name) + " " + accessible->text(QAccessible::Description))
            .toUpper();
    if (qobject_cast<QLineEdit *>(widget) || control.startsWith("Picture"))
        for (const char *word : {"DIODO", "LED", "ZENER", "TRANSISTOR", "JFET", "TRANSFORMADOR",
                                 "UNIJUNTURA", "VARICAP"})
            QVERIFY2(!spoken.contains(QLatin1String(word)), word);
}

// Megabytes pasted into every box: no truncation, eleven "ERROR" at once, the window lives on.
void TestRobustness::hugePaste()
{
    const QString huge = QString(1'500'000, QLatin1Char('A')) + QStringLiteral("DIODO");
    QApplication::clipboard()->setText(huge);
    for (const QString &name : keyOrder) {
        auto *box = m_form->findChild<QLineEdit *>(name);
        box->setFocus();
        box->selectAll();
        box->paste();
        QCoreApplication::processEvents();
        QCOMPARE(box->text().size(), huge.size());
    }
    QElapsedTimer clock;
    clock.start();
    // Most of this is Qt laying out the focused box's megabytes once more as it loses the
    // focus; the check itself takes a few milliseconds a box.
    QTest::mouseClick(m_form->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(texts(*m_form), QStringList(11, QStringLiteral("ERROR")));
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestRobustness::strangeCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("lone high surrogate") << QString(QChar(0xD800)) + "DIODO";
    QTest::newRow("lone low surrogate") << "DIODO" + QString(QChar(0xDC00));
    QTest::newRow("right-to-left mark") << QString(QChar(0x200F)) + "DIODO";
    QTest::newRow("right-to-left override") << QString(QChar(0x202E)) + "DIODO";
    QTest::newRow("NUL") << QString(QChar(0)) + "DIODO";
    QTest::newRow("tab and escape") << "DI\tODO\x1b";
    QTest::newRow("zero-width space") << "DIO" + QString(QChar(0x200B)) + "DO";
}

void TestRobustness::strangeCharacters()
{
    QFETCH(QString, typed);
    auto *text3 = m_form->findChild<QLineEdit *>("Text3");
    QApplication::clipboard()->setText(typed);
    // Typed code unit by code unit: the box keeps what it can show and drops what it cannot
    // (control characters, lone surrogates), and the verdict is about what it holds.
    text3->clear();
    for (QChar unit : typed) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(unit));
        QApplication::sendEvent(text3, &press);
    }
    const QString held = text3->text();
    QVERIFY(held.contains(QStringLiteral("DIO")));
    QTest::mouseClick(m_form->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QCOMPARE(text3->text(),
             held == QStringLiteral("DIODO") ? QStringLiteral("BIEN") : QStringLiteral("ERROR"));

    // Pasted, the text arrives whole and is judged as it is.

    text3->selectAll();
    text3->paste();
    QCOMPARE(text3->text(), typed);
    QTest::mouseClick(m_form->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QCOMPARE(text3->text(), QStringLiteral("ERROR"));
}

void TestRobustness::clickBurst()
{
    auto *prueba = m_form->findChild<QPushButton *>("Command1");
    auto *borrar = m_form->findChild<QPushButton *>("Command2");
    for (int i = 0; i < 300; ++i) {
        m_form->findChild<QLineEdit *>("Text6")->setText("LED");
        QTest::mouseClick(i % 3 ? prueba : borrar, Qt::LeftButton);
    }
    // The last click (i = 299) was "PRUEBA": the LED box alone is right.
    QStringList expected(11, QStringLiteral("ERROR"));
    expected[4] = QStringLiteral("BIEN");
    QCOMPARE(texts(*m_form), expected);
    QTest::mouseClick(borrar, Qt::LeftButton);
    QCOMPARE(texts(*m_form), QStringList(11, QString()));
}

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
