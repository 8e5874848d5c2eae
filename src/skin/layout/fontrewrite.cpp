#include "skin/layout/fontrewrite.h"

#include "skin/layout/linetext.h"

#include <cmath>

namespace fontrewrite {

qint64 scaledSize(double size, double percent)
{
    return qint64(std::floor(size * percent / 100.0 + 0.5));
}

QString rewriteLine(const QString &line, const QString &family, const QString &sizePercent)
{
    QString out = line;
    const QString name = linetext::escapeAttribute(family);
    const auto newName = [&name](const QString &) { return name; };

    if (!family.isEmpty() && (out.contains(QLatin1String("<font")) || out.contains(QLatin1String("<Font"))))
        out = linetext::replaceValues(out, QStringLiteral("name=\""), newName, true);

    if (!out.contains(QLatin1String("<text")))
        return out;
    if (!family.isEmpty() && out.contains(QLatin1String(" font=")))
        out = linetext::replaceValues(out, QStringLiteral("font=\""), newName);

    bool numeric = false;
    const double percent = sizePercent.toDouble(&numeric);
    if (out.contains(QLatin1String(" size=")) && numeric && percent > 0 &&
        sizePercent != QLatin1String("100")) {
        out = linetext::replaceValues(out, QStringLiteral("size=\""), [percent](const QString &old) {
            bool ok = false;
            const double scaled = old.toDouble(&ok) * percent / 100.0;
            // Beyond this a size means nothing, and converting it to an integer would be undefined.
            constexpr double largest = 1e9;
            return ok && std::isfinite(scaled) && std::fabs(scaled) < largest
                       ? QString::number(scaledSize(old.toDouble(), percent))
                       : old;
        });
    }
    return out;
}

} // namespace fontrewrite
