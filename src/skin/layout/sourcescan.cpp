#include "skin/layout/sourcescan.h"

#include "skin/archive/archive.h"
#include "skin/images/iconsheets.h"
#include "skin/layout/linetext.h"
#include "skin/layout/textlines.h"
#include "skin/workspace.h"

#include <QDir>

namespace sourcescan {
namespace {

// Unpacks into an emptied folder and tells why the skin cannot be scanned, if it cannot.
QString unpack(const QString &zipPath, const QString &workFolder)
{
    if (QString error = Workspace::makeFolder(workFolder); !error.isEmpty())
        return error;
    Workspace::emptyFolder(workFolder);
    QString error = archive::extract(zipPath, workFolder);
    if (error.isEmpty() && Workspace::xmlFiles(workFolder).isEmpty())
        error = noXmlFilesMessage;
    return error;
}

} // namespace

QStringList windowElements(const QList<QStringList> &xmlFiles)
{
    QStringList copied;
    for (const QStringList &lines : xmlFiles) {
        linetext::CommentMask comments;
        bool copying = false;
        for (const QString &line : lines) {
            const QString markup = comments.apply(line);
            if (markup.contains(QLatin1String("</skin"), Qt::CaseInsensitive))
                break;
            const int tag = markup.indexOf(QLatin1String("<window"), 0, Qt::CaseInsensitive);
            if (copying || tag >= 0)
                copied << line;
            if (!copying && tag >= 0)
                copying = !linetext::tagClosesItself(markup, tag);
            if (markup.contains(QLatin1String("</window"), Qt::CaseInsensitive))
                copying = false;
        }
    }
    return copied;
}

QStringList windowNames(const QList<QStringList> &xmlFiles)
{
    QStringList names;
    for (const QString &line : windowElements(xmlFiles)) {
        bool named = false;
        const QString name = linetext::valueAfter(line, QStringLiteral("name=\""), &named);
        if (named && line.contains(QLatin1String("<window"), Qt::CaseInsensitive))
            names << name;
    }
    return names;
}

QList<QStringList> xmlFileLines(const QString &folder)
{
    QList<QStringList> files;
    for (const QString &name : Workspace::xmlFiles(folder)) {
        QStringList lines;
        if (textlines::read(QDir(folder).filePath(name), lines))
            files << lines;
    }
    return files;
}

WindowScan scanWindowSkin(const QString &zipPath, const QString &workFolder)
{
    WindowScan scan;
    scan.error = unpack(zipPath, workFolder);
    if (scan.error.isEmpty())
        scan.names = windowNames(xmlFileLines(workFolder));
    Workspace::emptyFolder(workFolder);
    return scan;
}

IconScan scanIconSkin(const QString &zipPath, const QString &workFolder)
{
    IconScan scan;
    scan.error = unpack(zipPath, workFolder);
    if (scan.error.isEmpty())
        scan.customIcons = iconsheets::findDeclaration(workFolder).has_value();
    Workspace::emptyFolder(workFolder);
    return scan;
}

} // namespace sourcescan
