#pragma once

// The skin images a build changes. Each distinct image is read and written once, however
// many XML files share it: they would all compute the same result.

#include "skinbuildoptions.h"
#include "workspace.h"

#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

class Style;

class SkinImages
{
public:
    // `sheet` is the icon sheet to append (null for none). `painting` hears of each image
    // before it is painted.
    SkinImages(const Workspace &workspace, const SkinBuildOptions &options, const Style &style,
               const QImage &sheet, std::function<void(const QString &imageName)> painting);

    // The height of a skin image named by the XML, read from its header; 0 when it cannot be
    // used (see problem()).
    int height(const QString &imageName);

    // Why the named image cannot be used, as a sentence; empty when it can.
    QString problem(const QString &imageName);

    // Set once an image over the size limits was met: the build must stop with this text.
    QString refusal() const { return m_refusal; }

    // Writes the changed image of one XML file into temp2, under the path it has in the skin,
    // with the plugin graphics at `pluginRow` when no sheet decides the row. An image an earlier
    // build grew from `grownFrom` rows (0: none did) is grown again from its original picture.
    // Returns an empty text or why it failed.
    QString update(const QString &imageName, int pluginRow, int grownFrom = 0);

private:
    struct Found
    {
        QString path; // relative to the unpacked skin; empty when there is no such file
        int height = 0;
        QString problem;
    };
    const Found &find(const QString &imageName);

    const Workspace &m_workspace;
    const SkinBuildOptions &m_options;
    const Style &m_style;
    const QImage m_sheet;
    const std::function<void(const QString &)> m_painting;
    QHash<QString, QString> m_filesByLowerCase; // the unpacked skin's files, found ignoring case
    QHash<QString, Found> m_found;
    QSet<QString> m_done;
    QString m_refusal;
};
