#pragma once

// The work folders a build unpacks, rewrites and paints in, under a root passed in.

#include <QString>
#include <QStringList>

class Workspace
{
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

    // Removes the four folders with their contents, then creates them again. Returns an empty
    // text or why a folder could not be made.
    QString reset() const;

    // Makes a folder with its parents; returns an empty text or why it could not be made.
    static QString makeFolder(const QString &path);
    // Empties the folder, sub-folders and all.
    static void emptyFolder(const QString &folder);

private:
    QString below(const char *name) const { return m_root + QLatin1Char('/') + QLatin1String(name); }

    QString m_root;
};
