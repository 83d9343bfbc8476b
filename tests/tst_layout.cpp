#include "form1.h"
#include "layouttable.h"
#include "startup.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace {

// Every control in creation order: container, and window pixels at 96 dpi (answer boxes from
// their picture box's client area).
const struct {
    const char *control, *container;
    QRect pixels;
} expected[] = {
    {"Picture1", "Form1", {8, 32, 217, 113}},  {"Text1", "Picture1", {24, 88, 153, 19}},
    {"Command3", "Form1", {568, 344, 65, 25}}, {"Picture5", "Form1", {496, 24, 145, 225}},
    {"Command2", "Form1", {568, 288, 65, 25}}, {"Picture4", "Form1", {8, 272, 393, 97}},
    {"Text12", "Picture4", {328, 56, 49, 25}}, {"Text11", "Picture4", {272, 56, 49, 27}},
    {"Text10", "Picture4", {176, 56, 81, 25}}, {"Text9", "Picture4", {80, 56, 81, 25}},
    {"Text8", "Picture4", {8, 56, 57, 27}},    {"Picture3", "Form1", {272, 40, 145, 97}},
    {"Text4", "Picture3", {72, 64, 65, 19}},   {"Text3", "Picture3", {8, 64, 57, 19}},
    {"Picture2", "Form1", {8, 168, 265, 97}},  {"Text6", "Picture2", {72, 64, 65, 19}},
    {"Text5", "Picture2", {8, 64, 57, 19}},    {"Text7", "Picture2", {152, 64, 97, 19}},
    {"Command1", "Form1", {368, 176, 81, 57}}, {"Label4", "Form1", {168, 8, 409, 17}},
    {"Label3", "Form1", {256, 144, 161, 17}},  {"Label2", "Form1", {416, 360, 137, 17}},
    {"Label1", "Form1", {8, 0, 129, 17}},
};

// The grab is in device pixels: at a scale factor above 1 every point lies further out.
QColor pixel(const QImage &grab, const QWidget *widget, QPoint local)
{
    const QPointF at = QPointF(widget->mapTo(widget->window(), local)) * grab.devicePixelRatio();
    return grab.pixelColor(at.toPoint());
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void table();
    void geometry_data();
    void geometry();
    void tabCycle();
    void looks();
    void pictures();

private:
    template <typename T = QWidget> T *control(const char *name) const
    {
        return m_form->findChild<T *>(QString::fromLatin1(name));
    }
    std::unique_ptr<Form1> m_form;
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
    const QImage grab = m_form->grab().toImage();
    QCOMPARE(grab.devicePixelRatio(), scale);
    QCOMPARE(grab.width(), qRound(640 * scale));
}

// Creation order, unique tab indices 0 to 22, every answer box wholly inside its picture
// box's client area (the outer size less the 2-pixel border on each side).
void TestLayout::table()
{
    QSet<int> tabIndices;
    for (size_t i = 0; i < layout::controls.size(); ++i) {
        const layout::ControlSpec &spec = layout::controls[i];
        QCOMPARE(spec.name, expected[i].control);
        tabIndices << spec.tabIndex;
        if (spec.kind != layout::Kind::TextBox)
            continue;
        const auto box =
            std::find_if(layout::controls.begin(), layout::controls.end(),
                         [&](auto &c) { return qstrcmp(c.name, spec.container) == 0; });
        const QRect client(0, 0, box->width - 4 * 15, box->height - 4 * 15);
        QVERIFY2(client.contains(QRect(spec.left, spec.top, spec.width, spec.height)), spec.name);
    }
    QCOMPARE(tabIndices.size(), 23);
    QVERIFY(*std::min_element(tabIndices.begin(), tabIndices.end()) == 0 &&
            *std::max_element(tabIndices.begin(), tabIndices.end()) == 22);
}

void TestLayout::geometry_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");
    for (const auto &row : expected)
        QTest::newRow(row.control) << row.container << row.pixels;
}

void TestLayout::geometry()
{
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    QCOMPARE(m_form->size(), QSize(640, 383));
    QWidget *widget = control(QTest::currentDataTag());
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QPoint clientOrigin;
    if (auto *box = qobject_cast<QFrame *>(widget->parentWidget()); box && container != "Form1") {
        QCOMPARE(box->frameWidth(), 2);
        clientOrigin = box->contentsRect().topLeft();
    }
    QCOMPARE(widget->geometry(), pixels.translated(clientOrigin));
}

void TestLayout::tabCycle()
{
    const QStringList cycle = {"Command1", "Command2", "Command3", "Text1",  "Text7",
                               "Text3",    "Text4",    "Text5",    "Text6",  "Text8",
                               "Text9",    "Text10",   "Text11",   "Text12", "Command1"};
    control("Command1")->setFocus();
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
    }
    for (qsizetype i = cycle.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
    }
}

// Colours, stacking and captions as the user sees them.
void TestLayout::looks()
{
    const QImage grab = m_form->grab().toImage();
    auto *prueba = control<QPushButton>("Command1");
    QCOMPARE(pixel(grab, prueba, {8, 8}), QColor(0xFF, 0xC0, 0x80));
    QCOMPARE(pixel(grab, control("Label1"), {3, 3}), QColor(0, 0xC0, 0));
    QCOMPARE(pixel(grab, control("Label2"), {3, 3}), QColor(0, 0x80, 0x80));
    QVERIFY(pixel(grab, control("Text11"), {5, 5}) != pixel(grab, control("Text12"), {5, 5}));
    QTest::mousePress(prueba, Qt::LeftButton); // held down, "PRUEBA" keeps its face
    QCOMPARE(pixel(m_form->grab().toImage(), prueba, {8, 8}), QColor(0xFF, 0xC0, 0x80));
    QTest::mouseRelease(prueba, Qt::LeftButton);

    // Labels lie under everything: Picture5 covers Label4's last row and runs past the edge.
    QCOMPARE(m_form->childAt(500, 24), control("Picture5"));
    QCOMPARE(m_form->childAt(500, 23), control("Label4"));
    QCOMPARE(control("Picture5")->geometry().right(), 640);

    for (const auto &spec : layout::controls) {
        if (spec.kind != layout::Kind::Label && spec.kind != layout::Kind::CommandButton)
            continue;
        QWidget *widget = control(spec.name);
        const QString text = QString::fromUtf8(spec.text);
        QVERIFY2(widget->fontMetrics().boundingRect(text).width() + 2 <= widget->width(),
                 spec.name);
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

    auto *picture3 = control<QFrame>("Picture3");
    const QImage image = QImage(":/assets/Picture3.bmp").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), picture3->contentsRect().size());
    int compared = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QPoint client = picture3->contentsRect().topLeft() + QPoint(x, y);
            if (!picture3->childAt(client)) {
                QCOMPARE(pixel(grab, picture3, client).rgb(), image.pixel(x, y));
                ++compared;
            }
        }
    QVERIFY(compared > 10000);

    auto *picture1 = control<QFrame>("Picture1");
    for (int y = 0; y < 109; y += 4) // the strip right of the image shows the white background
        for (int x = 201; x <= 212; ++x)
            QCOMPARE(pixel(grab, picture1, picture1->contentsRect().topLeft() + QPoint(x, y)),
                     QColor(Qt::white));

    const QImage background = QImage(":/assets/Form1.bmp").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(grab.pixel(300, 2), background.pixel(300, 2));
    QCOMPARE(grab.pixel(639, 382), background.pixel(639, 382));
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
