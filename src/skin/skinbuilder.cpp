#include "skin/skinbuilder.h"

#include "skin/archive/archive.h"
#include "skin/archive/archiveentry.h"
#include "skin/images/iconsheets.h"
#include "skin/images/imagecompositor.h"
#include "skin/images/skinimages.h"
#include "skin/layout/buildmarks.h"
#include "skin/layout/linetext.h"
#include "skin/layout/sourcescan.h"
#include "skin/layout/textlines.h"
#include "skin/layout/xmlrewriter.h"
#include "skin/outputname.h"
#include "skin/workspace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <new>

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
    void importWindowImages();
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
    std::unique_ptr<archive::Unpacker> m_skinArchive; // the selected skin, unpacked as far as needed
    std::optional<iconsheets::CustomSheet> m_customSheet;
    QImage m_sheet;
    QList<QStringList> m_windowFiles;
    QStringList m_addedBefore; // entries an earlier build added to the selected skin
    QStringList m_addedNow;    // entries this build adds
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
    const QFileInfo output(m_options.outputPath);
    const QString nameProblem = outputname::problem(output.fileName());
    if (!nameProblem.isEmpty())
        return nameProblem;
    // Renaming the new archive over a device or a pipe would replace it, even /dev/null.
    if (output.exists() && !output.isFile())
        return QStringLiteral("\"%1\" is not a regular file; choose a new name or an existing skin archive")
            .arg(QDir::toNativeSeparators(m_options.outputPath));
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
    // Only the layouts now and the images they name later (SkinImages) are read; every other
    // entry goes from the input archive into the new one as it is stored.
    m_skinArchive = std::make_unique<archive::Unpacker>(m_options.selectedSkinFile, m_workspace.temp());
    QString error = m_skinArchive->check();
    if (error.isEmpty())
        error = m_skinArchive->unpack([](const QString &path) {
            return !path.contains(QLatin1Char('/')) &&
                   path.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
        });
    if (error.isEmpty() && Workspace::xmlFiles(m_workspace.temp()).isEmpty())
        return noXmlFilesMessage;
    for (const QStringList &lines : sourcescan::xmlFileLines(m_workspace.temp()))
        m_addedBefore += buildmarks::addedFiles(lines);
    const bool ownFloatingImage =
        m_skinArchive->holds(floatingImageName) && !m_addedBefore.contains(floatingImageName);
    if (m_options.floatBrowser && (m_options.changeColours || !ownFloatingImage))
        m_addedNow << floatingImageName;
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
    } else {
        const QString error = imagecompositor::writePng(m_sheet, m_workspace.customIconsImage());
        if (!error.isEmpty())
            m_warnings << error;
    }
    Workspace::emptyFolder(folder);
    return {};
}

QString BuildRun::unpackWindows()
{
    if (!m_options.importWindows)
        return {};
    if (m_options.windowSkinFile.isEmpty()) {
        m_warnings << QStringLiteral("No skin with floating windows was chosen; none were added");
        return {};
    }
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
    importWindowImages();
    return {};
}

QString BuildRun::rewriteAll()
{
    SkinImages images(
        m_workspace, m_options, m_style, m_sheet,
        [this](const QString &image) { report(BuildStep::PaintImage, image); }, m_skinArchive->files(),
        [this](const QString &path) {
            return m_skinArchive->unpack([&path](const QString &entry) { return entry == path; });
        });
    const RewriteContext context{m_options,
                                 m_style,
                                 m_customSheet,
                                 m_windowFiles,
                                 [&images](const QString &image) { return images.height(image); },
                                 m_addedNow};
    const QDir temp(m_workspace.temp());
    for (const QString &name : Workspace::xmlFiles(temp.path())) {
        report(BuildStep::Rewrite, name);
        const textlines::TextFile file = textlines::read(temp.filePath(name));
        const QString problem =
            QStringLiteral("The layout \"%1\" %2").arg(archive::printable(name), file.problem);
        if (file.refused)
            return problem + QStringLiteral("; it was refused");
        if (!file.problem.isEmpty()) {
            m_warnings << problem + QStringLiteral("; it was left as it is");
            continue;
        }
        const QStringList &lines = file.lines;
        const RewrittenXml xml = rewriteSkinXml(lines, QFileInfo(name).completeBaseName(), context);
        if (!xml.error.isEmpty())
            return QStringLiteral("The layout \"%1\" %2 when rewritten; it was refused")
                .arg(archive::printable(name), xml.error);
        if (!images.refusal().isEmpty())
            return images.refusal();
        m_wroteFloatingWindow = m_wroteFloatingWindow || xml.wroteFloatingWindow;
        // An unchanged file keeps its exact bytes: the archive copies it as it was.
        QString error = xml.lines == lines
                            ? QString()
                            : textlines::write(QDir(m_workspace.skin()).filePath(name), xml.lines, file);
        // A file without a <skin line names no image of its own: painting one would hit a shared image.
        if (error.isEmpty() && !xml.imageName.isEmpty()) {
            const bool grows = !m_sheet.isNull() || m_options.changeColours;
            const QString problem = images.problem(xml.imageName);
            if (grows && !problem.isEmpty() && !m_warnings.contains(problem))
                m_warnings << problem;
            error = images.update(xml.imageName, xml.pluginRow, xml.grownFrom);
        }
        if (!error.isEmpty())
            return error;
    }
    return images.finish();
}

