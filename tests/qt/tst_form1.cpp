// The Qt window in its own process, offscreen: what it shows, what each key does, and what its
// parts tell screen readers.
#include "answerkey.h"
#include "form1.h"
#include "pictures.h"
#include "startup.h"
#include "tables.h"
#include "version.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QResource>
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
    void shows_data();
    void shows();
    void keys_data();
    void keys();
    void stackingAndCaptions();
    void accessibleText();
    void runtimeErrorReported();

private:
    template <typename T = QWidget> T *control(const QString &name) const
    {
        return m_form->findChild<T *>(name);
    }
    QString focused() const { return QApplication::focusWidget()->objectName(); }
    std::unique_ptr<Form1> m_form;
};

void TestForm1::init()
{
    m_form = std::make_unique<Form1>();
    showWindow(*m_form);
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

// The version, the icon, the pictures painted from where they lie, and Qt's own texts in Spanish.
// (The real-window scenario shows the title, the first focus and the empty boxes.)
void TestForm1::application()
{
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(KORVAL_VERSION_TEXT));
    QTRY_VERIFY(QApplication::windowIcon().availableSizes().contains(QSize(32, 32)));
    QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(16, 16)));

    // Qt's own BMP reader would copy the pixels and cost start-up time.
    for (const char *name : {"Form1", "Picture1", "Picture5"}) {
        const QResource stored(QStringLiteral(":/assets/%1.bmp").arg(QLatin1String(name)));
        const QImage shown = picture(name, 100);
        QVERIFY2(shown.constBits() > stored.data() &&
                     shown.constBits() < stored.data() + stored.size(),
                 name);
    }

    std::unique_ptr<QMenu> menu(control<QLineEdit>("Text3")->createStandardContextMenu());
    QStringList actions;
    for (QAction *action : menu->actions())
        actions << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(actions.contains("Deshacer") && actions.contains("Copiar") &&
                 actions.contains("Pegar"),
             qPrintable(actions.join(", ")));
}

// Tab and Shift+Tab, pressed as keys, follow the tab order and wrap around.
void TestForm1::tabCycle()
{
    QStringList cycle;
    for (const auto &row : table("form.txt"))
        if (row[0] == "tab")
            for (std::size_t i = 1; i < row.size(); ++i)
                cycle << QString::fromStdString(row[i]);
    cycle << cycle.first();
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), cycle[i]);
    }
    for (qsizetype i = cycle.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), cycle[i]);
    }
}

void TestForm1::shows_data()
{
    // What Qt's palette has a role for, and otherwise the classic Windows scheme.
    const QPalette palette = QApplication::palette();
    std::map<std::string, QColor> systemColours{{"sys14", palette.highlightedText().color()},
                                                {"sys15", palette.button().color()}};
    const auto rows = table("shows.txt");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QPoint>("at");
    for (const auto &row : rows)
        for (std::size_t k = 1; row[0] == "classic" && k + 1 < row.size(); k += 2)
            systemColours.emplace(row[k], QColor(QString::fromStdString(row[k + 1])));
    for (const auto &row : rows) {
        if (row[0] == "at" || row[0] == "classic" || row[0] == "faces")
            continue;
        const QColor colour =
            row[4][0] == '#' ? QColor(QString::fromStdString(row[4])) : systemColours.at(row[4]);
        QTest::newRow(row[0].c_str())
            << QString::fromStdString(row[0]) << (row[1] == "-" ? -1 : std::stoi(row[1]))
            << (row[2] == "1") << (row[3] == "1") << colour
            << QPoint(std::stoi(row[5]), std::stoi(row[6]));
    }
}

// Each control's font and colour, a button's held down too, and its text centred across it.
void TestForm1::shows()
{
    QFETCH(QString, name);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QColor, colour);
    QFETCH(QPoint, at);
    QWidget *widget = control(name);
    const QPoint client = widget->contentsRect().topLeft();
    const QPoint inside = widget->mapTo(m_form.get(), client + at);
    const auto seen = [&] { return m_form->grab().toImage().pixelColor(inside); };
    QCOMPARE(seen(), colour);
    if (qobject_cast<QPushButton *>(widget)) { // and held down
        QTest::mousePress(widget, Qt::LeftButton);
        QCOMPARE(seen(), colour);
        QTest::mouseRelease(widget, Qt::LeftButton);
    }
    if (pixels < 0)
        return;
    QCOMPARE(std::tuple(widget->font().pixelSize(), widget->font().bold(), widget->font().italic()),
             std::tuple(pixels, bold, italic));

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

