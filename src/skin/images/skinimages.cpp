#include "skin/images/skinimages.h"

#include "skin/archive/archiveentry.h"
#include "skin/images/imagecompositor.h"
#include "skin/images/imagelimits.h"

#include <QDir>
#include <QDirIterator>
#include <QThreadPool>
#include <algorithm>
#include <new>

SkinImages::SkinImages(const Workspace &workspace, const SkinBuildOptions &options, const Style &style,
                       const QImage &sheet, std::function<void(const QString &)> painting,
                       const QStringList &files, std::function<QString(const QString &)> unpack)
    : m_workspace(workspace), m_options(options), m_style(style), m_sheet(sheet),
      m_painting(std::move(painting)), m_unpack(std::move(unpack))
{
    for (const QString &path : files)
        m_filesByLowerCase.insert(path.toLower(), path);
}

// Names are matched ignoring case, as the host and the file listing do.
const SkinImages::Found &SkinImages::find(const QString &imageName)
{
    auto known = m_found.constFind(imageName);
    if (known != m_found.constEnd())
        return *known;
    Found found;
    const auto relative = archive::safeRelativePath(imageName);
    if (!relative || relative->isEmpty()) {
        found.problem = QStringLiteral("points outside the skin");
    } else {
        found.path = m_filesByLowerCase.value(relative->toLower());
        const QString unpackError = found.path.isEmpty() ? QString() : m_unpack(found.path);
        if (!unpackError.isEmpty() && m_refusal.isEmpty())
            m_refusal = unpackError;
        const auto measured = imagelimits::measure(QDir(m_workspace.temp()).filePath(found.path));
        found.problem = found.path.isEmpty() ? QStringLiteral("is missing") : measured.problem;
        found.size = found.problem.isEmpty() ? measured.size : QSize();
        if (measured.refused && m_refusal.isEmpty())
            m_refusal =
                QStringLiteral("The skin image \"%1\" %2").arg(archive::printable(imageName), found.problem);
    }
    return *m_found.insert(imageName, found);
}

int SkinImages::height(const QString &imageName)
{
    return qMax(0, find(imageName).size.height());
}

QString SkinImages::problem(const QString &imageName)
{
    const QString why = find(imageName).problem;
    return why.isEmpty() ? why
                         : QStringLiteral("The skin image \"%1\" %2; its layout keeps its browser and icons")
                               .arg(archive::printable(imageName), why);
}

QString SkinImages::update(const QString &imageName, int pluginRow, int grownFrom)
{
    const bool appendSheet = !m_sheet.isNull();
    const Found &found = find(imageName);
    if ((!appendSheet && !m_options.changeColours && grownFrom == 0) || !found.problem.isEmpty())
        return {};
    // The row follows from the image alone, so layouts sharing an image share its work.
    if (m_done.contains(found.path))
        return {};
    m_done.insert(found.path);

    Job job{found.path, found.size, std::nullopt};
    if (grownFrom > 0 && grownFrom < found.size.height())
        job.picture.setHeight(grownFrom);
    if (m_options.changeColours)
        job.pluginRow = pluginRow;
    const QSize grown = imagecompositor::canvasSize(job.picture, m_sheet.size(), job.pluginRow);
    if (qint64(grown.width()) * grown.height() > imagecompositor::maxCanvasPixels)
        return QStringLiteral("The skin image \"%1\" would grow to %2 x %3 pixels, more than %4 megapixels")
            .arg(archive::printable(found.path))
            .arg(grown.width())
            .arg(grown.height())
            .arg(imagecompositor::maxCanvasPixels / 1000000);
    if (m_painting)
        m_painting(found.path);
    m_jobs << job;
    return {};
}

QString SkinImages::finish()
{
    // Each image is decoded, grown and encoded on its own, so they can be at once. A private pool:
    // the build itself may run on Qt's global one.
    QThreadPool pool;
    pool.setMaxThreadCount(QThreadPool::globalInstance()->maxThreadCount());
    QVector<QString> errors(m_jobs.size());
    for (int i = 0; i < m_jobs.size(); ++i)
        pool.start([this, i, &errors] { errors[i] = paint(m_jobs.at(i)); });
    pool.waitForDone();
    m_jobs.clear();
    const auto failed =
        std::find_if(errors.cbegin(), errors.cend(), [](const QString &e) { return !e.isEmpty(); });
    return failed == errors.cend() ? QString() : *failed;
}

QString SkinImages::paint(const Job &job) const
{
    // An exception must not leave a pool thread: it would end the process.
    try {
        QString problem;
        const QImage changed =
            imagecompositor::composeFile(QDir(m_workspace.temp()).filePath(job.path), job.picture, m_sheet,
                                         job.pluginRow, m_style, &problem);
        if (changed.isNull())
            return QStringLiteral("The skin image \"%1\" %2").arg(archive::printable(job.path), problem);
        const QString target = QDir(m_workspace.temp2()).filePath(job.path);
        QDir().mkpath(QFileInfo(target).path());
        return imagecompositor::writePng(changed, target);
    } catch (const std::bad_alloc &) {
        return QStringLiteral("There was not enough memory to paint the skin image \"%1\"")
            .arg(archive::printable(job.path));
    }
}
