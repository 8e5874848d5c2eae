// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/skinbuilder.h"

#include "platform/systemerror.h"
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
#include "skin/undoplan.h"
#include "skin/workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <functional>
#include <new>

QString buildStepText(BuildStep step, const QString &file)
{
    switch (step) {
    case BuildStep::ImportIcons:
        return QCoreApplication::translate("skinbuilder", "Importing custom icons from %1").arg(file);
    case BuildStep::Unpack:
        return QCoreApplication::translate("skinbuilder", "Unpacking %1").arg(file);
    case BuildStep::UnpackWindows:
        return QCoreApplication::translate("skinbuilder", "Unpacking floating windows from %1").arg(file);
    case BuildStep::Rewrite:
        return QCoreApplication::translate("skinbuilder", "Rewriting %1").arg(file);
    case BuildStep::PaintImage:
    case BuildStep::PaintFloatingBrowser:
        return QCoreApplication::translate("skinbuilder", "Painting %1").arg(file);
    case BuildStep::Pack:
        return QCoreApplication::translate("skinbuilder", "Packing %1").arg(file);
    }
    return {};
}

namespace {

// A layout of the selected skin, read once.
struct Layout
{
    QString name; // in the archive
    layoutfile::LayoutFile file;
    xmltokens::Document document;
};

// The icon sheet appended below each image, and how the host cuts it; none without a sheet.
struct IconSheet
{
    QImage image;
    std::optional<iconsheets::Layout> layout;
};

// What the selected skin holds and what this build does to its entries.
struct SelectedSkin
{
    QList<Layout> layouts;
    undoplan::Plan undo; // what an earlier build did that this one takes back
    QStringList added;   // the entries this build adds
    QString floatingImage = QStringLiteral("browserfloat.png"); // the floating browser's picture
};

// The skin images the layouts name, measured.
struct Images
{
    ImageTable table;
    skinimages::CodedImages coded;
};

// The layouts rewritten a first time: the images to paint, and which layouts are written.
struct Rewrites
{
    QVector<ImageJob> jobs;
    QVector<bool> written;               // by layout
    bool namesAdditions = false;         // a layout written names what the build adds
    QVector<pngwriter::Written> painted; // by job, once painted
};

// The build as one line: each stage takes what the ones before it found, as values, and returns
// whether the build goes on or why it stops. Nothing calls back up the line.
class BuildRun
{
    Q_DECLARE_TR_FUNCTIONS(BuildRun)

public:
    BuildRun(const SkinBuildOptions &options, const Style &style, const QString &root,
             const BuildProgress &progress, const std::atomic_bool *stopRequested)
        : m_options(options), m_style(style), m_workspace(root), m_progress(progress),
          m_stopRequested(stopRequested)
    {
    }

