#include "scorm.h"

#include <cmath>
#include <cstdio>

namespace form::scorm {

namespace {

std::u16string ascii(std::string_view text)
{
    return {text.begin(), text.end()};
}

} // namespace

std::vector<Value> checkValues(const CheckResult &result, int interactionCount,
                               std::string_view timeOfDay)
{
    std::vector<Value> values;
    for (std::size_t k = 0; k < result.verdicts.size(); ++k) {
        const std::string interaction =
            "cmi.interactions." + std::to_string(interactionCount + int(k)) + ".";
        const bool right = result.verdicts[k] == quiz::verdictRight;
        values.push_back({interaction + "id", ascii("respuesta" + std::to_string(k + 1))});
        values.push_back({interaction + "type", u"fill-in"});
        values.push_back({interaction + "student_response", result.responses[k]});
        values.push_back({interaction + "result", right ? u"correct" : u"wrong"});
        values.push_back({interaction + "time", ascii(timeOfDay)});
    }
    const std::size_t right = result.rightCount();
    const auto score = std::lround(100.0 * double(right) / double(result.verdicts.size()));
    values.push_back({"cmi.core.score.raw", ascii(std::to_string(score))});
    values.push_back({"cmi.core.score.min", u"0"});
    values.push_back({"cmi.core.score.max", u"100"});
    values.push_back(
        {"cmi.core.lesson_status", right == result.verdicts.size() ? u"passed" : u"incomplete"});
    return values;
}

std::string timespan(double milliseconds)
{
    const auto hundredths = static_cast<long long>(std::max(0.0, milliseconds) / 10);
    const long long seconds = hundredths / 100;
    char text[24];
    std::snprintf(text, sizeof text, "%04lld:%02lld:%02lld.%02lld",
                  std::min(seconds / 3600, 9999LL), seconds / 60 % 60, seconds % 60,
                  hundredths % 100);
    return text;
}

} // namespace form::scorm
