#include "testing.h"

#include "scorm.h"

#include <map>

namespace {

// The values a "PRUEBA" sends, by element, after the first `right` boxes held their names and the
// others `typed`.
std::map<std::string, std::u16string> sent(scorm::Version version, std::size_t right,
                                           std::u16string_view typed = u"X")
{
    quiz::CheckResult result;
    for (std::size_t k = 0; k < result.boxes.size(); ++k)
        result.boxes[k] = k < right
                              ? quiz::Judgement{std::u16string(quiz::answerKey[k].expected), true}
                              : quiz::Judgement{std::u16string(typed), false};
    std::map<std::string, std::u16string> values;
    for (const scorm::Value &value : scorm::checkValues(version, result, 4, {2026, 3, 5, 9, 7, 2}))
        values[value.element] = value.value;
    return values;
}

} // namespace

// The gradebook after a partly right and an all right "PRUEBA", in the words of each version; the
// interactions numbered on from those the run-time holds.
TEST_CASE("scores and statuses")
{
    using scorm::Version;
    const struct {
        Version version;
        std::size_t right;
        std::map<std::string, std::u16string> expected;
    } cases[] = {
        {Version::Scorm12,
         7,
         {{"cmi.core.score.raw", u"64"},
          {"cmi.core.lesson_status", u"incomplete"},
          {"cmi.interactions.4.result", u"correct"},
          {"cmi.interactions.14.result", u"wrong"},
          {"cmi.interactions.14.time", u"09:07:02"}}},
        {Version::Scorm12,
         11,
         {{"cmi.core.score.raw", u"100"}, {"cmi.core.lesson_status", u"passed"}}},
        {Version::Scorm2004,
         7,
         {{"cmi.score.raw", u"64"},
          {"cmi.score.scaled", u"0.636364"},
          {"cmi.completion_status", u"incomplete"},
          {"cmi.success_status", u"unknown"},
          {"cmi.interactions.14.id", u"respuesta11"},
          {"cmi.interactions.14.result", u"incorrect"},
          {"cmi.interactions.14.timestamp", u"2026-03-05T09:07:02"}}},
        {Version::Scorm2004,
         11,
         {{"cmi.score.scaled", u"1"},
          {"cmi.completion_status", u"completed"},
          {"cmi.success_status", u"passed"}}},
    };
    for (const auto &row : cases) {
        INFO(row.right);
        const auto values = sent(row.version, row.right);
        for (const auto &[element, value] : row.expected)
            CHECK(values.at(element) == value);
        CHECK(values.size() == 11 * 5 + (row.version == Version::Scorm2004 ? 6 : 4));
    }
}

// Whatever the learner typed arrives as one response that the version keeps: 1.2 keeps 255
// characters, 2004 250 behind its language, its separator "[,]" and a leading "{" not read as
// such; never half a character beyond the first plane.
TEST_CASE("responses")
{
    const std::u16string beyond = std::u16string(249, u'A') + u"\U0001D400";
    const struct {
        std::u16string typed, as12, as2004;
    } cases[] = {
        {u"A[,]B", u"A[,]B", u"{lang=es}A[\u2060,]B"},
        {u"{lang=en}A", u"{lang=en}A", u"{lang=es}\u2060{lang=en}A"},
        {u"A\u2028B", u"A B", u"{lang=es}A B"},
        {std::u16string(300, u'A'), std::u16string(255, u'A'),
         u"{lang=es}" + std::u16string(250, u'A')},
        {beyond, beyond, u"{lang=es}" + std::u16string(249, u'A')},
    };
    for (const auto &row : cases) {
        CHECK(
            sent(scorm::Version::Scorm12, 0, row.typed).at("cmi.interactions.4.student_response") ==
            row.as12);
        CHECK(sent(scorm::Version::Scorm2004, 0, row.typed)
                  .at("cmi.interactions.4.learner_response") == row.as2004);
    }
}

// How long the session took, as each version writes it.
TEST_CASE("session time")
{
    CHECK(scorm::endValues(scorm::Version::Scorm12, 3723456.7).front().value == u"0001:02:03.45");
    CHECK(scorm::endValues(scorm::Version::Scorm12, 0).front().value == u"0000:00:00.00");
    const auto ended = scorm::endValues(scorm::Version::Scorm2004, 3723456.7);
    CHECK(ended.size() == 2);
    CHECK(ended[0].value == u"PT1H2M3.45S");
    CHECK(ended[1].value == u"normal");
}