    BuildResult run();

private:
    Result<void> checkOptions() const;
    Result<void> work();
    Result<void> importIcons(IconSheet &sheet);
    Result<void> importWindows(sourcescan::Windows &windows);
    Result<void> readSkin(SelectedSkin &skin);
    undoplan::Plan planUndo(const QList<Layout> &layouts, const QStringList &unread);
    QString entryNamed(const QString &name) const;
    Result<void> addWindowImages(const sourcescan::Windows &windows, SelectedSkin &skin);
    Result<void> addFloatingBrowserImage(SelectedSkin &skin);
    Result<void> measureImages(const SelectedSkin &skin, const IconSheet &sheet, Images &images);
    struct Encoded
    {
        std::optional<QByteArray> data;
        Result<void> rewritable; // fails when the layout cannot be written
        bool undoneOnly = false; // only what an earlier build added was taken out
    };
    Encoded encode(const Layout &layout, const RewriteContext &context, QVector<ImageJob> *jobs);
    Result<void> planRewrites(const SelectedSkin &skin, const RewriteContext &context, Rewrites &rewrites);
    Result<void> dropUnnamedAdditions(const Rewrites &rewrites, SelectedSkin &skin);
    Result<void> paint(Rewrites &rewrites, const Images &images, const IconSheet &sheet);
    Result<void> writeLayouts(const SelectedSkin &skin, const Images &images, RewriteContext context,
                              const Rewrites &rewrites);
    Result<void> pack(const SelectedSkin &skin);
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
    const std::atomic_bool *m_stopRequested;
    bool m_stopped = false;
    std::unique_ptr<archive::Unpacker> m_skinArchive; // the selected skin, unpacked as far as needed
    QStringList m_warnings;
};

BuildResult BuildRun::run()
{
    BuildResult result;
    if (const Result<void> usable = checkOptions(); !usable) {
        result.message = usable.error();
        return result;
    }
    Result<void> built = m_workspace.reset(); // a run that was cut short may have left files behind
    if (built)
        built = work();
    m_skinArchive.reset();
    // What cannot be emptied now goes with the caller's temporary folder.
    static_cast<void>(m_workspace.reset());
    static_cast<void>(Workspace::emptyFolder(m_workspace.iconSkin()));
    result.stopped = m_stopped;
    result.ok = bool(built) && !m_stopped;
    if (result.ok) {
        result.outputPath = m_options.outputPath;
        result.warnings = m_warnings;
    } else if (!built) {
        result.message = built.error();
    }
    return result;
}

Result<void> BuildRun::checkOptions() const
{
    if (const auto problem = ::checkOptions(m_options))
        return Failure{problem->message};
    // The work folders are wiped recursively: never let them resolve against an unknown place.
    if (!QDir::isAbsolutePath(m_workspace.root()))
        return Failure{
            QCoreApplication::translate("skinbuilder", "The work folder \"%1\" is not an absolute path")
                .arg(QDir::toNativeSeparators(m_workspace.root()))};
    return {};
}

Result<void> BuildRun::work()
{
    IconSheet sheet;
    sourcescan::Windows windows;
    SelectedSkin skin;
    Images images;
    Rewrites rewrites;
    // Made once the images are measured; the rewrites read it.
    std::optional<RewriteContext> context;
    const std::function<Result<void>()> stages[] = {
        [&] { return importIcons(sheet); },
        [&] { return importWindows(windows); },
        [&] { return readSkin(skin); },
        [&] { return addWindowImages(windows, skin); },
        // Made before the layouts are rewritten: their marks record what it is.
        [&] { return addFloatingBrowserImage(skin); },
        [&] { return measureImages(skin, sheet, images); },
        [&] {
            context.emplace(RewriteContext{m_options, m_style, sheet.layout, windows.lines, images.table});
            context->floatingImage = skin.floatingImage;
            context->fontsChangedBefore = skin.undo.fontsChanged;
            return planRewrites(skin, *context, rewrites);
        },
        [&] { return dropUnnamedAdditions(rewrites, skin); },
        [&] { return paint(rewrites, images, sheet); },
        // The marks record what the painting wrote.
        [&] { return writeLayouts(skin, images, *context, rewrites); },
        [&] { return pack(skin); },
    };
    for (const auto &stage : stages) {
        // Between stages: once packing has begun, the archive is finished rather than wasted.
        if (m_stopRequested && *m_stopRequested) {
            m_stopped = true;
            return {};
        }
        if (Result<void> done = stage(); !done)
            return done;
    }
    return {};
}

Result<void> BuildRun::importIcons(IconSheet &sheet)
{
    switch (m_options.iconSet) {
    case IconSet::Default:
        return {};
    case IconSet::Alternative:
    case IconSet::White:
        sheet.image = QImage(m_options.iconSet == IconSet::White ? iconsheets::whiteSheetPath
                                                                 : iconsheets::alternativeSheetPath);
        sheet.layout = iconsheets::builtInLayout;
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
    if (Result<void> extracted = archive::extract(m_options.iconSkinFile, folder); !extracted)
        return extracted;
    if (const auto custom =
            sourcescan::findDeclaration(sourcescan::readLayouts(folder, sourcescan::scannedElements()))) {
        const iconsheets::Layout &layout = custom->layout;
        sheet.image = iconsheets::cut(folder, custom->imageName,
                                      QRect(custom->x, custom->y, layout.width(), layout.height()));
        sheet.layout = layout;
    }
    if (sheet.image.isNull()) {
        sheet.layout.reset();
        warn(QCoreApplication::translate(
                 "skinbuilder", "\"%1\" holds no usable custom browser icons; the browser keeps its icons")
                 .arg(QFileInfo(m_options.iconSkinFile).fileName()));
    }
    return Workspace::emptyFolder(folder);
}

Result<void> BuildRun::importWindows(sourcescan::Windows &windows)
{
    if (!m_options.importWindows)
        return {};
    if (m_options.windowSkinFile.isEmpty()) {
        warn(QCoreApplication::translate("skinbuilder",
                                         "No skin with floating windows was chosen; none were added"));
        return {};
    }
    report(BuildStep::UnpackWindows, m_options.windowSkinFile);
    if (Result<void> extracted = archive::extract(m_options.windowSkinFile, m_workspace.windowSkin());
        !extracted)
        return extracted;
    windows =
        sourcescan::windows(sourcescan::readLayouts(m_workspace.windowSkin(), sourcescan::scannedElements()));
    const QString skinName = QFileInfo(m_options.windowSkinFile).fileName();
    if (windows.unfinished > 0)
        warn(QCoreApplication::translate("skinbuilder",
                                         "Floating windows of \"%1\" left out for having no end: %n", nullptr,
                                         windows.unfinished)
                 .arg(skinName));
    if (windows.lines.isEmpty())
        warn(QCoreApplication::translate("skinbuilder",
                                         "\"%1\" does not contain any floating windows; none were added")
                 .arg(skinName));
    return {};
}

Result<void> BuildRun::readSkin(SelectedSkin &skin)
{
    report(BuildStep::Unpack, m_options.selectedSkinFile);
    // Only the layouts now and the images they name later are read; every other entry goes from
    // the input archive into the new one as it is stored.
    m_skinArchive = std::make_unique<archive::Unpacker>(m_options.selectedSkinFile, m_workspace.unpacked());
    if (Result<void> checked = m_skinArchive->check(); !checked)
        return checked;
    if (Result<void> unpacked = m_skinArchive->unpack([](const QString &path) {
            return !path.contains(QLatin1Char('/')) &&
                   path.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
        });
        !unpacked)
        return unpacked;
    const QDir folder(m_workspace.unpacked());
    const QStringList names = layoutfile::layoutNames(folder.path());
    if (names.isEmpty())
        return Failure{noXmlFilesMessage()};
    QStringList unread; // the layouts left as they are
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
            return Failure{QCoreApplication::translate("skinbuilder", "The layout \"%1\" %2; it was refused")
                               .arg(archive::printable(name), problem)};
        if (!problem.isEmpty()) {
            warn(QCoreApplication::translate("skinbuilder", "The layout \"%1\" %2; it was left as it is")
                     .arg(archive::printable(name), problem));
            // It still names files: read as it stands, or byte by byte where it is not text.
            QFile file(archive::workPath(folder.path(), name));
            unread << (!layout.file.text.isEmpty()      ? layout.file.text
                       : file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll())
                                                        : QString());
            continue;
        }
        const auto blocks = buildmarks::blocks(layout.document);
        if (std::any_of(blocks.cbegin(), blocks.cend(),
                        [](const buildmarks::Block &block) { return !block.own; }))
            warn(tr("Lines between an earlier build's marks in \"%1\" are not what that build wrote; they "
                    "were kept")
                     .arg(archive::printable(name)));
        skin.layouts << layout;
    }
    skin.undo = planUndo(skin.layouts, unread);
    // Rewritten names and sizes cannot be told from the skin's own: changed again, sizes would
    // grow on every build.
    if (m_options.globalFont && skin.undo.fontsChanged)
        return Failure{tr("The fonts and text sizes of \"%1\" were changed by an earlier build; choose the "
                          "original skin to change them again")
                           .arg(QFileInfo(m_options.selectedSkinFile).fileName())};
    return {};
}

