// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The work folders a build unpacks, rewrites and paints in, under a root passed in.

#include "support/result.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class Workspace
{
    Q_DECLARE_TR_FUNCTIONS(Workspace)

public:
    explicit Workspace(const QString &root) : m_root(root) {}

    QString root() const { return m_root; }
    // The layouts of the skin being modified and the images they name, unpacked.
    QString unpacked() const { return below("unpacked"); }
    // The files that go into the new archive in place of the skin's own or beside them.
    QString changed() const { return below("changed"); }
    QString windowSkin() const { return below("windowskin"); } // the window skin, unpacked
    QString iconSkin() const { return below("iconskin"); }     // the icon skin, unpacked

    // The four folders, in the order they are made.
    QStringList folders() const { return {unpacked(), changed(), windowSkin(), iconSkin()}; }

    // Empties the four folders, making them when they are not there, or says why a folder could
    // not be emptied or made.
    Result<void> reset() const;

    // Each of these says why it failed, with the system's reason (makeFolder, in
    // support/writefailure.h, makes a folder with its parents).
    // Empties the folder, sub-folders and all, making it when it is not there.
    static Result<void> emptyFolder(const QString &folder);
    // Moves a file within the work folders, making the folder it goes to.
    static Result<void> move(const QString &from, const QString &to);

private:
    QString below(const char *name) const { return m_root + QLatin1Char('/') + QLatin1String(name); }

    QString m_root;
};
