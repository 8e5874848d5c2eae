#include "skinimages.h"

#include "imagecompositor.h"
#include "linetext.h"

#include <QDir>
#include <QImageReader>

SkinImages::SkinImages(const Workspace &workspace, const SkinBuildOptions &options, const Style &style,
                       const QImage &sheet, std::function<void(const QString &)> painting)
    : m_workspace(workspace), m_options(options), m_style(style), m_sheet(sheet),
      m_painting(std::move(painting))
{
}

int SkinImages::height(const QString &imageName)
{
    if (!linetext::isPlainFileName(imageName))
        return 0;
    auto known = m_heights.constFind(imageName);
    if (known == m_heights.constEnd()) {
        const QSize size = QImageReader(QDir(m_workspace.temp()).filePath(imageName)).size();
        known = m_heights.insert(imageName, size.isValid() ? size.height() : 0);
    }
    return *known;
}

QString SkinImages::update(const QString &imageName, int pluginRow, QStringList &warnings)
{
    const bool appendSheet = !m_sheet.isNull();
    if (!appendSheet && !m_options.changeColours)
        return {};
    if (!linetext::isPlainFileName(imageName)) {
        warnings
            << QStringLiteral("The image name \"%1\" points outside the skin; it was ignored").arg(imageName);
        return {};
    }
    // Below a sheet, or where "From another Skin" found none, the row follows from the image
    // height alone; otherwise the XML file's <skin line set it.
    const bool rowFromImage = appendSheet || m_options.iconSet == IconSet::FromOtherSkin;
    const QString key = rowFromImage ? imageName : imageName + QLatin1Char('\n') + QString::number(pluginRow);
    if (m_done.contains(key))
        return {};
    m_done.insert(key);

    const QImage skin(QDir(m_workspace.temp()).filePath(imageName));
    if (skin.isNull()) {
        warnings << QStringLiteral("The skin image \"%1\" is missing or unreadable; it was left as it is")
                        .arg(imageName);
        return {};
    }
    if (rowFromImage) {
        pluginRow = skin.height() + (appendSheet ? imagecompositor::pluginRowBelowSheet
                                                 : imagecompositor::pluginRowWithoutSheet);
    }
    if (m_painting)
        m_painting(imageName);
    const QImage changed = imagecompositor::compose(
        skin, m_sheet, m_options.changeColours ? std::optional<int>(pluginRow) : std::nullopt, m_style);
    const QString target = QDir(m_workspace.temp2()).filePath(imageName);
    if (!changed.save(target, "PNG"))
        return QStringLiteral("Cannot write the image \"%1\"").arg(QDir::toNativeSeparators(target));
    return {};
}