// The skin's entry a mark or layout names: written exactly as stored, or else ignoring case, as
// the host finds it; empty when there is none.
QString BuildRun::entryNamed(const QString &name) const
{
    const auto path = archive::safeRelativePath(name);
    if (!path || path->isEmpty())
        return {};
    if (m_skinArchive->holds(*path))
        return *path;
    const QStringList files = m_skinArchive->files();
    const auto found = std::find_if(files.cbegin(), files.cend(), [&path](const QString &file) {
        return file.compare(*path, Qt::CaseInsensitive) == 0;
    });
    return found == files.cend() ? QString() : *found;
}

// Worked out whole before anything is added or painted: what the marks claim is proven against
// the entries as the skin holds them.
undoplan::Plan BuildRun::planUndo(const QList<Layout> &layouts, const QStringList &unread)
{
    QVector<const xmltokens::Document *> documents;
    for (const Layout &layout : layouts)
        documents << &layout.document;
    const undoplan::Claims claims = undoplan::claimed(documents);
    const QStringList files = m_skinArchive->files();
    const QSet<QString> entryNames(files.cbegin(), files.cend());
    QHash<QString, QString> entries; // by claimed name
    for (const QString &name : claims.files) {
        if (entryNames.contains(name))
            entries.insert(name, name);
    }
    for (const QString &name : claims.images) {
        const QString entry = entryNamed(name);
        if (!entry.isEmpty())
            entries.insert(name, entry);
    }
    const QSet<QString> wanted(entries.cbegin(), entries.cend());
    const bool unpacked =
        wanted.isEmpty() ||
        bool(m_skinArchive->unpack([&wanted](const QString &entry) { return wanted.contains(entry); }));
    QHash<QString, QString> proofs;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        proofs.insert(it.key(), unpacked ? undoplan::proofOf(archive::workPath(m_workspace.unpacked(), *it))
                                         : QString());
    undoplan::Plan plan = undoplan::make(documents, proofs, unread);
    for (const QString &warning : qAsConst(plan.warnings))
        warn(warning);
    return plan;
}

