#include "form1.h"
#include "layouttable.h"
#include "startup.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace {

QString name(const layout::ControlSpec &spec)
{
    return QString::fromLatin1(spec.name);
}

const layout::ControlSpec *find(const char *controlName)
{
    for (const auto &spec : layout::controls)
        if (qstrcmp(spec.name, controlName) == 0)
            return &spec;
    return nullptr;
}

QRect twipRect(const layout::ControlSpec &spec)
{
    return {spec.left, spec.top, spec.width, spec.height};
}

// The grab is in device pixels: at a scale factor above 1 every point lies further out.
QColor pixel(const QImage &image, const QWidget *widget, QPoint local)
{
    const QPointF device =
        QPointF(widget->mapTo(widget->window(), local)) * image.devicePixelRatio();
    return image.pixelColor(device.toPoint());
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void tableInvariants();
    void geometry_data();
    void geometry();
    void tabCycle();
    void stacking();
    void colours();
    void captionsFit();
    void pictures();

private:
    std::unique_ptr<Form1> m_form;
};

void TestLayout::initTestCase()
{
    prepareApplication(*qApp);
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));

    // Run once as it comes and once with QT_SCALE_FACTOR=1.25: the window scales as one, so
    // every expectation in device-independent pixels holds at both.
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                            : 1.0;
    const QImage grab = m_form->grab().toImage();
    QCOMPARE(grab.devicePixelRatio(), scale);
    QCOMPARE(grab.width(), qRound(640 * scale));
}

void TestLayout::tableInvariants()
{
    QSet<QString> names;
    QSet<int> tabIndices;
    QStringList order;
    for (const auto &spec : layout::controls) {
        names << name(spec);
        tabIndices << spec.tabIndex;
        order << name(spec);
        if (spec.kind != layout::Kind::TextBox) {
            QVERIFY2(!spec.container, spec.name);
            continue;
        }
        // Every answer box lies wholly in its picture box's client area (2-pixel border).
        const layout::ControlSpec *box = find(spec.container);
        QVERIFY2(box && box->kind == layout::Kind::PictureBox, spec.name);
        const QRect client(0, 0, box->width - 4 * 15, box->height - 4 * 15);
        QVERIFY2(client.contains(twipRect(spec)), spec.name);
        // A box comes right after its picture box or after a sibling.
        QVERIFY2(order.indexOf(QString::fromLatin1(spec.container)) < order.size() - 1, spec.name);
    }
    QCOMPARE(names.size(), 23);
    QCOMPARE(tabIndices.size(), 23);
    QCOMPARE(*std::min_element(tabIndices.begin(), tabIndices.end()), 0);
    QCOMPARE(*std::max_element(tabIndices.begin(), tabIndices.end()), 22);

    const QStringList creation = {
        "Picture1", "Text1", "Command3", "Picture5", "Command2", "Picture4", "Text12",   "Text11",
        "Text10",   "Text9", "Text8",    "Picture3", "Text4",    "Text3",    "Picture2", "Text6",
        "Text5",    "Text7", "Command1", "Label4",   "Label3",   "Label2",   "Label1"};
    QCOMPARE(order, creation);
}

// Window pixels at 96 dpi, for an answer box counted from its picture box's client area.
void TestLayout::geometry_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");

    const struct {
        const char *control, *container;
        int x, y, w, h;
    } rows[] = {
        {"Picture1", "Form1", 8, 32, 217, 113},  {"Text1", "Picture1", 24, 88, 153, 19},
        {"Command3", "Form1", 568, 344, 65, 25}, {"Picture5", "Form1", 496, 24, 145, 225},
        {"Command2", "Form1", 568, 288, 65, 25}, {"Picture4", "Form1", 8, 272, 393, 97},
        {"Text12", "Picture4", 328, 56, 49, 25}, {"Text11", "Picture4", 272, 56, 49, 27},
        {"Text10", "Picture4", 176, 56, 81, 25}, {"Text9", "Picture4", 80, 56, 81, 25},
        {"Text8", "Picture4", 8, 56, 57, 27},    {"Picture3", "Form1", 272, 40, 145, 97},
        {"Text4", "Picture3", 72, 64, 65, 19},   {"Text3", "Picture3", 8, 64, 57, 19},
        {"Picture2", "Form1", 8, 168, 265, 97},  {"Text6", "Picture2", 72, 64, 65, 19},
        {"Text5", "Picture2", 8, 64, 57, 19},    {"Text7", "Picture2", 152, 64, 97, 19},
        {"Command1", "Form1", 368, 176, 81, 57}, {"Label4", "Form1", 168, 8, 409, 17},
        {"Label3", "Form1", 256, 144, 161, 17},  {"Label2", "Form1", 416, 360, 137, 17},
        {"Label1", "Form1", 8, 0, 129, 17},
    };
    for (const auto &row : rows)
        QTest::newRow(row.control)
            << row.control << row.container << QRect(row.x, row.y, row.w, row.h);
}

