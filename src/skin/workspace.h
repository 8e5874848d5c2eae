#pragma once

// The five work folders a build unpacks, rewrites and paints in, under a root passed in.

#include <QString>
#include <QStringList>

// What a user is told when an unpacked skin has no XML files at its top level.
inline const QString noXmlFilesMessage = QStringLiteral("The Zip file doesn't contain any XML files");

class Workspace
{
public:
    explicit Workspace(const QString &root) : m_root(root) {}

    QString root() const { return m_root; }
    QString temp() const { return below("temp"); }            // the skin being modified, unpacked
    QString skin() const { return below("skin"); }            // what is packed into the new archive
    QString temp2() const { return below("temp2"); }          // images the build has changed
    QString tempWindows() const { return below("tempwind"); } // the window skin, unpacked
    QString tempIcons() const { return below("tempicons"); }  // the icon skin, unpacked
    QString customIconsImage() const { return below("customicons.png"); } // last cut icon sheet

    // The five folders, in the order they are made.
    QStringList folders() const { return {temp(), skin(), temp2(), tempWindows(), tempIcons()}; }

    // Removes skin, temp, temp2 and tempwind with their contents, then creates the five
    // folders where missing. Returns an empty text or why a folder could not be made.
    QString reset() const;

    // Makes a folder with its parents; returns an empty text or why it could not be made.
    static QString makeFolder(const QString &path);
    // Removes the top-level files whose names hold a dot; sub-folders stay.
    static void emptyFolder(const QString &folder);
    // Moves every file below `from` to the same place below `to`, replacing namesakes.
    static void replaceFiles(const QString &from, const QString &to);
    // The top-level "*.xml" files (any case), sorted by name ignoring case.
    static QStringList xmlFiles(const QString &folder);

private:
    QString below(const char *name) const { return m_root + QLatin1Char('/') + QLatin1String(name); }

    QString m_root;
};
