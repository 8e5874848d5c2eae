// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/layout/fontrewrite.h"

#include <cmath>

namespace fontrewrite {

qint64 scaledSize(double size, double percent)
{
    return qint64(std::floor(size * percent / 100.0 + 0.5));
}

QVector<xmltokens::Splice> splices(const xmltokens::Document &layout, const xmltokens::Element &element,
                                   const QString &family, const QString &sizePercent)
{
    QVector<xmltokens::Splice> out;
    const QStringRef name = layout.name(element);
    const bool font = name.startsWith(QLatin1String("font")) || name.startsWith(QLatin1String("Font"));
    const bool text = name.startsWith(QLatin1String("text"));
    const QString escapedFamily = xmltokens::escapeAttribute(family);
    if (!family.isEmpty() && (font || text)) {
        const auto value = layout.attributeValue(element, QLatin1String(font ? "name" : "font"));
        if (value.found())
            out << xmltokens::Splice{value, escapedFamily};
    }
    bool numeric = false;
    const double percent = sizePercent.toDouble(&numeric);
    if (!text || !numeric || percent <= 0 || sizePercent == QLatin1String("100"))
        return out;
    const auto size = layout.attributeValue(element, QLatin1String("size"));
    bool ok = false;
    const double old = layout.textOf(size).toDouble(&ok);
    const double scaled = old * percent / 100.0;
    // Beyond this a size means nothing, and converting it to an integer would be undefined.
    constexpr double largest = 1e9;
    if (size.found() && ok && std::isfinite(scaled) && std::fabs(scaled) < largest)
        out << xmltokens::Splice{size, QString::number(scaledSize(old, percent))};
    return out;
}

} // namespace fontrewrite