// The images the imported windows name go in beside the skin's own files, never over them.
Result<void> BuildRun::addWindowImages(const sourcescan::Windows &windows, SelectedSkin &skin)
{
    QStringList names;
    for (const QString &name : windows.images) {
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
        if (!own.isEmpty() && !skin.undo.takenOut.contains(own)) {
            warn(QCoreApplication::translate(
                     "skinbuilder", "The skin's own \"%1\" was kept; the imported windows expect the "
                                    "image of that name from \"%2\"")
                     .arg(archive::printable(own), QFileInfo(m_options.windowSkinFile).fileName()));
            continue;
        }
        if (Result<void> moved = Workspace::move(from, archive::workPath(m_workspace.changed(), name));
            !moved)
            return moved;
        skin.added << name;
    }
    return {};
}

Result<void> BuildRun::measureImages(const SelectedSkin &skin, const IconSheet &sheet, Images &images)
{
    QStringList names;
    for (const Layout &layout : skin.layouts)
        names += skinImageNames(layout.document, QFileInfo(layout.name).completeBaseName());
    names.removeDuplicates();
    const bool grows = sheet.layout || m_options.changeColours;
    ImageTable recorded;
    for (auto height = skin.undo.originalHeights.cbegin(); height != skin.undo.originalHeights.cend();
         ++height) {
        recorded[height.key()].originalHeight = *height;
        recorded[height.key()].browserRows = skin.undo.browserRows.value(height.key());
    }
    skinimages::Measured measured =
        skinimages::measure(names, recorded, !m_options.changeColours, *m_skinArchive, m_workspace.unpacked(),
                            grows || !skin.undo.records.isEmpty());
    if (!measured.read)
        return measured.read;
    for (const QString &name : qAsConst(names)) {
        if (grows)
            warn(skinimages::problem(name, measured.table.value(name)));
    }
    images = {measured.table, measured.coded};
    return {};
}

Result<void> BuildRun::addFloatingBrowserImage(SelectedSkin &skin)
{
    if (!m_options.floatBrowser)
        return {};
    // The skin's own picture of that name stays: with its colours kept, the floating browser uses
    // it. Otherwise the build's picture gets a name no kept or imported file has, as the host
    // finds names, ignoring case.
    const auto kept = [&](const QString &name) {
        const QString entry = entryNamed(name);
        return !entry.isEmpty() && !skin.undo.takenOut.contains(entry);
    };
    const auto imported = [&](const QString &name) { return skin.added.contains(name, Qt::CaseInsensitive); };
    QString &floating = skin.floatingImage;
    if (!m_options.changeColours && kept(floating) && !imported(floating))
        return {};
    for (int n = 1; kept(floating) || imported(floating); ++n)
        floating = QStringLiteral("browserfloat-%1.png").arg(n);
    skin.added << floating;
    const QString target = archive::workPath(m_workspace.changed(), skin.floatingImage);
    if (m_options.changeColours) {
        report(BuildStep::PaintFloatingBrowser, skin.floatingImage);
        return imagecompositor::writePng(imagecompositor::floatingBrowserImage(m_style), target);
    }
    QFile resource(imagecompositor::floatingBrowserPath);
    if (!resource.copy(target))
        return Failure{
            imagecompositor::cannotWrite(target, platform::systemErrorText(resource.errorString()))};
    // Copies of resources are read-only; the work folder must stay removable.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return {};
}

