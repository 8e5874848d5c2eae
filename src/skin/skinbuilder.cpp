#include "skinbuilder.h"

#include "archive.h"
#include "iconsheets.h"
#include "imagecompositor.h"
#include "outputname.h"
#include "skinimages.h"
#include "sourcescan.h"
#include "textlines.h"
#include "workspace.h"
#include "xmlrewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString buildStepText(BuildStep step)
{
    switch (step) {
    case BuildStep::ImportIcons:
        return QStringLiteral("Importing custom icons from");
    case BuildStep::Unpack:
        return QStringLiteral("Unpacking");
    case BuildStep::UnpackWindows:
        return QStringLiteral("Unpacking floating windows from");
    case BuildStep::Rewrite:
        return QStringLiteral("Rewriting");
    case BuildStep::PaintImage:
    case BuildStep::PaintFloatingBrowser:
        return QStringLiteral("Painting");
    case BuildStep::GatherImages:
        return QStringLiteral("Gathering the images");
    case BuildStep::Pack:
        return QStringLiteral("Packing");
    }
    return {};
}

namespace {

const QString floatingImageName = QStringLiteral("browserfloat.png");

class BuildRun
{
public:
    BuildRun(const SkinBuildOptions &options, const Style &style, const QString &root,
             const BuildProgress &progress)
        : m_options(options), m_style(style), m_workspace(root), m_progress(progress)
    {
    }

    BuildResult run();

private:
    QString checkOptions() const;
    // The stages of work(), in order; each returns an empty text or why the build stops.
    QString work();
    QString importIcons();
    QString unpackSkin();
    QString unpackWindows();
    QString rewriteAll();
    QString addFloatingBrowserImage();
    QString pack();
    void report(BuildStep step, const QString &file = QString()) const
    {
        if (m_progress)
            m_progress(step, file);
    }

