// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/undoplan.h"

#include "skin/archive/archiveentry.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <zlib.h>

namespace undoplan {
namespace {

// A file record is "name:length:crc"; the name may hold colons of its own.
struct FileRecord
{
    QString name;
    QString proof;
};

FileRecord fileRecord(const QString &record)
{
    static const QRegularExpression proof(QStringLiteral(":(\\d{1,12}:[0-9a-f]{8})$"));
    const auto match = proof.match(record);
    if (match.hasMatch())
        return {record.left(match.capturedStart()), match.captured(1)};
    // An older build recorded the CRC alone, which proves nothing.
    const int colon = record.lastIndexOf(QLatin1Char(':'));
    return {colon > 0 ? record.left(colon) : record, QString()};
}

// The layouts' text outside the pairs, in lower case: what the skin itself still names.
QString textOutsideBlocks(const QVector<const xmltokens::Document *> &layouts, const QStringList &unread)
{
    QString outside = unread.join(QLatin1Char('\n'));
    for (const xmltokens::Document *layout : layouts) {
        int at = 0;
        for (const buildmarks::Block &block : buildmarks::ownBlocks(*layout)) {
            outside += layout->text.midRef(at, block.lines.start - at);
            at = block.lines.end;
        }
        outside += layout->text.midRef(at) + QLatin1Char('\n');
    }
    return outside.toLower();
}

} // namespace

QString proofOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    uLong crc = crc32(0, nullptr, 0);
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(1 << 20);
        if (chunk.isEmpty())
            return {};
        crc = crc32(crc, reinterpret_cast<const Bytef *>(chunk.constData()), uInt(chunk.size()));
    }
    return proof(file.size(), quint32(crc));
}

QString proof(qint64 length, quint32 crc)
{
    return QStringLiteral("%1:%2").arg(length).arg(crc, 8, 16, QLatin1Char('0'));
}

Claims claimed(const QVector<const xmltokens::Document *> &layouts)
{
    Claims claims;
    for (const xmltokens::Document *layout : layouts) {
        for (const buildmarks::Block &block : buildmarks::ownBlocks(*layout)) {
            if (!block.record.image.isEmpty())
                claims.images << block.record.image;
            for (const QString &file : block.record.files)
                claims.files << fileRecord(file).name;
        }
    }
    claims.files.removeDuplicates();
    claims.images.removeDuplicates();
    return claims;
}

Plan make(const QVector<const xmltokens::Document *> &layouts, const QHash<QString, QString> &proofs,
          const QStringList &unread)
{
    Plan plan;
    QStringList contents; // of the records' blocks, in lower case: what they name
    for (const xmltokens::Document *layout : layouts) {
        for (const buildmarks::Block &block : buildmarks::blocks(*layout)) {
            // Font names and sizes rewritten cannot be told apart from the skin's own, whoever
            // changed the block since.
            plan.fontsChanged = plan.fontsChanged || block.record.fontsChanged;
            if (!block.own)
                continue;
            plan.records << block.record;
            contents << layout->textOf(block.content).toString().toLower();
        }
    }
    const QString outside = textOutsideBlocks(layouts, unread);
    QSet<QString> warned;
    const auto warn = [&](const QString &name, const char *text) {
        if (!warned.contains(name + QLatin1String(text))) {
            warned.insert(name + QLatin1String(text));
            plan.warnings << QCoreApplication::translate("skinbuilder", text).arg(archive::printable(name));
        }
    };
    // One build writes the same height and proof into every layout on an image: records that
    // differ cannot all be true, and none is taken for the others.
    QHash<QString, buildmarks::Record> images;
    QSet<QString> contradicted;
    for (const buildmarks::Record &record : qAsConst(plan.records)) {
        if (record.image.isEmpty())
            continue;
        const auto first = images.find(record.image);
        if (first == images.end())
            images.insert(record.image, record);
        else if (first->height != record.height || first->grown != record.grown)
            contradicted.insert(record.image);
        else // each layout's browsers point into their own rows
            first->rows = first->rows > 0 && record.rows > 0 ? qMax(first->rows, record.rows) : 0;
    }
    for (int i = 0; i < plan.records.size(); ++i) {
        const buildmarks::Record &record = plan.records.at(i);
        for (const QString &file : record.files) {
            const FileRecord added = fileRecord(file);
            if (!proofs.contains(added.name) || plan.takenOut.contains(added.name))
                continue;
            const QString baseName = added.name.section(QLatin1Char('/'), -1).toLower();
            // What a build adds, its block names: a file the block does not name was never its own.
            if (added.proof.isEmpty() || proofs.value(added.name) != added.proof ||
                !contents.at(i).contains(baseName))
                warn(added.name,
                     QT_TRANSLATE_NOOP("skinbuilder",
                                       "The layouts name \"%1\" as added by an earlier build, but it is "
                                       "not what that build wrote; it was kept"));
            else if (outside.contains(baseName))
                warn(added.name,
                     QT_TRANSLATE_NOOP("skinbuilder",
                                       "An earlier build added \"%1\", but a layout names it outside "
                                       "what that build added; it was kept"));
            else
                plan.takenOut.insert(added.name);
        }
        if (record.image.isEmpty() || plan.originalHeights.contains(record.image) ||
            !proofs.contains(record.image))
            continue;
        const buildmarks::Record &image = images.value(record.image);
        if (!contradicted.contains(record.image) && !image.grown.isEmpty() &&
            proofs.value(record.image) == image.grown) {
            plan.originalHeights.insert(record.image, image.height);
            plan.grown.insert(record.image, image.grown);
            plan.browserRows.insert(record.image, image.rows);
        } else
            warn(record.image, QT_TRANSLATE_NOOP("skinbuilder", "The skin image \"%1\" is not the one an "
                                                                "earlier build grew; it was kept whole"));
    }
    return plan;
}

} // namespace undoplan
