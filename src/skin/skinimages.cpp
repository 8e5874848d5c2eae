#include "skinimages.h"

#include "archiveentry.h"
#include "imagecompositor.h"
#include "imagelimits.h"

#include <QDir>
#include <QDirIterator>

SkinImages::SkinImages(const Workspace &workspace, const SkinBuildOptions &options, const Style &style,
                       const QImage &sheet, std::function<void(const QString &)> painting)
    : m_workspace(workspace), m_options(options), m_style(style), m_sheet(sheet),
      m_painting(std::move(painting))
{
    const QDir root(m_workspace.temp());
    QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = root.relativeFilePath(it.next());
        m_filesByLowerCase.insert(path.toLower(), path);
    }
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
        const auto measured = imagelimits::measure(QDir(m_workspace.temp()).filePath(found.path));
        found.problem = found.path.isEmpty() ? QStringLiteral("is missing") : measured.problem;
        found.height = found.problem.isEmpty() ? measured.size.height() : 0;
        if (measured.refused && m_refusal.isEmpty())
            m_refusal =
                QStringLiteral("The skin image \"%1\" %2").arg(archive::printable(imageName), found.problem);
    }
    return *m_found.insert(imageName, found);
}

int SkinImages::height(const QString &imageName)
{
    return find(imageName).height;
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
    // Below a sheet, or where "From another Skin" found none, the row follows from the image
    // height alone; otherwise the XML file's <skin line set it.
    const bool rowFromImage = appendSheet || m_options.iconSet == IconSet::FromOtherSkin;
    const QString key =
        rowFromImage ? found.path : found.path + QLatin1Char('\n') + QString::number(pluginRow);
    if (m_done.contains(key))
        return {};
    m_done.insert(key);

    QString problem;
    QImage skin = imagelimits::read(QDir(m_workspace.temp()).filePath(found.path), &problem);
    if (grownFrom > 0 && grownFrom < skin.height())
        skin = skin.copy(0, 0, skin.width(), grownFrom);
    if (skin.isNull())
        return QStringLiteral("The skin image \"%1\" %2").arg(archive::printable(found.path), problem);
    if (rowFromImage) {
        pluginRow = skin.height() + (appendSheet ? imagecompositor::pluginRowBelow(m_sheet.height())
                                                 : imagecompositor::pluginRowWithoutSheet);
    }
    const std::optional<int> row = m_options.changeColours ? std::optional<int>(pluginRow) : std::nullopt;
    const QSize grown = imagecompositor::canvasSize(skin.size(), m_sheet.size(), row);
    if (qint64(grown.width()) * grown.height() > imagecompositor::maxCanvasPixels)
        return QStringLiteral("The skin image \"%1\" would grow to %2 x %3 pixels, more than %4 megapixels")
            .arg(archive::printable(found.path))
            .arg(grown.width())
            .arg(grown.height())
            .arg(imagecompositor::maxCanvasPixels / 1000000);
    if (m_painting)
        m_painting(found.path);
    const QImage changed = imagecompositor::compose(skin, m_sheet, row, m_style);
    const QString target = QDir(m_workspace.temp2()).filePath(found.path);
    QDir().mkpath(QFileInfo(target).path());
    return imagecompositor::writePng(changed, target);
}