// What a layout's rewrite paints follows from the images alone, while its marks record what the
// painting wrote. So the layouts are rewritten once to find which of them can be written and the
// images they grow, the images are painted, and the layouts are rewritten again, now with the
// proofs of what was painted, and written.

// The rewritten text of a layout, encoded; a failure when it cannot be written, nothing when the
// layout stays as it is.
BuildRun::Encoded BuildRun::encode(const Layout &layout, const RewriteContext &context,
                                   QVector<ImageJob> *jobs)
{
    const RewrittenXml xml =
        rewriteSkinXml(layout.document, QFileInfo(layout.name).completeBaseName(), context);
    const QString tooLarge = xml.error.isEmpty() ? layoutfile::lineProblem(xml.text) : xml.error;
    if (!tooLarge.isEmpty())
        return {{},
                Failure{QCoreApplication::translate("skinbuilder",
                                                    "The layout \"%1\" %2 when rewritten; it was refused")
                            .arg(archive::printable(layout.name), tooLarge)}};
    // An unchanged file keeps its exact bytes: the archive copies it as it was.
    if (xml.text == layout.file.text)
        return {};
    auto data = layoutfile::encode(xml.text, layout.file);
    if (!data && !buildmarks::ownBlocks(layout.document).isEmpty()) {
        // Left as it is, the layout would keep what an earlier build added there and name files
        // this build takes out: it loses those lines, as a build asked to add nothing would do.
        LayoutChoices nothing = context.options;
        nothing.floatBrowser = nothing.globalFont = nothing.changeColours = false;
        RewriteContext bare{nothing, context.style, std::nullopt, {}, context.images};
        bare.grownImages = context.grownImages;
        bare.fontsChangedBefore = context.fontsChangedBefore;
        const RewrittenXml undone =
            rewriteSkinXml(layout.document, QFileInfo(layout.name).completeBaseName(), bare);
        if ((data = layoutfile::encode(undone.text, layout.file))) {
            warn(tr("The layout \"%1\" cannot hold its new text in the encoding %2; only what an earlier "
                    "build added to it was taken out")
                     .arg(archive::printable(layout.name), QString::fromLatin1(layout.file.encoding)));
            if (jobs)
                *jobs += undone.jobs;
            return {data, {}, true};
        }
    }
    if (!data) {
        warn(tr("The layout \"%1\" cannot hold its new text in the encoding %2; it was left as it is")
                 .arg(archive::printable(layout.name), QString::fromLatin1(layout.file.encoding)));
        return {};
    }
    if (jobs)
        *jobs += xml.jobs;
    return {data, {}};
}

Result<void> BuildRun::planRewrites(const SelectedSkin &skin, const RewriteContext &context,
                                    Rewrites &rewrites)
{
    // Copied windows repeat in every layout: the text written is bounded as it is written, by what
    // a skin may unpack to, and the whole new skin once more when it is packed.
    const qint64 budget = archive::Limits().maxUnpackedBytes;
    qint64 size = 0;
    QVector<ImageJob> jobs, undoneJobs;
    QVector<const Layout *> undone; // the layouts that only lost an earlier build's lines
    for (const Layout &layout : skin.layouts) {
        report(BuildStep::Rewrite, layout.name);
        QVector<ImageJob> layoutJobs;
        const Encoded encoded = encode(layout, context, &layoutJobs);
        if (!encoded.rewritable)
            return encoded.rewritable;
        rewrites.written << encoded.data.has_value();
        rewrites.namesAdditions = rewrites.namesAdditions || (encoded.data && !encoded.undoneOnly);
        if (encoded.data && (size += encoded.data->size()) > budget)
            return Failure{
                tr("The rewritten layouts would take more than %1; a skin may unpack to at most that")
                    .arg(QLocale().formattedDataSize(budget, 0, QLocale::DataSizeTraditionalFormat))};
        (encoded.undoneOnly ? undoneJobs : jobs) += layoutJobs;
        if (encoded.undoneOnly)
            undone << &layout;
    }
    // A layout that only lost an earlier build's lines keeps its browsers as that build left them,
    // which may show rows it painted below the picture. Painted anew from fewer rows for the other
    // layouts, the image would lose them: refused, rather than written pointing past the image.
    for (const Layout *layout : qAsConst(undone)) {
        for (const QString &name :
             skinImageNames(layout->document, QFileInfo(layout->name).completeBaseName())) {
            const ImageFacts facts = context.images.value(name);
            const bool losesRows =
                facts.usable() && std::any_of(jobs.cbegin(), jobs.cend(), [&facts](const ImageJob &job) {
                    return job.path == facts.path && job.picture.height() < facts.browserHeight();
                });
            if (losesRows)
                return Failure{tr("The layout \"%1\" cannot hold its new text in the encoding %2, and keeps "
                                  "browsers an earlier build restyled, which show rows of \"%3\" this build "
                                  "paints anew; save the layout as UTF-8 and build again")
                                   .arg(archive::printable(layout->name),
                                        QString::fromLatin1(layout->file.encoding),
                                        archive::printable(name))};
        }
    }
    // The row follows from the image alone, so layouts sharing an image share its work; one that
    // only lost an earlier build's lines paints what no other layout asks for.
    QSet<QString> planned;
    for (const ImageJob &job : qAsConst(jobs += undoneJobs)) {
        if (!planned.contains(job.path)) {
            planned.insert(job.path);
            rewrites.jobs << job;
        }
    }
    return {};
}

