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

    // The height of an unpacked skin image, read from its header; 0 when it is missing.
    int height(const QString &imageName);

    // Writes the changed image of one XML file into temp2, with the plugin graphics at
    // `pluginRow` when no sheet decides the row. Returns an empty text or why it failed;
    // an image that cannot be read is left alone and noted in `warnings`.
    QString update(const QString &imageName, int pluginRow, QStringList &warnings);

private:
    const Workspace &m_workspace;
    const SkinBuildOptions &m_options;
    const Style &m_style;
    const QImage m_sheet;
    const std::function<void(const QString &)> m_painting;
    QHash<QString, int> m_heights;
    QSet<QString> m_done;
};
