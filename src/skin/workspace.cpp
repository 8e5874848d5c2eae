// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/workspace.h"

#include "platform/folders.h"
#include "platform/systemerror.h"
#include "support/writefailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

Result<void> Workspace::reset() const
{
    for (const QString &path : folders())
        if (Result<void> emptied = emptyFolder(path); !emptied)
            return emptied;
    return {};
}

Result<void> Workspace::emptyFolder(const QString &folder)
{
    // Whole: anything left, even in a sub-folder, would be found by the next build or scan.
    QDir(folder).removeRecursively();
    if (Result<void> made = makeFolder(folder); !made)
        return made;
    // What is left tells why: a file that cannot be removed, else a folder.
    QString left;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext() && (left.isEmpty() || QFileInfo(left).isDir()))
        left = entries.next();
    if (left.isEmpty())
        return {};
    QString reason;
    if (QFileInfo(left).isDir()) {
        reason = platform::removeEmptyFolder(left);
    } else {
        QFile file(left);
        reason = file.remove() ? QString() : platform::systemErrorText(file.errorString());
    }
    // Removed at the second try: something was still using it a moment ago.
    if (reason.isEmpty())
        reason = platform::systemErrorText(EBUSY);
    return Failure{
        tr("Cannot remove \"%1\" from the work folder: %2").arg(QDir::toNativeSeparators(left), reason)};
}

Result<void> Workspace::move(const QString &from, const QString &to)
{
    if (Result<void> made = makeFolder(QFileInfo(to).path()); !made)
        return made;
    // A rename never replaces a file on every system: what is in the way goes first.
    QFile target(to);
    QFile file(from);
    if ((target.exists() && !target.remove()) || !file.rename(to))
        return Failure{
            tr("Cannot move \"%1\" to \"%2\": %3")
                .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to),
                     platform::systemErrorText(target.error() != QFileDevice::NoError ? target.errorString()
                                                                                      : file.errorString()))};
    return {};
}