// What the build adds is named only by the layouts it rewrites with all it asks: with none written
// so, nothing would name it.
Result<void> BuildRun::dropUnnamedAdditions(const Rewrites &rewrites, SelectedSkin &skin)
{
    if (rewrites.namesAdditions)
        return {};
    for (const QString &name : qAsConst(skin.added)) {
        QFile file(archive::workPath(m_workspace.changed(), name));
        if (!file.remove())
            return Failure{
                archive::cannotWrite(file.fileName(), platform::systemErrorText(file.errorString()))};
    }
    skin.added.clear();
    return {};
}

Result<void> BuildRun::paint(Rewrites &rewrites, const Images &images, const IconSheet &sheet)
{
    for (const ImageJob &job : qAsConst(rewrites.jobs))
        report(BuildStep::PaintImage, job.path);
    return skinimages::paint(rewrites.jobs, images.coded, sheet.image, m_style, m_workspace.unpacked(),
                             m_workspace.changed(), &rewrites.painted);
}

Result<void> BuildRun::writeLayouts(const SelectedSkin &skin, const Images &images, RewriteContext context,
                                    const Rewrites &rewrites)
{
    // What this build adds and grows, each with the proof a later build checks before taking it out.
    for (const QString &name : skin.added)
        context.addedFiles << name + QLatin1Char(':') +
                                  undoplan::proofOf(archive::workPath(m_workspace.changed(), name));
    // A grown image this build leaves as it is stays what the earlier build proved it to be.
    for (auto image = images.table.cbegin(); image != images.table.cend(); ++image) {
        if (skin.undo.grown.contains(image.key()) && !image->path.isEmpty())
            context.grownImages.insert(image->path, skin.undo.grown.value(image.key()));
    }
    for (int i = 0; i < rewrites.jobs.size(); ++i)
        context.grownImages.insert(rewrites.jobs.at(i).path, undoplan::proof(rewrites.painted.at(i).length,
                                                                             rewrites.painted.at(i).crc));
    for (int i = 0; i < skin.layouts.size(); ++i) {
        if (!rewrites.written.at(i))
            continue;
        const Encoded encoded = encode(skin.layouts.at(i), context, nullptr);
        if (!encoded.rewritable)
            return encoded.rewritable;
        if (!encoded.data)
            continue;
        if (Result<void> written = layoutfile::write(
                archive::workPath(m_workspace.changed(), skin.layouts.at(i).name), *encoded.data);
            !written)
            return written;
    }
    return {};
}

Result<void> BuildRun::pack(const SelectedSkin &skin)
{
    report(BuildStep::Pack, m_options.outputPath);
    // What this build adds again goes in where a fresh build puts it, not where the earlier one was.
    return m_skinArchive->repack(m_workspace.changed(), m_options.outputPath, skin.undo.takenOut);
}

} // namespace

BuildResult SkinBuilder::build(const SkinBuildOptions &options, const Style &style,
                               const QString &workspaceRoot, const BuildProgress &progress,
                               const std::atomic_bool *stopRequested)
{
    try {
        return BuildRun(options, style, workspaceRoot, progress, stopRequested).run();
    } catch (const std::bad_alloc &) {
        // Every size read from a skin is bounded, so this is a machine short of memory. The next
        // build starts by clearing the work folders.
        BuildResult result;
        result.message =
            QCoreApplication::translate("skinbuilder", "There was not enough memory to build the skin");
        return result;
    }
}
