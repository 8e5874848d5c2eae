// SPDX-License-Identifier: GPL-3.0-or-later
#include "colourspace.h"

#include <algorithm>
#include <cmath>

namespace colourspace {
namespace {

constexpr double pi = 3.14159265358979323846;

double decode(double v)
{
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double encode(double v)
{
    v = std::clamp(v, 0.0, 1.0);
    return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

bool inGamut(const Linear &c)
{
    constexpr double slack = 1e-6;
    return c.r >= -slack && c.r <= 1 + slack && c.g >= -slack && c.g <= 1 + slack && c.b >= -slack &&
           c.b <= 1 + slack;
}

struct Lab
{
    double L, a, b;
};

Lab cielab(const QColor &c)
{
    const Linear l = linear(c);
    // sRGB to XYZ, relative to the D65 white.
    const double x = (0.4124564 * l.r + 0.3575761 * l.g + 0.1804375 * l.b) / 0.95047;
    const double y = 0.2126729 * l.r + 0.7151522 * l.g + 0.0721750 * l.b;
    const double z = (0.0193339 * l.r + 0.1191920 * l.g + 0.9503041 * l.b) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double degrees(double radians)
{
    const double d = radians * 180 / pi;
    return d < 0 ? d + 360 : d;
}

double radians(double deg)
{
    return deg * pi / 180;
}

} // namespace

double Oklab::chroma() const
{
    return std::hypot(a, b);
}

double Oklab::hue() const
{
    return std::atan2(b, a);
}

Oklab Oklab::fromLch(double L, double chroma, double hue)
{
    return {L, chroma * std::cos(hue), chroma * std::sin(hue)};
}

Linear linear(const QColor &c)
{
    return {decode(c.redF()), decode(c.greenF()), decode(c.blueF())};
}

QColor fromLinear(const Linear &c)
{
    return QColor::fromRgbF(encode(c.r), encode(c.g), encode(c.b));
}

Oklab oklab(const QColor &c)
{
    return oklab(linear(c));
}

Oklab oklab(const Linear &c)
{
    const double l = std::cbrt(0.4122214708 * c.r + 0.5363325363 * c.g + 0.0514459929 * c.b);
    const double m = std::cbrt(0.2119034982 * c.r + 0.6806995451 * c.g + 0.1073969566 * c.b);
    const double s = std::cbrt(0.0883024619 * c.r + 0.2817188376 * c.g + 0.6299787005 * c.b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

Linear linear(const Oklab &c)
{
    const double l = std::pow(c.L + 0.3963377774 * c.a + 0.2158037573 * c.b, 3);
    const double m = std::pow(c.L - 0.1055613458 * c.a - 0.0638541728 * c.b, 3);
    const double s = std::pow(c.L - 0.0894841775 * c.a - 1.2914855480 * c.b, 3);
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

QColor fromOklab(const Oklab &c)
{
    const Oklab grey{std::clamp(c.L, 0.0, 1.0), 0, 0};
    if (inGamut(linear(Oklab{grey.L, c.a, c.b})))
        return fromLinear(linear(Oklab{grey.L, c.a, c.b}));
    // Halving the interval: the largest share of the chroma that stays in gamut.
    double inside = 0, outside = 1;
    for (int i = 0; i < 20; ++i) {
        const double mid = (inside + outside) / 2;
        (inGamut(linear(Oklab{grey.L, c.a * mid, c.b * mid})) ? inside : outside) = mid;
    }
    return fromLinear(linear(Oklab{grey.L, c.a * inside, c.b * inside}));
}

double ciede2000(const QColor &x, const QColor &y)
{
    // Sharma, Wu and Dalal's formulation, with kL = kC = kH = 1.
    const Lab p = cielab(x), q = cielab(y);
    const double c1 = std::hypot(p.a, p.b), c2 = std::hypot(q.a, q.b);
    const double meanC7 = std::pow((c1 + c2) / 2, 7);
    const double g = 0.5 * (1 - std::sqrt(meanC7 / (meanC7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * p.a, a2 = (1 + g) * q.a;
    const double C1 = std::hypot(a1, p.b), C2 = std::hypot(a2, q.b);
    const double h1 = C1 == 0 ? 0 : degrees(std::atan2(p.b, a1));
    const double h2 = C2 == 0 ? 0 : degrees(std::atan2(q.b, a2));

    const double dL = q.L - p.L, dC = C2 - C1;
    double dh = 0;
    if (C1 * C2 != 0) {
        dh = h2 - h1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const double dH = 2 * std::sqrt(C1 * C2) * std::sin(radians(dh / 2));

    const double meanL = (p.L + q.L) / 2, meanC = (C1 + C2) / 2;
    double meanH = h1 + h2;
    if (C1 * C2 != 0) {
        if (std::abs(h1 - h2) <= 180)
            meanH /= 2;
        else
            meanH = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
    }
    const double t = 1 - 0.17 * std::cos(radians(meanH - 30)) + 0.24 * std::cos(radians(2 * meanH)) +
                     0.32 * std::cos(radians(3 * meanH + 6)) - 0.20 * std::cos(radians(4 * meanH - 63));
    const double dTheta = 30 * std::exp(-std::pow((meanH - 275) / 25, 2));
    const double meanC7b = std::pow(meanC, 7);
    const double rc = 2 * std::sqrt(meanC7b / (meanC7b + std::pow(25.0, 7)));
    const double sl = 1 + 0.015 * std::pow(meanL - 50, 2) / std::sqrt(20 + std::pow(meanL - 50, 2));
    const double sc = 1 + 0.045 * meanC;
    const double sh = 1 + 0.015 * meanC * t;
    const double rt = -std::sin(radians(2 * dTheta)) * rc;
    const double l = dL / sl, c = dC / sc, h = dH / sh;
    return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

} // namespace colourspace
