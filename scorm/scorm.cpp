#include "scorm.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace scorm {

namespace {

std::u16string ascii(std::string_view text)
{
    return {text.begin(), text.end()};
}

// A run-time keeps one line of text: a line or paragraph separator becomes a space.
std::u16string oneLine(std::u16string_view typed)
{
    std::u16string text(typed);
    std::replace_if(
        text.begin(), text.end(),
        [](char16_t unit) {
            return unit == u'\n' || unit == u'\r' || unit == 0x2028 || unit == 0x2029;
        },
        u' ');
    return text;
}

// The first `length` code units at most, never half of a character beyond the first plane.
std::u16string cut(std::u16string text, std::size_t length)
{
    if (text.size() > length) {
        if (length > 0 && text[length - 1] >= 0xD800 && text[length - 1] < 0xDC00)
            --length;
        text.resize(length);
    }
    return text;
}

// SCORM 2004 reads a fill-in response as a list of texts split at "[,]", each of which may begin
// with a language tag in braces. What the learner typed is one text, as typed, whatever it holds:
// a word joiner, which shows as nothing, keeps "[,]" and a leading "{" from being read so.
std::u16string fillIn2004(std::u16string_view typed)
{
    constexpr char16_t joiner = 0x2060;
    std::u16string text = oneLine(typed);
    for (std::size_t at = text.find(u"[,]"); at != text.npos; at = text.find(u"[,]", at + 2))
        text.insert(at + 1, 1, joiner);
    if (!text.empty() && text.front() == u'{')
        text.insert(0, 1, joiner);
    // A text of a fill-in response keeps 250 characters.
    return cut(std::move(text), 250);
}

// SCORM 1.2 keeps 255 characters of a response.
std::u16string fillIn12(std::u16string_view typed)
{
    return cut(oneLine(typed), 255);
}

// A whole number with at least `width` digits. (printf would do it, at a seventh of the page's
// WebAssembly.)
std::string digits(long long number, int width = 1)
{
    const std::string text = std::to_string(number);
    return std::string(std::max(0, width - int(text.size())), '0') + text;
}

// A share from 0 to 1 to the millionth, as a run-time reads a real number.
std::string decimal(double share)
{
    const std::string millionths = digits(std::lround(share * 1e6), 7);
    const std::size_t point = millionths.size() - 6;
    std::string text = millionths.substr(0, point) + "." + millionths.substr(point);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

// What the run-time says it holds, where that is a count at all: a run-time that answers with an
// error, a fraction or more than any platform keeps has the new interactions numbered from 0.
int heldCount(double answered)
{
    return answered >= 0 && answered <= 1e6 && answered == std::floor(answered) ? int(answered) : 0;
}

} // namespace

std::vector<Value> checkValues(Version version, const quiz::CheckResult &result,
                               double interactionsHeld, const Moment &when)
{
    const int first = heldCount(interactionsHeld);
    const bool v2004 = version == Version::Scorm2004;
    const std::string clock =
        digits(when.hour, 2) + ":" + digits(when.minute, 2) + ":" + digits(when.second, 2);
    const std::string time = v2004 ? digits(when.year, 4) + "-" + digits(when.month, 2) + "-" +
                                         digits(when.day, 2) + "T" + clock
                                   : clock;
    std::vector<Value> values;
    for (std::size_t k = 0; k < result.boxes.size(); ++k) {
        const quiz::Judgement &box = result.boxes[k];
        const std::string interaction = "cmi.interactions." + std::to_string(first + int(k)) + ".";
        values.push_back({interaction + "id", ascii("respuesta" + std::to_string(k + 1))});
        values.push_back({interaction + "type", u"fill-in"});
        if (v2004) {
            values.push_back({interaction + "learner_response", fillIn2004(box.typed)});
            values.push_back({interaction + "result", box.right ? u"correct" : u"incorrect"});
            values.push_back({interaction + "timestamp", ascii(time)});
        } else {
            values.push_back({interaction + "student_response", fillIn12(box.typed)});
            values.push_back({interaction + "result", box.right ? u"correct" : u"wrong"});
            values.push_back({interaction + "time", ascii(time)});
        }
    }
    const double share = double(result.rightCount()) / double(result.boxes.size());
    const std::u16string raw = ascii(std::to_string(std::lround(100 * share)));
    if (v2004) {
        values.push_back({"cmi.score.raw", raw});
        values.push_back({"cmi.score.min", u"0"});
        values.push_back({"cmi.score.max", u"100"});
        values.push_back({"cmi.score.scaled", ascii(decimal(share))});
        // The learner may try again until every box is right.
        values.push_back(
            {"cmi.completion_status", result.allRight() ? u"completed" : u"incomplete"});
        values.push_back({"cmi.success_status", result.allRight() ? u"passed" : u"unknown"});
    } else {
        values.push_back({"cmi.core.score.raw", raw});
        values.push_back({"cmi.core.score.min", u"0"});
        values.push_back({"cmi.core.score.max", u"100"});
        values.push_back({"cmi.core.lesson_status", result.allRight() ? u"passed" : u"incomplete"});
    }
    return values;
}

std::vector<Value> endValues(Version version, double sessionMilliseconds)
{
    const auto hundredths = static_cast<long long>(std::max(0.0, sessionMilliseconds) / 10);
    const long long seconds = hundredths / 100;
    if (version == Version::Scorm2004)
        return {{"cmi.session_time",
                 ascii("PT" + digits(seconds / 3600) + "H" + digits(seconds / 60 % 60) + "M" +
                       digits(seconds % 60) + "." + digits(hundredths % 100, 2) + "S")},
                {"cmi.exit", u"normal"}};
    return {
        {"cmi.core.session_time",
         ascii(digits(std::min(seconds / 3600, 9999LL), 4) + ":" + digits(seconds / 60 % 60, 2) +
               ":" + digits(seconds % 60, 2) + "." + digits(hundredths % 100, 2))}};
}

} // namespace scorm
