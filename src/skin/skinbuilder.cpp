#include "skin/skinbuilder.h"

#include "skin/archive/archive.h"
#include "skin/archive/archiveentry.h"
#include "skin/archive/workpaths.h"
#include "skin/images/iconsheets.h"
#include "skin/images/imagecompositor.h"
#include "skin/images/skinimages.h"
#include "skin/layout/buildmarks.h"
#include "skin/layout/layoutfile.h"
#include "skin/layout/sourcescan.h"
#include "skin/layout/xmlrewriter.h"
#include "skin/outputname.h"
#include "skin/workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <new>
#include <zlib.h>

QString buildStepText(BuildStep step)
{
    switch (step) {
    case BuildStep::ImportIcons:
        return QCoreApplication::translate("skinbuilder", "Importing custom icons from");
    case BuildStep::Unpack:
        return QCoreApplication::translate("skinbuilder", "Unpacking");
    case BuildStep::UnpackWindows:
        return QCoreApplication::translate("skinbuilder", "Unpacking floating windows from");
    case BuildStep::Rewrite:
        return QCoreApplication::translate("skinbuilder", "Rewriting");
    case BuildStep::PaintImage:
    case BuildStep::PaintFloatingBrowser:
        return QCoreApplication::translate("skinbuilder", "Painting");
    case BuildStep::Pack:
        return QCoreApplication::translate("skinbuilder", "Packing");
    }
    return {};
}

namespace {

// The CRC-32 of a file as eight hex digits, as a zip archive records it; empty when unreadable.
QString checksum(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    uLong crc = crc32(0, nullptr, 0);
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(1 << 20);
        crc = crc32(crc, reinterpret_cast<const Bytef *>(chunk.constData()), uInt(chunk.size()));
    }
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0'));
}

// A layout of the selected skin, read once.
struct Layout
{
    QString name; // in the archive
    layoutfile::LayoutFile file;
    xmltokens::Document document;
};

// The build as one line: each stage takes what the ones before it found and returns an empty
// text or why the build stops. Nothing calls back up the line.
class BuildRun
{
    Q_DECLARE_TR_FUNCTIONS(BuildRun)

public:
    BuildRun(const SkinBuildOptions &options, const Style &style, const QString &root,
             const BuildProgress &progress)
        : m_options(options), m_style(style), m_workspace(root), m_progress(progress)
    {
    }

    BuildResult run();

private:
    QString checkOptions() const;
    QString work();
    QString importIcons();
    QString importWindows();
    QString readSkin();
    void verifyAddedBefore();
    QString addWindowImages();
    QString addFloatingBrowserImage();
    QString measureImages();
    QString rewriteLayouts();
    QString paint();
    QString pack();
    void report(BuildStep step, const QString &file = QString()) const
    {
        if (m_progress)
            m_progress(step, file);
    }
    void warn(const QString &warning)
    {
        if (!warning.isEmpty() && !m_warnings.contains(warning))
            m_warnings << warning;
    }

    const SkinBuildOptions &m_options;
    const Style &m_style;
    const Workspace m_workspace;
    const BuildProgress &m_progress;
    QImage m_sheet;                                  // the icon sheet appended below each image
    std::optional<iconsheets::Layout> m_sheetLayout; // how the host cuts it
    sourcescan::Windows m_windows;
    std::unique_ptr<archive::Unpacker> m_skinArchive; // the selected skin, unpacked as far as needed
    QList<Layout> m_layouts;
    QStringList m_marks;       // what earlier builds recorded in the layouts
    QStringList m_addedBefore; // entries an earlier build added to the selected skin
    QStringList m_addedNow;    // entries this build adds
    QString m_floatingImage = QStringLiteral("browserfloat.png"); // the floating browser's picture
    ImageTable m_images;
    skinimages::CodedImages m_coded;
    QVector<ImageJob> m_jobs;
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
    m_skinArchive.reset();
    m_workspace.reset();
    Workspace::emptyFolder(m_workspace.iconSkin());
    result.ok = result.message.isEmpty();
    if (result.ok) {
        result.outputPath = m_options.outputPath;
        result.warnings = m_warnings;
    }
    return result;
}

QString BuildRun::checkOptions() const
{
    if (const auto problem = ::checkOptions(m_options))
        return problem->message;
    // The work folders are wiped recursively: never let them resolve against an unknown place.
    if (!QDir::isAbsolutePath(m_workspace.root()))
        return QCoreApplication::translate("skinbuilder", "The work folder \"%1\" is not an absolute path")
            .arg(QDir::toNativeSeparators(m_workspace.root()));
    return {};
}

