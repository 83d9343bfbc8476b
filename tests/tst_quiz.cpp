#include "commands.h"

#include <QTest>

#include <map>

namespace {

// The key as the learner must type it, written out here independently of the program's key.
const std::pair<const char *, const char16_t *> rightNames[] = {
    {"Text1", u"TRANSFORMADOR CON NÚCLEO"},
    {"Text3", u"DIODO"},
    {"Text4", u"DIODO VARICAP"},
    {"Text5", u"FOTODIODO"},
    {"Text6", u"LED"},
    {"Text7", u"ZENER"},
    {"Text8", u"UNIJUNTURA"},
    {"Text9", u"TRANSISTOR NPN"},
    {"Text10", u"TRANSISTOR PNP"},
    {"Text11", u"JFETN"},
    {"Text12", u"JFETP"}};

// Eleven plain strings standing in for the boxes; every access is logged.
struct Sheet : quiz::Form {
    std::map<std::string, std::u16string, std::less<>> boxes;
    mutable QStringList log;
    bool ended = false;

    Sheet()
    {
        for (auto [box, name] : rightNames)
            boxes[box] = name;
    }
    std::u16string text(std::string_view box) const override
    {
        log << QStringLiteral("read %1").arg(QLatin1String(box));
        return boxes.find(box)->second;
    }
    void setText(std::string_view box, std::u16string_view text) override
    {
        log << QStringLiteral("write %1").arg(QLatin1String(box));
        boxes.find(box)->second = text;
    }
    void endProgram() override { ended = true; }
    QString operator[](const char *box) const { return QString::fromStdU16String(boxes.at(box)); }
};

} // namespace

class TestQuiz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneBox_data();
    void oneBox();
    void checkTwiceThenClear();
    void keyOrder();
};

// One box holds the given text, all the others their right names.
void TestQuiz::oneBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("all right") << "Text1"
                               << "TRANSFORMADOR CON NÚCLEO"
                               << "BIEN";
    QTest::newRow("empty box") << "Text5"
                               << ""
                               << "ERROR";
    QTest::newRow("small letters") << "Text3"
                                   << "diodo"
                                   << "ERROR";
    QTest::newRow("trailing space") << "Text7"
                                    << "ZENER "
                                    << "ERROR";
    QTest::newRow("leading space") << "Text8"
                                   << " UNIJUNTURA"
                                   << "ERROR";
    QTest::newRow("plain U for Ú") << "Text1"
                                   << "TRANSFORMADOR CON NUCLEO"
                                   << "ERROR";
    QTest::newRow("U plus combining acute") << "Text1"
                                            << "TRANSFORMADOR CON NU\u0301CLEO"
                                            << "ERROR";
    QTest::newRow("JFET N with a space") << "Text11"
                                         << "JFET N"
                                         << "ERROR";
    QTest::newRow("name of another box") << "Text9"
                                         << "TRANSISTOR PNP"
                                         << "ERROR";
    QTest::newRow("double space") << "Text4"
                                  << "DIODO  VARICAP"
                                  << "ERROR";
}

void TestQuiz::oneBox()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, verdict);

    Sheet sheet;
    sheet.boxes[box.toStdString()] = typed.toStdU16String();
    quiz::checkAnswers(sheet);
    for (auto [name, _] : rightNames)
        QCOMPARE(sheet[name], name == box ? verdict : QStringLiteral("BIEN"));
}

// A second "PRUEBA" judges the verdicts themselves; "BORRAR" empties everything; nothing ends.
void TestQuiz::checkTwiceThenClear()
{
    Sheet sheet;
    quiz::checkAnswers(sheet);
    quiz::checkAnswers(sheet);
    for (auto [name, _] : rightNames)
        QCOMPARE(sheet[name], QStringLiteral("ERROR"));
    quiz::clearAnswers(sheet);
    quiz::clearAnswers(sheet);
    for (auto [name, _] : rightNames)
        QCOMPARE(sheet[name], QString());
    QVERIFY(!sheet.ended);
    quiz::exitProgram(sheet);
    QVERIFY(sheet.ended);
}

// Each box is read and written before the next is touched, in key order.
void TestQuiz::keyOrder()
{
    Sheet sheet;
    quiz::checkAnswers(sheet);
    quiz::clearAnswers(sheet);
    QStringList expected;
    for (auto [name, _] : rightNames)
        expected << QStringLiteral("read %1").arg(name) << QStringLiteral("write %1").arg(name);
    for (auto [name, _] : rightNames)
        expected << QStringLiteral("write %1").arg(name);
    QCOMPARE(sheet.log, expected);
}

QTEST_APPLESS_MAIN(TestQuiz)
#include "tst_quiz.moc"
