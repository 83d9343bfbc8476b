#include "arithmetic.h"

#include <cmath>

namespace arithmetic {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double ln2 = 0.69314718055994530942;

// The Taylor series of e^x to its 20th term, for |x| up to ln 2 / 2.
double smallExponential(double x)
{
    double sum = 1, term = 1;
    for (int n = 1; n <= 20; ++n)
        sum += term *= x / n;
    return sum;
}

} // namespace

double sine(double radians)
{
    // To [-pi/2, pi/2], where sin(x - k pi) = (-1)^k sin(x); then the Taylor series to x^25.
    const double turns = std::floor(radians / pi + 0.5);
    const double x = radians - turns * pi;
    double sum = x, term = x;
    for (int n = 3; n <= 25; n += 2)
        sum += term *= -x * x / ((n - 1) * n);
    return std::fmod(turns, 2) == 0 ? sum : -sum;
}

double exponential(double x)
{
    // e^x = 2^k e^(x - k ln 2), with the power of two exact.
    const double k = std::floor(x / ln2 + 0.5);
    return std::ldexp(smallExponential(x - k * ln2), int(k));
}

double distance(QPointF from, QPointF to)
{
    const QPointF d = to - from;
    return std::sqrt(d.x() * d.x() + d.y() * d.y());
}

QTransform rotation(double degrees)
{
    const double radians = degrees * pi / 180;
    const double sin = sine(radians), cos = sine(radians + pi / 2);
    return {cos, sin, -sin, cos, 0, 0};
}

QTransform rotation(QPointF direction)
{
    const double length = distance({}, direction);
    return {direction.x() / length,
            direction.y() / length,
            -direction.y() / length,
            direction.x() / length,
            0,
            0};
}

} // namespace arithmetic