QString BuildRun::addFloatingBrowserImage()
{
    const QString target = QDir(m_workspace.skin()).filePath(floatingImageName);
    if (m_options.floatBrowser && m_options.changeColours) {
        report(BuildStep::PaintFloatingBrowser, floatingImageName);
        const QString error =
            imagecompositor::writePng(imagecompositor::floatingBrowserImage(m_style), target);
        if (!error.isEmpty())
            return error;
    } else if (m_wroteFloatingWindow && m_addedNow.contains(floatingImageName)) {
        QFile resource(imagecompositor::floatingBrowserPath);
        if (!resource.copy(target))
            return imagecompositor::cannotWrite(target, resource.errorString());
        // Copies of resources are read-only; the work folder must stay removable.
        QFile::setPermissions(target,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return {};
}

// The images the imported windows name go in beside the skin's own files, never over them.
void BuildRun::importWindowImages()
{
    QStringList names;
    QSet<QString> seen;
    for (const QString &line : sourcescan::windowElements(m_windowFiles)) {
        bool named = false;
        const QString name = linetext::valueAfter(line, QStringLiteral(" image=\""), &named);
        const auto path = archive::safeRelativePath(name);
        if (named && path && !path->isEmpty() && !seen.contains(*path)) {
            seen.insert(*path);
            names << *path;
        }
    }
    for (const QString &name : qAsConst(names)) {
        const QString from = QDir(m_workspace.tempWindows()).filePath(name);
        if (!QFileInfo(from).isFile())
            continue;
        if (m_skinArchive->holds(name) && !m_addedBefore.contains(name)) {
            m_warnings << QStringLiteral("The skin's own \"%1\" was kept; the imported windows expect the "
                                         "image of that name from \"%2\"")
                              .arg(archive::printable(name), QFileInfo(m_options.windowSkinFile).fileName());
            continue;
        }
        const QString to = QDir(m_workspace.skin()).filePath(name);
        QDir().mkpath(QFileInfo(to).path());
        QFile::rename(from, to);
        m_addedNow << name;
    }
}

QString BuildRun::pack()
{
    m_skinArchive.reset(); // the new archive may replace it
    report(BuildStep::GatherImages);
    Workspace::replaceFiles(m_workspace.temp2(), m_workspace.skin());
    report(BuildStep::Pack, m_options.outputPath);
    QSet<QString> dropped(m_addedBefore.begin(), m_addedBefore.end());
    dropped.subtract(QSet<QString>(m_addedNow.begin(), m_addedNow.end()));
    return archive::repack(m_options.selectedSkinFile, m_workspace.skin(), m_options.outputPath, dropped);
}

} // namespace

BuildResult SkinBuilder::build(const SkinBuildOptions &options, const Style &style,
                               const QString &workspaceRoot, const BuildProgress &progress)
{
    try {
        return BuildRun(options, style, workspaceRoot, progress).run();
    } catch (const std::bad_alloc &) {
        // Every size read from a skin is bounded, so this is a machine short of memory. The next
        // build starts by clearing the work folders.
        BuildResult result;
        result.message = QStringLiteral("There was not enough memory to build the skin");
        return result;
    }
}
