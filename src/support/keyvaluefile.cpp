// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/keyvaluefile.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

bool readKeyValueFile(const QString &path, QMap<QString, QString> &map)
{
    // A pipe would hold the read for ever.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    // Whatever the locale: a profile must read the same on every machine. Bytes that are not
    // UTF-8 read as U+FFFD, which the profile reader reports.
    in.setCodec("UTF-8");
    QString line;
    while (in.readLineInto(&line)) {
        const int first = line.indexOf(QLatin1Char('='));
        if (first < 0)
            continue;
        const int second = line.indexOf(QLatin1Char('='), first + 1);
        map.insert(line.left(first), line.mid(first + 1, second < 0 ? -1 : second - first - 1));
    }
    return true;
}
