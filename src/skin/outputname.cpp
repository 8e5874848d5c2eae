// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/outputname.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace outputname {

QString problem(const QString &name)
{
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QCoreApplication::translate("outputname", "\"%1\" cannot be used as a skin name").arg(name);
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            return QCoreApplication::translate(
                       "outputname",
                       "The skin name \"%1\" cannot hold the character \"%2\": choose a name without "
                       "/ \\ : * ? \" < > |")
                .arg(name, c.unicode() < 0x20
                               ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                               : QString(c));
    }
    // Most file systems hold 255 bytes in a name, and ".zip" is added to it.
    if (name.toUtf8().size() > 251)
        return QCoreApplication::translate("outputname",
                                           "The skin name \"%1...\" is too long for a file name")
            .arg(name.left(40));
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return QCoreApplication::translate("outputname",
                                           "The skin name \"%1\" cannot end with a dot or a space")
            .arg(name);
    return {};
}

QString suggestedName(const QString &skinFile)
{
    return QFileInfo(skinFile).baseName() + QLatin1String(" (Browser edit)");
}

QString skinsFolder(const QString &documentsFolder)
{
    // The host may have made "Skins" or "skins"; on a case-sensitive file system the dialogs
    // and the new skins must both use the one that exists ("skins" when there are several).
    const QDir host(documentsFolder + QLatin1String("/Turnwise"));
    const QString usual = QStringLiteral("skins");
    if (!host.exists(usual)) {
        for (const QString &name : host.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            if (name.compare(usual, Qt::CaseInsensitive) == 0)
                return host.filePath(name);
        }
    }
    return host.filePath(usual);
}

QString outputPath(const QString &skinsFolder, const QString &typedName, const QString &selectedSkinFile,
                   QString *error)
{
    if (typedName.isEmpty()) {
        error->clear();
        return selectedSkinFile;
    }
    // A name typed with its ".zip" (in any case) gets no second one.
    const QLatin1String suffix(".zip");
    const QString name =
        typedName.endsWith(suffix, Qt::CaseInsensitive) ? typedName.chopped(suffix.size()) : typedName;
    *error = problem(name);
    if (!error->isEmpty())
        return {};
    return skinsFolder + QLatin1Char('/') + name + suffix;
}

} // namespace outputname