QString BuildRun::work()
{
    using Stage = QString (BuildRun::*)();
    for (const Stage stage :
         {&BuildRun::importIcons, &BuildRun::importWindows, &BuildRun::readSkin, &BuildRun::addWindowImages,
          &BuildRun::addFloatingBrowserImage, &BuildRun::measureImages, &BuildRun::rewriteLayouts,
          &BuildRun::paint, &BuildRun::pack}) {
        const QString error = (this->*stage)();
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString BuildRun::importIcons()
{
    switch (m_options.iconSet) {
    case IconSet::Default:
        return {};
    case IconSet::Alternative:
    case IconSet::White:
        m_sheet = QImage(m_options.iconSet == IconSet::White ? iconsheets::whiteSheetPath
                                                             : iconsheets::alternativeSheetPath);
        m_sheetLayout = iconsheets::builtInLayout;
        return {};
    case IconSet::FromOtherSkin:
        break;
    }
    if (m_options.iconSkinFile.isEmpty()) {
        warn(QCoreApplication::translate(
            "skinbuilder", "No skin was chosen to take custom icons from; the browser keeps its icons"));
        return {};
    }
    report(BuildStep::ImportIcons, m_options.iconSkinFile);
    const QString folder = m_workspace.iconSkin();
    const QString error = archive::extract(m_options.iconSkinFile, folder);
    if (!error.isEmpty())
        return error;
    if (const auto custom =
            sourcescan::findDeclaration(sourcescan::readLayouts(folder, sourcescan::scannedElements()))) {
        const iconsheets::Layout &layout = custom->layout;
        m_sheet = iconsheets::cut(folder, custom->imageName,
                                  QRect(custom->x, custom->y, layout.width(), layout.height()));
        m_sheetLayout = layout;
    }
    if (m_sheet.isNull()) {
        m_sheetLayout.reset();
        warn(QCoreApplication::translate(
                 "skinbuilder", "\"%1\" holds no usable custom browser icons; the browser keeps its icons")
                 .arg(QFileInfo(m_options.iconSkinFile).fileName()));
    }
    return Workspace::emptyFolder(folder);
}

QString BuildRun::importWindows()
{
    if (!m_options.importWindows)
        return {};
    if (m_options.windowSkinFile.isEmpty()) {
        warn(QCoreApplication::translate("skinbuilder",
                                         "No skin with floating windows was chosen; none were added"));
        return {};
    }
    report(BuildStep::UnpackWindows, m_options.windowSkinFile);
    const QString error = archive::extract(m_options.windowSkinFile, m_workspace.windowSkin());
    if (!error.isEmpty())
        return error;
    m_windows =
        sourcescan::windows(sourcescan::readLayouts(m_workspace.windowSkin(), sourcescan::scannedElements()));
    const QString skinName = QFileInfo(m_options.windowSkinFile).fileName();
    if (m_windows.unfinished > 0)
        warn(QCoreApplication::translate("skinbuilder",
                                         "Floating windows of \"%1\" left out for having no end: %n", nullptr,
                                         m_windows.unfinished)
                 .arg(skinName));
    if (m_windows.lines.isEmpty())
        warn(QCoreApplication::translate("skinbuilder",
                                         "\"%1\" does not contain any floating windows; none were added")
                 .arg(skinName));
    return {};
}

QString BuildRun::readSkin()
{
    report(BuildStep::Unpack, m_options.selectedSkinFile);
    // Only the layouts now and the images they name later are read; every other entry goes from
    // the input archive into the new one as it is stored.
    m_skinArchive = std::make_unique<archive::Unpacker>(m_options.selectedSkinFile, m_workspace.unpacked());
    QString error = m_skinArchive->check();
    if (error.isEmpty())
        error = m_skinArchive->unpack([](const QString &path) {
            return !path.contains(QLatin1Char('/')) &&
                   path.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
        });
    if (!error.isEmpty())
        return error;
    const QDir folder(m_workspace.unpacked());
    const QStringList names = layoutfile::layoutNames(folder.path());
    if (names.isEmpty())
        return noXmlFilesMessage();
    for (const QString &name : names) {
        Layout layout{name, layoutfile::read(archive::workPath(folder.path(), name)), {}};
        QString problem = layout.file.problem;
        bool refused = layout.file.refused;
        if (problem.isEmpty()) {
            layout.document = xmltokens::read(layout.file.text, rewrittenElements());
            problem = layout.document.error;
            refused = layout.document.refused;
        }
        // The problem reads as what follows the layout's name.
        if (refused)
            return QCoreApplication::translate("skinbuilder", "The layout \"%1\" %2; it was refused")
                .arg(archive::printable(name), problem);
        if (!problem.isEmpty()) {
            warn(QCoreApplication::translate("skinbuilder", "The layout \"%1\" %2; it was left as it is")
                     .arg(archive::printable(name), problem));
            continue;
        }
        m_marks += buildMarkTexts(layout.document);
        m_layouts << layout;
    }
    verifyAddedBefore();
    // Rewritten names and sizes cannot be told from the skin's own: changed again, sizes would
    // grow on every build.
    if (m_options.globalFont && buildmarks::fontsChanged(m_marks))
        return tr("The fonts and text sizes of \"%1\" were changed by an earlier build; choose the "
                  "original skin to change them again")
            .arg(QFileInfo(m_options.selectedSkinFile).fileName());
    // The skin's own picture of that name stays: with its colours kept, the floating browser uses
    // it; otherwise the build's picture gets a name of its own beside it.
    const bool ownFloatingImage =
        m_skinArchive->holds(m_floatingImage) && !m_addedBefore.contains(m_floatingImage);
    if (m_options.floatBrowser && m_options.changeColours) {
        for (int n = 1; m_skinArchive->holds(m_floatingImage) && !m_addedBefore.contains(m_floatingImage);
             ++n)
            m_floatingImage = QStringLiteral("browserfloat-%1.png").arg(n);
    }
    if (m_options.floatBrowser && (m_options.changeColours || !ownFloatingImage))
        m_addedNow << m_floatingImage;
    return {};
}

// A mark is only text in a layout: an entry it names is taken out again only when its bytes are
// the ones the earlier build recorded beside the name.
void BuildRun::verifyAddedBefore()
{
    for (const QString &record : buildmarks::addedFiles(m_marks)) {
        const int colon = record.lastIndexOf(QLatin1Char(':'));
        const QString name = record.left(colon);
        if (!m_skinArchive->holds(name) || m_addedBefore.contains(name))
            continue;
        const bool unpacked =
            colon > 0 &&
            m_skinArchive->unpack([&name](const QString &entry) { return entry == name; }).isEmpty();
        if (unpacked && checksum(archive::workPath(m_workspace.unpacked(), name)) == record.mid(colon + 1))
            m_addedBefore << name;
        else
            warn(QCoreApplication::translate(
                     "skinbuilder",
                     "The layouts name \"%1\" as added by an earlier build, but it is not what "
                     "that build wrote; it was kept")
                     .arg(archive::printable(name)));
    }
}

// The images the imported windows name go in beside the skin's own files, never over them.
QString BuildRun::addWindowImages()
{
    QStringList names;
    for (const QString &name : qAsConst(m_windows.images)) {
        const auto path = archive::safeRelativePath(name);
        if (path && !path->isEmpty() && !names.contains(*path))
            names << *path;
    }
    const QStringList skinFiles = m_skinArchive->files();
    for (const QString &name : qAsConst(names)) {
        const QString from = archive::workPath(m_workspace.windowSkin(), name);
        if (!QFileInfo(from).isFile())
            continue;
        // The host finds names ignoring case: a namesake in another case clashes all the same, and
        // so does a folder of the skin.
        const auto clash = std::find_if(skinFiles.cbegin(), skinFiles.cend(), [&name](const QString &file) {
            return file.compare(name, Qt::CaseInsensitive) == 0;
        });
        const QString own = clash != skinFiles.cend()    ? *clash
                            : m_skinArchive->holds(name) ? name
                                                         : QString();
        if (!own.isEmpty() && !m_addedBefore.contains(own)) {
            warn(QCoreApplication::translate(
                     "skinbuilder", "The skin's own \"%1\" was kept; the imported windows expect the "
                                    "image of that name from \"%2\"")
                     .arg(archive::printable(own), QFileInfo(m_options.windowSkinFile).fileName()));
            continue;
        }
        const QString error = Workspace::move(from, archive::workPath(m_workspace.changed(), name));
        if (!error.isEmpty())
            return error;
        m_addedNow << name;
    }
    return {};
}

QString BuildRun::measureImages()
{
    QStringList names;
    for (const Layout &layout : qAsConst(m_layouts))
        names += skinImageNames(layout.document, QFileInfo(layout.name).completeBaseName());
    names.removeDuplicates();
    const bool grows = m_sheetLayout || m_options.changeColours;
    const buildmarks::OriginalHeights marked(m_marks);
    QHash<QString, int> originalHeights;
    for (const QString &name : qAsConst(names))
        originalHeights.insert(name, marked.of(name));
    skinimages::Measured measured = skinimages::measure(names, originalHeights, *m_skinArchive,
                                                        m_workspace.unpacked(), grows || !m_marks.isEmpty());
    if (!measured.refusal.isEmpty())
        return measured.refusal;
    for (const QString &name : qAsConst(names)) {
        if (grows)
            warn(skinimages::problem(name, measured.table.value(name)));
    }
    m_images = measured.table;
    m_coded = measured.coded;
    return {};
}

// Made before the layouts are rewritten: their marks record its checksum.
QString BuildRun::addFloatingBrowserImage()
{
    if (!m_options.floatBrowser || !m_addedNow.contains(m_floatingImage))
        return {};
    const QString target = archive::workPath(m_workspace.changed(), m_floatingImage);
    if (m_options.changeColours) {
        report(BuildStep::PaintFloatingBrowser, m_floatingImage);
        return imagecompositor::writePng(imagecompositor::floatingBrowserImage(m_style), target);
    }
    QFile resource(imagecompositor::floatingBrowserPath);
    if (!resource.copy(target))
        return imagecompositor::cannotWrite(target, resource.errorString());
    // Copies of resources are read-only; the work folder must stay removable.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return {};
}

QString BuildRun::rewriteLayouts()
{
    // What this build adds, each with the checksum a later build checks before taking it out.
    QStringList added;
    for (const QString &name : qAsConst(m_addedNow))
        added << name + QLatin1Char(':') + checksum(archive::workPath(m_workspace.changed(), name));
    const RewriteContext context{m_options, m_style, m_sheetLayout,  m_windows.lines,
                                 m_images,  added,   m_floatingImage};
    QSet<QString> planned;
    // Copied windows repeat in every layout: the text written is bounded as it is written, by what
    // a skin may unpack to, and the whole new skin once more when it is packed.
    const qint64 budget = archive::Limits().maxUnpackedBytes;
    qint64 written = 0;
    for (const Layout &layout : qAsConst(m_layouts)) {
        report(BuildStep::Rewrite, layout.name);
        const RewrittenXml xml =
            rewriteSkinXml(layout.document, QFileInfo(layout.name).completeBaseName(), context);
        const QString tooLarge = xml.error.isEmpty() ? layoutfile::lineProblem(xml.text) : xml.error;
        if (!tooLarge.isEmpty())
            return QCoreApplication::translate("skinbuilder",
                                               "The layout \"%1\" %2 when rewritten; it was refused")
                .arg(archive::printable(layout.name), tooLarge);
        // An unchanged file keeps its exact bytes: the archive copies it as it was.
        if (xml.text != layout.file.text) {
            const auto data = layoutfile::encode(xml.text, layout.file);
            if (!data) {
                warn(tr("The layout \"%1\" cannot hold its new text in the encoding %2; it was left as it is")
                         .arg(archive::printable(layout.name), QString::fromLatin1(layout.file.encoding)));
                continue;
            }
            if ((written += data->size()) > budget)
                return tr("The rewritten layouts would take more than %1; a skin may unpack to at most that")
                    .arg(QLocale().formattedDataSize(budget, 0, QLocale::DataSizeTraditionalFormat));
            const QString error =
                layoutfile::write(archive::workPath(m_workspace.changed(), layout.name), *data);
            if (!error.isEmpty())
                return error;
        }
        // The row follows from the image alone, so layouts sharing an image share its work.
        for (const ImageJob &job : xml.jobs) {
            if (!planned.contains(job.path)) {
                planned.insert(job.path);
                m_jobs << job;
            }
        }
    }
    return {};
}

QString BuildRun::paint()
{
    for (const ImageJob &job : qAsConst(m_jobs))
        report(BuildStep::PaintImage, job.path);
    return skinimages::paint(m_jobs, m_coded, m_sheet, m_style, m_workspace.unpacked(),
                             m_workspace.changed());
}

QString BuildRun::pack()
{
    report(BuildStep::Pack, m_options.outputPath);
    QSet<QString> dropped(m_addedBefore.begin(), m_addedBefore.end());
    dropped.subtract(QSet<QString>(m_addedNow.begin(), m_addedNow.end()));
    return m_skinArchive->repack(m_workspace.changed(), m_options.outputPath, dropped);
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
        result.message =
            QCoreApplication::translate("skinbuilder", "There was not enough memory to build the skin");
        return result;
    }
}
