// SPDX-License-Identifier: GPL-3.0-or-later
#include "longwords.h"

#include <QFontMetrics>
#include <QStringList>

QString shortenLongWords(const QString &text, const QFontMetrics &metrics, int width)
{
    // Line by line and word by word, so that the text keeps its line breaks and wraps as before.
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        QStringList words = line.split(QLatin1Char(' '));
        for (QString &word : words)
            if (metrics.horizontalAdvance(word) > width)
                word = metrics.elidedText(word, Qt::ElideMiddle, width);
        line = words.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n'));
}
