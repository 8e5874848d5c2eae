#include "skin/images/iconsheets.h"

#include "skin/archive/archiveentry.h"
#include "skin/images/imagelimits.h"
#include "skin/layout/linetext.h"
#include "skin/layout/textlines.h"
#include "skin/workspace.h"

#include <QDir>
#include <QFileInfo>

namespace iconsheets {
namespace {

int number(const QString &line, const char *opener)
{
    return linetext::valueAfter(line, QLatin1String(opener)).toInt(); // 0 when absent or not a number
}

bool declaresSheet(const QString &line)
{
    return line.contains(QLatin1String("<customicons")) || line.contains(QLatin1String("<Customicons"));
}

bool namesSkin(const QString &line)
{
    return line.contains(QLatin1String("<skin")) || line.contains(QLatin1String("<Skin"));
}

} // namespace

std::optional<CustomSheet> parseDeclaration(const QString &line, const QString &imageName)
{
    CustomSheet sheet{imageName,
                      number(line, " x=\""),
                      number(line, " y=\""),
                      {number(line, " iconsize=\""), number(line, " nb=\""), number(line, " nbx=\"")}};
    const Layout &l = sheet.layout;
    if (l.iconSize <= 0 || l.count <= 0 || l.perRow <= 0 || l.iconSize > imagelimits::maxSide ||
        l.perRow > imagelimits::maxSide)
        return std::nullopt;
    // In 64 bits: the declared numbers are chosen by whoever made the archive.
    const qint64 width = qint64(l.iconSize) * l.perRow;
    const qint64 height = qint64(l.iconSize) * l.count / l.perRow;
    if (width > imagelimits::maxSide || height > imagelimits::maxSide ||
        width * height > imagelimits::maxPixels)
        return std::nullopt;
    return sheet;
}

std::optional<CustomSheet> findDeclaration(const QString &folder)
{
    for (const QString &name : Workspace::xmlFiles(folder)) {
        QStringList lines;
        if (!textlines::read(QDir(folder).filePath(name), lines))
            continue;
        const QString baseName = QFileInfo(name).completeBaseName();
        QString imageName = baseName + QLatin1String(".png");
        for (const QString &line : qAsConst(lines)) {
            if (namesSkin(line))
                imageName = linetext::skinImageName(line, baseName);
            if (declaresSheet(line)) {
                if (auto sheet = parseDeclaration(line, imageName))
                    return sheet;
            }
        }
    }
    return std::nullopt;
}

QImage cut(const CustomSheet &sheet, const QString &folder)
{
    const auto path = archive::safeRelativePath(sheet.imageName);
    if (!path || path->isEmpty())
        return {};
    QString problem;
    const QImage image = imagelimits::read(QDir(folder).filePath(*path), &problem);
    if (image.isNull())
        return {};
    return image.copy(sheet.x, sheet.y, sheet.layout.width(), sheet.layout.height());
}

std::optional<Layout> appendedLayout(IconSet set, const std::optional<CustomSheet> &custom)
{
    switch (set) {
    case IconSet::Alternative:
    case IconSet::White:
        return builtInLayout;
    case IconSet::FromOtherSkin:
        if (custom)
            return custom->layout;
        return std::nullopt;
    case IconSet::Default:
        break;
    }
    return std::nullopt;
}

QImage builtInSheet(IconSet set)
{
    if (set == IconSet::Alternative)
        return QImage(alternativeSheetPath);
    if (set == IconSet::White)
        return QImage(whiteSheetPath);
    return {};
}

} // namespace iconsheets