    const SkinBuildOptions &m_options;
    const Style &m_style;
    const Workspace m_workspace;
    const BuildProgress &m_progress;
    std::optional<iconsheets::CustomSheet> m_customSheet;
    QImage m_sheet;
    QList<QStringList> m_windowFiles;
    bool m_wroteFloatingWindow = false;
    QStringList m_warnings;
};

BuildResult BuildRun::run()
{
    BuildResult result;
    result.message = checkOptions();
    if (!result.message.isEmpty())
        return result;
    result.message = m_workspace.reset(); // a run that was cut short may have left files behind
    if (result.message.isEmpty())
        result.message = work();
    m_workspace.reset();
    Workspace::emptyFolder(m_workspace.tempIcons());
    result.ok = result.message.isEmpty();
    if (result.ok) {
        result.outputPath = m_options.outputPath;
        result.warnings = m_warnings;
    }
    return result;
}

QString BuildRun::checkOptions() const
{
    if (m_options.selectedSkinFile.isEmpty())
        return QStringLiteral("You have not selected a skin");
    if (m_options.outputPath.isEmpty())
        return QStringLiteral("No name was given for the new skin");
    const QString nameProblem = outputname::problem(QFileInfo(m_options.outputPath).fileName());
    if (!nameProblem.isEmpty())
        return nameProblem;
    // The work folders are wiped recursively: never let them resolve against an unknown place.
    if (!QDir::isAbsolutePath(m_workspace.root()))
        return QStringLiteral("The work folder \"%1\" is not an absolute path").arg(m_workspace.root());
    return {};
}

QString BuildRun::work()
{
    using Stage = QString (BuildRun::*)();
    for (const Stage stage : {&BuildRun::importIcons, &BuildRun::unpackSkin, &BuildRun::unpackWindows,
                              &BuildRun::rewriteAll, &BuildRun::addFloatingBrowserImage, &BuildRun::pack}) {
        const QString error = (this->*stage)();
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString BuildRun::unpackSkin()
{
    report(BuildStep::Unpack, m_options.selectedSkinFile);
    const QString error = archive::extract(m_options.selectedSkinFile, m_workspace.temp());
    if (error.isEmpty() && Workspace::xmlFiles(m_workspace.temp()).isEmpty())
        return noXmlFilesMessage;
    return error;
}

QString BuildRun::importIcons()
{
    if (m_options.iconSet != IconSet::FromOtherSkin) {
        m_sheet = iconsheets::builtInSheet(m_options.iconSet);
        return {};
    }
    if (m_options.iconSkinFile.isEmpty()) {
        m_warnings << QStringLiteral(
            "No skin was chosen to take custom icons from; the browser keeps its icons");
        return {};
    }
    report(BuildStep::ImportIcons, m_options.iconSkinFile);
    const QString folder = m_workspace.tempIcons();
    const QString error = archive::extract(m_options.iconSkinFile, folder);
    if (!error.isEmpty())
        return error;
    m_customSheet = iconsheets::findDeclaration(folder);
    if (m_customSheet)
        m_sheet = iconsheets::cut(*m_customSheet, folder);
    if (m_sheet.isNull()) {
        m_customSheet.reset();
        m_warnings << QStringLiteral(
                          "\"%1\" holds no usable custom browser icons; the browser keeps its icons")
                          .arg(QFileInfo(m_options.iconSkinFile).fileName());
    } else if (!m_sheet.save(m_workspace.customIconsImage(), "PNG")) {
        m_warnings << QStringLiteral("The cut icon sheet could not be kept as \"%1\"")
                          .arg(QDir::toNativeSeparators(m_workspace.customIconsImage()));
    }
    Workspace::emptyFolder(folder);
    return {};
}

QString BuildRun::unpackWindows()
{
    if (!m_options.importWindows || m_options.windowSkinFile.isEmpty())
        return {};
    report(BuildStep::UnpackWindows, m_options.windowSkinFile);
    const QString error = archive::extract(m_options.windowSkinFile, m_workspace.tempWindows());
    if (!error.isEmpty())
        return error;
    m_windowFiles = sourcescan::xmlFileLines(m_workspace.tempWindows());
    if (sourcescan::windowNames(m_windowFiles).isEmpty()) {
        m_windowFiles.clear();
        m_warnings << QStringLiteral("\"%1\" does not contain any floating windows; none were added")
                          .arg(QFileInfo(m_options.windowSkinFile).fileName());
    }
    return {};
}

QString BuildRun::rewriteAll()
{
    SkinImages images(m_workspace, m_options, m_style, m_sheet,
                      [this](const QString &image) { report(BuildStep::PaintImage, image); });
    const RewriteContext context{m_options, m_style, m_customSheet, m_windowFiles,
                                 [&images](const QString &image) { return images.height(image); }};
    const QDir temp(m_workspace.temp());
    for (const QString &name : Workspace::xmlFiles(temp.path())) {
        report(BuildStep::Rewrite, name);
        QStringList lines;
        if (!textlines::read(temp.filePath(name), lines)) {
            m_warnings << QStringLiteral("\"%1\" could not be read and was left out").arg(name);
            continue;
        }
        const QString baseName = QFileInfo(name).completeBaseName();
        const RewrittenXml xml = rewriteSkinXml(lines, baseName, context);
        m_wroteFloatingWindow = m_wroteFloatingWindow || xml.wroteFloatingWindow;
        QString error = textlines::write(QDir(m_workspace.skin()).filePath(name), xml.lines);
        if (error.isEmpty()) {
            const QString image = xml.imageName.isEmpty() ? baseName + QLatin1String(".png") : xml.imageName;
            error = images.update(image, xml.pluginRow, m_warnings);
        }
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString BuildRun::addFloatingBrowserImage()
{
    const QString target = QDir(m_workspace.skin()).filePath(floatingImageName);
    if (m_options.floatBrowser && m_options.changeColours) {
        report(BuildStep::PaintFloatingBrowser, floatingImageName);
        if (!imagecompositor::floatingBrowserImage(m_style).save(target, "PNG"))
            return QStringLiteral("Cannot write the image \"%1\"").arg(QDir::toNativeSeparators(target));
    } else if (m_wroteFloatingWindow && !QFile::exists(target)) {
        if (!QFile::copy(QStringLiteral(":/new/images/myfiles/browserfloat.png"), target))
            return QStringLiteral("Cannot write the image \"%1\"").arg(QDir::toNativeSeparators(target));
        // Copies of resources are read-only; the work folder must stay removable.
        QFile::setPermissions(target,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return {};
}

QString BuildRun::pack()
{
    report(BuildStep::GatherImages);
    // The window skin's images go first, so they win over the skin's namesakes.
    if (!m_windowFiles.isEmpty())
        Workspace::moveImages(m_workspace.tempWindows(), m_workspace.skin());
    Workspace::moveImages(m_workspace.temp(), m_workspace.skin());
    Workspace::replaceImages(m_workspace.temp2(), m_workspace.skin());
    report(BuildStep::Pack, m_options.outputPath);
    return archive::pack(m_workspace.skin(), m_options.outputPath);
}

} // namespace

BuildResult SkinBuilder::build(const SkinBuildOptions &options, const Style &style,
                               const QString &workspaceRoot, const BuildProgress &progress)
{
    return BuildRun(options, style, workspaceRoot, progress).run();
}