void TestLayout::geometry()
{
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, pixels);

    QCOMPARE(m_form->size(), QSize(640, 383));
    auto *widget = m_form->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QPoint clientOrigin;
    if (container != "Form1") {
        auto *frame = qobject_cast<QFrame *>(widget->parentWidget());
        QCOMPARE(frame->frameWidth(), 2);
        clientOrigin = frame->contentsRect().topLeft();
    }
    QCOMPARE(widget->geometry(), pixels.translated(clientOrigin));
}

void TestLayout::tabCycle()
{
    const QStringList cycle = {"Command1", "Command2", "Command3", "Text1",  "Text7",
                               "Text3",    "Text4",    "Text5",    "Text6",  "Text8",
                               "Text9",    "Text10",   "Text11",   "Text12", "Command1"};
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    m_form->findChild<QWidget *>("Command1")->setFocus();
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
    }
    for (qsizetype i = cycle.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
    }
    for (const char *never : {"Label1", "Label4", "Picture1", "Picture5"})
        QCOMPARE(m_form->findChild<QWidget *>(never)->focusPolicy(), Qt::NoFocus);
}

// Labels lie under everything: Picture5 covers Label4's last row; Picture5 runs past the edge.
void TestLayout::stacking()
{
    auto *label4 = m_form->findChild<QWidget *>("Label4");
    auto *picture5 = m_form->findChild<QWidget *>("Picture5");
    QCOMPARE(m_form->childAt(500, 24), picture5);
    QCOMPARE(m_form->childAt(500, 23), label4);
    QCOMPARE(picture5->geometry().right(), 640);
}

void TestLayout::colours()
{
    const QImage grab = m_form->grab().toImage();
    auto *prueba = m_form->findChild<QPushButton *>("Command1");
    const QPoint face(8, 8);
    QCOMPARE(pixel(grab, prueba, face), QColor(0xFF, 0xC0, 0x80));
    QCOMPARE(pixel(grab, m_form->findChild<QWidget *>("Label1"), {3, 3}), QColor(0, 0xC0, 0));
    QCOMPARE(pixel(grab, m_form->findChild<QWidget *>("Label2"), {3, 3}), QColor(0, 0x80, 0x80));
    const QColor text11 = pixel(grab, m_form->findChild<QWidget *>("Text11"), {5, 5});
    const QColor text12 = pixel(grab, m_form->findChild<QWidget *>("Text12"), {5, 5});
    QVERIFY(text11 != text12);

    // "PRUEBA" keeps its face while held down.
    QTest::mousePress(prueba, Qt::LeftButton);
    const QImage held = prueba->grab().toImage();
    QCOMPARE(held.pixelColor((QPointF(face) * held.devicePixelRatio()).toPoint()),
             QColor(0xFF, 0xC0, 0x80));
    QTest::mouseRelease(prueba, Qt::LeftButton);
}

void TestLayout::captionsFit()
{
    for (const auto &spec : layout::controls) {
        if (spec.kind != layout::Kind::Label && spec.kind != layout::Kind::CommandButton)
            continue;
        auto *widget = m_form->findChild<QWidget *>(name(spec));
        const QString text = QString::fromUtf8(spec.text);
        const QRect needed = widget->fontMetrics().boundingRect(text);
        QVERIFY2(needed.width() + 2 <= widget->width(), spec.name);
        QVERIFY2(widget->fontMetrics().height() <= widget->height(), spec.name);
        if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), text);
    }
}

// Pictures are painted unscaled at the top-left of the client area, under the answer boxes.
void TestLayout::pictures()
{
    const QImage grab = m_form->grab().toImage();
    if (grab.devicePixelRatio() != 1.0)
        QSKIP("pixel-exact only at a scale factor of 1");

    auto *picture3 = m_form->findChild<QFrame *>("Picture3");
    const QImage image = QImage(":/assets/Picture3.bmp").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), picture3->contentsRect().size());
    int compared = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPoint client = picture3->contentsRect().topLeft() + QPoint(x, y);
            if (picture3->childAt(client))
                continue;
            QCOMPARE(pixel(grab, picture3, client).rgb(), image.pixel(x, y));
            ++compared;
        }
    }
    QVERIFY(compared > 10000);

    auto *picture1 = m_form->findChild<QFrame *>("Picture1");
    const QPoint origin = picture1->contentsRect().topLeft();
    for (int y = 0; y < 109; y += 4)
        for (int x = 201; x <= 212; ++x)
            QCOMPARE(pixel(grab, picture1, origin + QPoint(x, y)), QColor(Qt::white));

    // The background shows between the controls: the top-left pixel of the window's picture.
    const QImage background = QImage(":/assets/Form1.bmp").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(grab.pixel(300, 2), background.pixel(300, 2));
    QCOMPARE(grab.pixel(639, 382), background.pixel(639, 382));
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