void TestForm1::keys_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("boxes");
    for (const auto &row : table("keys.txt"))
        QTest::newRow((row[0] + " " + row[1]).c_str())
            << QString::fromStdString(row[0]) << QString::fromStdString(row[1])
            << QString::fromStdString(row[2]) << QString::fromStdString(row[3]);
}

// What each key does on each control, every box holding "X" before it.
void TestForm1::keys()
{
    QFETCH(QString, from);
    QFETCH(QString, key);
    QFETCH(QString, to);
    QFETCH(QString, boxes);
    for (const quiz::AnswerSlot &slot : quiz::answerKey)
        control<QLineEdit>(QLatin1String(slot.box))->setText(QStringLiteral("X"));
    control(from)->setFocus();
    QTRY_COMPARE(focused(), from);
    const std::map<QString, QKeyCombination> keys{
        {"Tab", Qt::Key_Tab},       {"shift+Tab", Qt::ShiftModifier | Qt::Key_Backtab},
        {"Return", Qt::Key_Return}, {"space", Qt::Key_Space},
        {"Escape", Qt::Key_Escape},
    };
    const QKeyCombination pressed = keys.at(key);
    const auto press = [pressed] {
        QTest::keyClick(QApplication::focusWidget(), pressed.key(), pressed.keyboardModifiers());
    };
    if (boxes == "ended") {
        QTimer::singleShot(0, this, press);
        QTimer::singleShot(5000, this, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        return;
    }
    press();
    QCOMPARE(focused(), to);
    if (auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        box && key.contains("Tab"))
        QCOMPARE(box->selectedText(), box->text());
    const QString expected = boxes == "judged" ? "ERROR" : boxes == "emptied" ? "" : "X";
    for (const quiz::AnswerSlot &slot : quiz::answerKey)
        QCOMPARE(control<QLineEdit>(QLatin1String(slot.box))->text(), expected);
}

// Labels lie under everything and show their whole captions.
void TestForm1::stackingAndCaptions()
{
    for (const auto &row : table("shows.txt"))
        if (row[0] == "at")
            QCOMPARE(m_form->childAt(std::stoi(row[1]), std::stoi(row[2]))->objectName(),
                     QString::fromStdString(row[3]));
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
}

// An answer box's text as a screen reader's review keys and a braille display use it: where each
// character lies, which character lies at a point, editing through the accessible object, and a
// selection made with the keyboard.
void TestForm1::accessibleText()
{
    auto *box = control<QLineEdit>("Text9");
    box->setText(QStringLiteral("TRANSISTOR"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
    QAccessibleTextInterface *text = accessible->textInterface();
    QVERIFY(text && accessible->editableTextInterface());
    const QImage shot = box->grab().toImage();
    const QPoint origin = box->mapToGlobal(QPoint());
    QRect previous;
    for (int offset = 0; offset < text->characterCount(); ++offset) {
        const QRect rect = text->characterRect(offset);
        int ink = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                ink += qGray(shot.pixel(QPoint(x, y) - origin)) < 96;
        QVERIFY2(ink > 3 && (offset == 0 || rect.left() >= previous.right()),
                 qPrintable(QString::number(offset)));
        QCOMPARE(text->offsetAtPoint(rect.center()), offset);
        previous = rect;
    }
    accessible->editableTextInterface()->replaceText(0, 10, QStringLiteral("JFET"));
    accessible->editableTextInterface()->insertText(4, QStringLiteral("PN"));
    accessible->editableTextInterface()->deleteText(4, 5);
    QCOMPARE(box->text(), QStringLiteral("JFETN"));
    // Shift+Left twice from the end, as Orca reads the selection.
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(3, 5));
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
    QTimer::singleShot(0, this, [this] { QTest::mouseClick(control("Command1"), Qt::LeftButton); });
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
