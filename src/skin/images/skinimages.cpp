// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/images/skinimages.h"

#include "skin/archive/archive.h"
#include "skin/archive/archiveentry.h"
#include "skin/archive/workpaths.h"
#include "skin/images/codedrows.h"
#include "skin/images/imagecompositor.h"
#include "skin/images/imagelimits.h"
#include "support/helperthreads.h"
#include "support/writefailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <algorithm>
#include <new>

namespace skinimages {
namespace {

// Enough for a PNG's size, and for the chunks a decoder reads before it.
constexpr qint64 headBytes = 64 * 1024;

Result<void> paintOne(const ImageJob &job, const CodedImages &coded, const QImage &sheet, const Style &style,
                      const QString &from, const QString &to, pngwriter::Written *written)
{
    // An exception must not leave a pool thread: it would end the process.
    try {
        const QString source = archive::workPath(from, job.path);
        const QString target = archive::workPath(to, job.path);
        if (Result<void> made = makeFolder(QFileInfo(target).path()); !made)
            return made;
        const auto found = coded.constFind(job.path);
        if (found != coded.cend()) {
            if (const auto outcome = imagecompositor::writeCarriedOver(source, *found, job.picture, sheet,
                                                                       job.pluginRow, style, target, written))
                return *outcome;
        }
        QString problem;
        const QImage changed =
            imagecompositor::composeFile(source, job.picture, sheet, job.pluginRow, style, &problem);
        if (changed.isNull())
            return Failure{QCoreApplication::translate("skinimages", "The skin image \"%1\" %2")
                               .arg(archive::printable(job.path), problem)};
        return imagecompositor::writePng(changed, target, nullptr, source, written);
    } catch (const std::bad_alloc &) {
        return Failure{QCoreApplication::translate(
                           "skinimages", "There was not enough memory to paint the skin image \"%1\"")
                           .arg(archive::printable(job.path))};
    }
}

// A grown image must stay within what any image read may be: the output is a skin to build on.
Result<void> fitsGrown(const ImageJob &job, const QSize &sheet)
{
    const QSize grown = imagecompositor::canvasSize(job.picture, sheet, job.pluginRow);
    if (imagelimits::fits(grown))
        return {};
    return Failure{QCoreApplication::translate("skinimages", "The skin image \"%1\" would grow to %2")
                       .arg(archive::printable(job.path), imagelimits::tooLarge(grown))};
}

// A sound header may hide damaged data (a bad checksum, a file cut short). Found before any layout
// is rewritten, it leaves the layouts naming the image as they are, as a missing image does. A
// PNG without a palette is read through without decoding its pixels (and for 8-bit RGBA, what is
// found lets its coded rows be carried over when it grows); anything else is decoded.
CodedImages findDamage(ImageTable &table, const QString &folder, bool keepsBrowsers)
{
    QVector<ImageFacts *> usable;
    for (ImageFacts &facts : table) {
        if (facts.usable())
            usable << &facts;
    }
    QVector<std::optional<codedrows::Found>> found(usable.size());
    SharedLoop loop(usable.size());
    loop.run([&] {
        for (int i; (i = loop.take()) >= 0;) {
            ImageFacts &facts = *usable.at(i);
            const QString path = archive::workPath(folder, facts.path);
            found[i] = codedrows::find(path, keepsBrowsers ? facts.browserHeight() : facts.pictureHeight());
            if (found.at(i) && found.at(i)->size == facts.size)
                continue;
            found[i].reset();
            if (imagelimits::read(path, &facts.problem).isNull())
                facts.size = QSize();
        }
    });
    CodedImages coded;
    for (int i = 0; i < usable.size(); ++i) {
        if (found.at(i) && found.at(i)->carriable)
            coded.insert(usable.at(i)->path, *found.at(i));
    }
    return coded;
}

} // namespace

Measured measure(const QStringList &names, const ImageTable &recorded, bool keepsBrowsers,
                 archive::Unpacker &skin, const QString &folder, bool decoded)
{
    // Found ignoring case, as the host does, but a name written exactly as stored wins.
    const QStringList files = skin.files();
    const QSet<QString> exact(files.cbegin(), files.cend());
    QHash<QString, QString> filesByLowerCase;
    for (const QString &path : files)
        filesByLowerCase.insert(path.toLower(), path);
    Measured measured;
    QSet<QString> found;
    for (const QString &name : names) {
        ImageFacts facts;
        facts.originalHeight = recorded.value(name).originalHeight;
        facts.browserRows = recorded.value(name).browserRows;
        const auto relative = archive::safeRelativePath(name);
        if (!relative || relative->isEmpty())
            facts.problem = QCoreApplication::translate("skinimages", "points outside the skin");
        else if ((facts.path =
                      exact.contains(*relative) ? *relative : filesByLowerCase.value(relative->toLower()))
                     .isEmpty())
            facts.problem = QCoreApplication::translate("skinimages", "is missing");
        else
            found.insert(facts.path);
        measured.table.insert(name, facts);
    }
    // An image only measured is read no further than its header: the copy checks it whole.
    QHash<QString, imagelimits::Measured> headers;
    for (const QString &path : qAsConst(found)) {
        if (const auto header = decoded ? std::nullopt : imagelimits::measurePng(skin.peek(path, headBytes)))
            headers.insert(path, *header);
    }
    measured.read =
        skin.unpack([&](const QString &entry) { return found.contains(entry) && !headers.contains(entry); });
    for (const QString &name : names) {
        ImageFacts &facts = measured.table[name];
        if (facts.path.isEmpty())
            continue;
        const auto header = headers.contains(facts.path)
                                ? headers.value(facts.path)
                                : imagelimits::measure(archive::workPath(folder, facts.path));
        facts.problem = header.problem;
        facts.size = header.problem.isEmpty() ? header.size : QSize();
        if (header.refused && measured.read)
            measured.read = Failure{QCoreApplication::translate("skinimages", "The skin image \"%1\" %2")
                                        .arg(archive::printable(name), facts.problem)};
    }
    if (decoded)
        measured.coded = findDamage(measured.table, folder, keepsBrowsers);
    return measured;
}

QString problem(const QString &name, const ImageFacts &facts)
{
    return facts.problem.isEmpty()
               ? QString()
               : QCoreApplication::translate(
                     "skinimages", "The skin image \"%1\" %2; its layout keeps its browser and icons")
                     .arg(archive::printable(name), facts.problem);
}

Result<void> paint(const QVector<ImageJob> &jobs, const CodedImages &coded, const QImage &sheet,
                   const Style &style, const QString &from, const QString &to,
                   QVector<pngwriter::Written> *written)
{
    for (const ImageJob &job : jobs) {
        if (Result<void> fits = fitsGrown(job, sheet.size()); !fits)
            return fits;
    }
    // Each image is decoded, grown and encoded on its own, so they can be at once.
    QVector<Result<void>> results(jobs.size());
    QVector<pngwriter::Written> files(jobs.size());
    SharedLoop loop(jobs.size());
    loop.run([&] {
        for (int i; (i = loop.take()) >= 0;)
            results[i] = paintOne(jobs.at(i), coded, sheet, style, from, to, &files[i]);
    });
    if (written)
        *written = files;
    const auto failed =
        std::find_if(results.cbegin(), results.cend(), [](const Result<void> &r) { return !r; });
    return failed == results.cend() ? Result<void>() : *failed;
}

} // namespace skinimages
