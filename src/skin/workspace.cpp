// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/workspace.h"

#include "platform/folders.h"
#include "support/writefailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

QString Workspace::reset() const
{
    for (const QString &path : folders()) {
        const QString error = emptyFolder(path);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString Workspace::emptyFolder(const QString &folder)
{
    // Whole: anything left, even in a sub-folder, would be found by the next build or scan.
    QDir(folder).removeRecursively();
    if (const QString error = makeFolder(folder); !error.isEmpty())
        return error;
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
        reason = file.remove() ? QString() : file.errorString();
    }
    // Removed at the second try: something was still using it a moment ago.
    if (reason.isEmpty())
        reason = qt_error_string(EBUSY);
    return tr("Cannot remove \"%1\" from the work folder: %2").arg(QDir::toNativeSeparators(left), reason);
}

QString Workspace::move(const QString &from, const QString &to)
{
    if (const QString error = makeFolder(QFileInfo(to).path()); !error.isEmpty())
        return error;
    // A rename never replaces a file on every system: what is in the way goes first.
    QFile target(to);
    QFile file(from);
    if ((target.exists() && !target.remove()) || !file.rename(to))
        return tr("Cannot move \"%1\" to \"%2\": %3")
            .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to),
                 target.error() != QFileDevice::NoError ? target.errorString() : file.errorString());
    return {};
}
