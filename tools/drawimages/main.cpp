// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's images into a folder (normally resources/myfiles), so the committed PNGs are
// always the output of this code.

#include "artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: panelcraft-drawimages <output folder>\n";
        return 2;
    }
    const QDir folder(args.at(1));
    if (!folder.exists()) {
        err << "no such folder: " << args.at(1) << '\n';
        return 1;
    }
    int failures = 0;
    for (const artwork::File &file : artwork::files) {
        const QString path = folder.filePath(QString::fromLatin1(file.name));
        if (!file.draw().save(path, "PNG")) {
            err << "could not write " << path << '\n';
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
