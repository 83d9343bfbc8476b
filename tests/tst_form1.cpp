#include "form1.h"
#include "startup.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QStringList keyOrder = {"Text1", "Text3", "Text4",  "Text5",  "Text6", "Text7",
                              "Text8", "Text9", "Text10", "Text11", "Text12"};

QLineEdit *box(const QWidget &form, const QString &name)
{
    return form.findChild<QLineEdit *>(name);
}

void click(const QWidget &form, const char *button)
{
    QTest::mouseClick(form.findChild<QPushButton *>(button), Qt::LeftButton);
}

QStringList texts(const QWidget &form)
{
    QStringList result;
    for (const QString &name : keyOrder)
        result << box(form, name)->text();
    return result;
}

// Runs the event loop after `action`; gives up after a few seconds with status 99.
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
    void init();
    void cleanup() { m_form.reset(); }

    void startsReady();
    void activation_data();
    void activation();
    void ending_data();
    void ending();
    void runtimeErrorReported();
    void screenReader_data();
    void screenReader();
    void longPaste();
    void pastedCharacters_data();
    void pastedCharacters();

private:
    std::unique_ptr<Form1> m_form;
};

void TestForm1::init()
{
    m_form = std::make_unique<Form1>();
    showWindow(*m_form);
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void TestForm1::startsReady()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    QCOMPARE(texts(*m_form), QStringList(11, QString()));
    for (auto [name, caption] :
         {std::pair{"Command1", "PRUEBA"}, {"Command2", "BORRAR"}, {"Command3", "Salir"}}) {
        auto *button = m_form->findChild<QPushButton *>(name);
        QCOMPARE(button->text(), QString::fromLatin1(caption));
        QVERIFY(!button->isDefault() && !button->autoDefault());
    }
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    QTRY_VERIFY(QApplication::windowIcon().availableSizes().contains(QSize(32, 32)));
    QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(16, 16)));

    // Qt's own texts come in Spanish: the answer box's context menu.
    std::unique_ptr<QMenu> menu(box(*m_form, "Text3")->createStandardContextMenu());
    QStringList actions;
    for (QAction *action : menu->actions())
        actions << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(actions.contains("Deshacer") && actions.contains("Copiar") &&
                 actions.contains("Pegar"),
             qPrintable(actions.join(", ")));
}

// What runs "PRUEBA" and what does not: no default or cancel button, Enter in a box stays there.
void TestForm1::activation_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("checks");
    QTest::newRow("mouse click") << "Command1" << 0 << true;
    QTest::newRow("Space") << "Command1" << int(Qt::Key_Space) << true;
    QTest::newRow("Enter") << "Command1" << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter") << "Command1" << int(Qt::Key_Enter) << true;
    QTest::newRow("Escape") << "Command1" << int(Qt::Key_Escape) << false;
    QTest::newRow("Enter in a box") << "Text7" << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter in a box") << "Text7" << int(Qt::Key_Enter) << false;
    QTest::newRow("Escape in a box") << "Text7" << int(Qt::Key_Escape) << false;
}

void TestForm1::activation()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, checks);
    box(*m_form, "Text3")->setText("DIODO");
    box(*m_form, "Text4")->setText("diodo varicap");
    QWidget *focused = m_form->findChild<QWidget *>(focus);
    focused->setFocus();
    if (key)
        QTest::keyClick(focused, Qt::Key(key));
    else
        click(*m_form, "Command1");

    QStringList expected(11, checks ? QStringLiteral("ERROR") : QString());
    expected[1] = checks ? QStringLiteral("BIEN") : QStringLiteral("DIODO");
    expected[2] = checks ? QStringLiteral("ERROR") : QStringLiteral("diodo varicap");
    QCOMPARE(texts(*m_form), expected);
    if (key)
        QCOMPARE(QApplication::focusWidget(), focused);
}

void TestForm1::ending_data()
{
    QTest::addColumn<bool>("byFrame");
    QTest::newRow("Salir") << false;
    QTest::newRow("closing the window") << true;
}

// Both roads end the event loop with status 0, whatever the boxes hold.
void TestForm1::ending()
{
    QFETCH(bool, byFrame);
    box(*m_form, "Text5")->setText("FOTODIODO");
    const int status = exitStatusAfter([&] {
        if (byFrame)
            m_form->close();
        else
            click(*m_form, "Command3");
    });
    QCOMPARE(status, 0);
}

// A box that cannot be reached is reported in Spanish and ends the program with status 1;
// the boxes judged before it keep their verdicts.
void TestForm1::runtimeErrorReported()
{
    delete box(*m_form, "Text5");
    QString shown;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *message = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = message->text();
            message->accept();
        }
    });
    poll.start(20);
    QCOMPARE(exitStatusAfter([&] { click(*m_form, "Command1"); }), 1);
    QVERIFY2(shown.contains(QStringLiteral("error en tiempo de ejecución")), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("Text5")), qPrintable(shown));
    QCOMPARE(box(*m_form, "Text4")->text(), QStringLiteral("ERROR"));
    QCOMPARE(box(*m_form, "Text6")->text(), QString());
}

// The core's names and descriptions, as a screen reader gets them through Qt's accessibility.
void TestForm1::screenReader_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("Text7") << "Text7"
                           << "Respuesta 6 de 11"
                           << "tabla 2, casilla 3";
    QTest::newRow("Picture3") << "Picture3"
                              << "Tabla 3 de símbolos"
                              << "";
    QTest::newRow("Command3") << "Command3"
                              << "Salir"
                              << "";
}

void TestForm1::screenReader()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QAccessibleInterface *accessible =
        QAccessible::queryAccessibleInterface(m_form->findChild<QWidget *>(control));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Description), description);
}

// Past the 32,767 characters a line edit keeps by default: pasted whole into every box, judged
// "ERROR" at once, and "BORRAR" empties them all, wherever the focus was.
void TestForm1::longPaste()
{
    const QString longText = QString(40'000, QLatin1Char('A')) + QStringLiteral("DIODO");
    QApplication::clipboard()->setText(longText);
    for (const QString &name : keyOrder) {
        box(*m_form, name)->setFocus();
        box(*m_form, name)->paste();
        QCOMPARE(box(*m_form, name)->text().size(), longText.size());
    }
    click(*m_form, "Command1");
    QCOMPARE(texts(*m_form), QStringList(11, QStringLiteral("ERROR")));
    box(*m_form, "Text12")->setText("JFETP");
    box(*m_form, "Text12")->setFocus();
    click(*m_form, "Command2");
    QCOMPARE(texts(*m_form), QStringList(11, QString()));
}

void TestForm1::pastedCharacters_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::newRow("lone high surrogate") << QString(QChar(0xD800)) + "DIODO";
    QTest::newRow("lone low surrogate") << "DIODO" + QString(QChar(0xDC00));
    QTest::newRow("right-to-left override") << QString(QChar(0x202E)) + "DIODO";
    QTest::newRow("NUL") << QString(QChar(0)) + "DIODO";
    QTest::newRow("tab and escape") << "DI\tODO\x1b";
}

// Pasted text arrives whole, whatever it holds, and is judged as it is.
void TestForm1::pastedCharacters()
{
    QFETCH(QString, pasted);
    QLineEdit *text3 = box(*m_form, "Text3");
    QApplication::clipboard()->setText(pasted);
    text3->setFocus();
    text3->paste();
    QCOMPARE(text3->text(), pasted);
    click(*m_form, "Command1");
    QCOMPARE(text3->text(), QStringLiteral("ERROR"));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
