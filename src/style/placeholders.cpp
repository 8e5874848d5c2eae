// SPDX-License-Identifier: GPL-3.0-or-later
#include "placeholders.h"

namespace placeholders {

QString fill(const QString &text, const Lookup &lookup)
{
    static const QLatin1String open("${");

    QString filled;
    filled.reserve(text.size() * 2);
    int done = 0;
    for (int start = text.indexOf(open); start >= 0; start = text.indexOf(open, done)) {
        const int end = text.indexOf(QLatin1Char('}'), start);
        if (end < 0)
            break;
        filled += text.midRef(done, start - done);
        const QString value = lookup(text.mid(start + 2, end - start - 2));
        if (value.isNull())
            filled += text.midRef(start, end + 1 - start);
        else
            filled += value;
        done = end + 1;
    }
    filled += text.midRef(done);
    return filled;
}

} // namespace placeholders
