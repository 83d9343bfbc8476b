#include "testing.h"

#include "scorm.h"

#include <cmath>
#include <map>

namespace {

// The values a "PRUEBA" sends, by element, when every box held `typed` and the run-time said it
// held `held` interactions. (What the scores and statuses are, the SCORM test reads from real
// run-times of both versions.)
std::map<std::string, std::u16string> sent(scorm::Version version, std::u16string_view typed,
                                           double held = 4)
{
    quiz::CheckResult result;
    result.boxes.fill({std::u16string(typed), false});
    std::map<std::string, std::u16string> values;
    for (const scorm::Value &value :
         scorm::checkValues(version, result, held, {2026, 3, 5, 9, 7, 2}))
        values[value.element] = value.value;
    return values;
}

} // namespace

// Whatever the learner typed arrives as one response that the version keeps, as typed: 1.2 keeps
// 255 characters, 2004 250, its separator "[,]" and a leading "{" not read as such; never half a
// character beyond the first plane.
TEST_CASE("responses")
{
    const std::u16string beyond2004 = std::u16string(249, u'A') + u"\U0001D400";
    const std::u16string beyond12 = std::u16string(254, u'A') + u"\U0001D400";
    const struct {
        std::u16string typed, as12, as2004;
    } cases[] = {
        {u"A[,]B", u"A[,]B", u"A[\u2060,]B"},
        {u"{lang=en}A", u"{lang=en}A", u"\u2060{lang=en}A"},
        {u"A\u2028B", u"A B", u"A B"},
        {beyond12, std::u16string(254, u'A'), std::u16string(250, u'A')},
        {beyond2004, beyond2004, std::u16string(249, u'A')},
    };
    for (const auto &row : cases) {
        CHECK(sent(scorm::Version::Scorm12, row.typed).at("cmi.interactions.4.student_response") ==
              row.as12);
        CHECK(
            sent(scorm::Version::Scorm2004, row.typed).at("cmi.interactions.4.learner_response") ==
            row.as2004);
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
    CHECK(scorm::endValues(scorm::Version::Scorm2004, 3050).front().value == u"PT0H0M3.05S");
}

// When each answer was judged, and the score of a try with none right, as each version writes them;
// a run-time's count of its interactions that is no count numbers them from 0.
TEST_CASE("moment, score and numbering")
{
    const auto v12 = sent(scorm::Version::Scorm12, u"X");
    const auto v2004 = sent(scorm::Version::Scorm2004, u"X");
    CHECK(v12.at("cmi.interactions.4.time") == u"09:07:02");
    CHECK(v2004.at("cmi.interactions.4.timestamp") == u"2026-03-05T09:07:02");
    CHECK(v2004.at("cmi.score.scaled") == u"0");
    for (double nonsense : {std::nan(""), -1.0, 2.5, 1e12})
        CHECK(sent(scorm::Version::Scorm2004, u"X", nonsense).count("cmi.interactions.0.id"));
}
