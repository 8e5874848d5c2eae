#pragma once

// The skin images a build changes. Each distinct image is read and written once, however
// many XML files share it: they would all compute the same result.

#include "skin/skinbuildoptions.h"
#include "skin/workspace.h"

#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

class Style;

class SkinImages
{
public:
    // `sheet` is the icon sheet to append (null for none). `painting` hears of each image
    // before it is painted. `files` are the skin's files; `unpack` puts one of them into the
    // work folder the first time it is needed, returning an empty text or why it could not.
    SkinImages(const Workspace &workspace, const SkinBuildOptions &options, const Style &style,
               const QImage &sheet, std::function<void(const QString &imageName)> painting,
               const QStringList &files, std::function<QString(const QString &path)> unpack);

    // The height of a skin image named by the XML, read from its header; 0 when it cannot be
    // used (see problem()).
    int height(const QString &imageName);

    // Why the named image cannot be used, as a sentence; empty when it can.
    QString problem(const QString &imageName);

    // Set once an image over the size limits was met: the build must stop with this text.
    QString refusal() const { return m_refusal; }

    // Plans the changed image of one XML file, written into temp2 under the path it has in the
    // skin by finish(), with the plugin graphics at `pluginRow` (the row follows from the image, so
    // an image several layouts share is planned once). An image an earlier build grew from
    // `grownFrom` rows (0: none did) is grown again from its original picture. Returns an empty
    // text or why the image cannot be grown.
    QString update(const QString &imageName, int pluginRow, int grownFrom = 0);

    // Paints and writes the planned images, several at once (as many as Qt's global thread pool
    // allows), with the same result as one after another. Returns an empty text or the first
    // failure in planning order.
    QString finish();

private:
    struct Found
    {
        QString path; // relative to the unpacked skin; empty when there is no such file
        QSize size;   // from the header; invalid when the image cannot be used
        QString problem;
    };
    const Found &find(const QString &imageName);

    struct Job
    {
        QString path;
        QSize picture; // the part of the image kept: all of it, or what an earlier build grew
        std::optional<int> pluginRow;
    };
    QString paint(const Job &job) const;

    const Workspace &m_workspace;
    const SkinBuildOptions &m_options;
    const Style &m_style;
    const QImage m_sheet;
    const std::function<void(const QString &)> m_painting;
    const std::function<QString(const QString &)> m_unpack;
    QHash<QString, QString> m_filesByLowerCase; // the skin's files, found ignoring case
    QHash<QString, Found> m_found;
    QSet<QString> m_done;
    QVector<Job> m_jobs;
    QString m_refusal;
};
