#include "answerkey.h"
#include "commands.h"

#include <QTest>

#include <string>
#include <vector>

namespace {

// Eleven plain strings standing in for the boxes; every access is logged.
class Sheet : public quiz::Form {
public:
    std::array<std::u16string, 11> boxes;
    mutable std::vector<std::string> log;
    bool ended = false;

    std::u16string text(std::string_view box) const override
    {
        log.push_back("read " + std::string(box));
        return boxes[index(box)];
    }
    void setText(std::string_view box, std::u16string_view text) override
    {
        log.push_back("write " + std::string(box));
        boxes[index(box)] = std::u16string(text);
    }
    void endProgram() override { ended = true; }

    void fillWithKey()
    {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            boxes[i] = std::u16string(quiz::answerKey[i].expected);
    }

    static std::size_t index(std::string_view box)
    {
        for (std::size_t i = 0; i < quiz::answerKey.size(); ++i)
            if (quiz::answerKey[i].box == box)
                return i;
        throw std::out_of_range(std::string(box));
    }
};

QString q(std::u16string_view text)
{
    return QStringView(text.data(), qsizetype(text.size())).toString();
}

} // namespace

class TestQuiz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void allRight();
    void oneBox_data();
    void oneBox();
    void checkTwice();
    void clear();
    void keyOrder();
    void exitEnds();
};

void TestQuiz::allRight()
{
    Sheet sheet;
    sheet.fillWithKey();
    quiz::checkAnswers(sheet);
    for (const auto &box : sheet.boxes)
        QCOMPARE(q(box), QStringLiteral("BIEN"));
}

// One box holds the given text, all others their right names.
void TestQuiz::oneBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("right name") << "Text3"
                                << "DIODO"
                                << "BIEN";
    QTest::newRow("accented key") << "Text1"
                                  << "TRANSFORMADOR CON NÚCLEO"
                                  << "BIEN";
    QTest::newRow("empty box") << "Text5"
                               << ""
                               << "ERROR";
    QTest::newRow("small letters") << "Text3"
                                   << "diodo"
                                   << "ERROR";
    QTest::newRow("mixed case") << "Text6"
                                << "Led"
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
    QTest::newRow("U plus combining acute")
        << "Text1" << QString::fromUtf8("TRANSFORMADOR CON NU\u0301CLEO") << "ERROR";
    QTest::newRow("JFET N with a space") << "Text11"
                                         << "JFET N"
                                         << "ERROR";
    QTest::newRow("JFET-P with a hyphen") << "Text12"
                                          << "JFET-P"
                                          << "ERROR";
    QTest::newRow("name of another box") << "Text9"
                                         << "TRANSISTOR PNP"
                                         << "ERROR";
    QTest::newRow("double space") << "Text4"
                                  << "DIODO  VARICAP"
                                  << "ERROR";
    QTest::newRow("a verdict") << "Text10"
                               << "BIEN"
                               << "ERROR";
}

void TestQuiz::oneBox()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, verdict);

    Sheet sheet;
    sheet.fillWithKey();
    const std::size_t target = Sheet::index(box.toStdString());
    sheet.boxes[target] = typed.toStdU16String();
    quiz::checkAnswers(sheet);

    QCOMPARE(q(sheet.boxes[target]), verdict);
    for (std::size_t i = 0; i < sheet.boxes.size(); ++i)
        if (i != target)
            QCOMPARE(q(sheet.boxes[i]), QStringLiteral("BIEN"));
}

void TestQuiz::checkTwice()
{
    Sheet sheet;
    sheet.fillWithKey();
    quiz::checkAnswers(sheet);
    quiz::checkAnswers(sheet);
    for (const auto &box : sheet.boxes)
        QCOMPARE(q(box), QStringLiteral("ERROR"));
}

void TestQuiz::clear()
{
    Sheet sheet;
    sheet.fillWithKey();
    sheet.boxes[3] = u"algo";
    quiz::checkAnswers(sheet);
    quiz::clearAnswers(sheet);
    for (const auto &box : sheet.boxes)
        QVERIFY(box.empty());

    quiz::clearAnswers(sheet);
    for (const auto &box : sheet.boxes)
        QVERIFY(box.empty());
    QVERIFY(!sheet.ended);
}

// Each box is read and written before the next is touched, in key order.
void TestQuiz::keyOrder()
{
    const char *order[] = {"Text1", "Text3", "Text4",  "Text5",  "Text6", "Text7",
                           "Text8", "Text9", "Text10", "Text11", "Text12"};
    Sheet sheet;
    quiz::checkAnswers(sheet);
    std::vector<std::string> expected;
    for (const char *box : order) {
        expected.push_back(std::string("read ") + box);
        expected.push_back(std::string("write ") + box);
    }
    QVERIFY(sheet.log == expected);

    sheet.log.clear();
    quiz::clearAnswers(sheet);
    expected.clear();
    for (const char *box : order)
        expected.push_back(std::string("write ") + box);
    QVERIFY(sheet.log == expected);
}

void TestQuiz::exitEnds()
{
    Sheet sheet;
    sheet.fillWithKey();
    quiz::exitProgram(sheet);
    QVERIFY(sheet.ended);
    QCOMPARE(q(sheet.boxes[0]), q(quiz::answerKey[0].expected));
}

QTEST_APPLESS_MAIN(TestQuiz)
#include "tst_quiz.moc"
