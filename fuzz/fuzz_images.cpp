// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding an image a skin holds and growing it with an icon sheet and the plugin-zone
// controls: the picture stays at the top, unchanged, and the canvas holds everything drawn.
// A file whose rows are found sound must be one the decoder reads; carried over, its rows grow
// to the same pixels as the decoded picture, in a file a strict reader opens.
//
// Input: one byte of options, then the image file. With option bit 8, the checksum of every PNG
// chunk, and that of the zlib stream in a lone IDAT chunk, are put right first, so that changes
// reach what lies behind the checksums.

#include "fuzzsupport.h"
#include "skin/images/codedrows.h"
#include "skin/images/iconsheets.h"
#include "skin/images/imagecompositor.h"
#include "skin/images/imagelimits.h"
#include "skin/images/pluginzone.h"
#include "strictpng.h"
#include "style/style.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QtEndian>
#include <zlib.h>

namespace {

// The fuzzer stops a run above 1 GB; an image, its canvas and their copies must fit in that.
constexpr int maxSide = 4096;
constexpr qint64 maxPixels = qint64(8) << 20;

// The Adler-32 after the deflate data of a zlib stream, made to match what it inflates to.
void repairAdler(char *stream, int size)
{
    z_stream zlib{};
    if (size < 6 || inflateInit2(&zlib, -15) != Z_OK)
        return;
    QByteArray out(1 << 16, Qt::Uninitialized);
    uLong adler = adler32(0, nullptr, 0);
    zlib.next_in = reinterpret_cast<Bytef *>(stream + 2);
    zlib.avail_in = uInt(size - 2);
    int result = Z_OK;
    while (result == Z_OK) {
        zlib.next_out = reinterpret_cast<Bytef *>(out.data());
        zlib.avail_out = uInt(out.size());
        result = inflate(&zlib, Z_NO_FLUSH);
        adler = adler32(adler, reinterpret_cast<const Bytef *>(out.constData()),
                        uInt(out.size()) - zlib.avail_out);
    }
    if (result == Z_STREAM_END && zlib.avail_in >= 4)
        qToBigEndian(quint32(adler), stream + size - zlib.avail_in);
    inflateEnd(&zlib);
}

void repairChecksums(QByteArray &file)
{
    const int idat = file.indexOf("IDAT");
    const qint64 idatSize = idat >= 12 ? qFromBigEndian<quint32>(file.constData() + idat - 4) : -1;
    if (idatSize >= 0 && idatSize <= file.size() - idat - 8 && file.indexOf("IDAT", idat + 4) < 0)
        repairAdler(file.data() + idat + 4, int(idatSize));
    for (int at = 8; at + 12 <= file.size();) {
        const qint64 size = qFromBigEndian<quint32>(file.constData() + at);
        if (size > file.size() - at - 12)
            return;
        const auto *typed = reinterpret_cast<const Bytef *>(file.constData() + at + 4);
        qToBigEndian(quint32(crc32(0, typed, uInt(4 + size))), file.data() + at + 8 + size);
        at += int(12 + size);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    QByteArray file = fuzzsupport::bytes(data + 1, size - 1);
    if (data[0] & 8)
        repairChecksums(file);
    const QString source = QDir::temp().filePath(QStringLiteral("fuzz-images-source.png"));
    fuzzsupport::writeFile(source, file);
    // As the builder does: no reader gets a file whose chunks claim more than it holds.
    if (!imagelimits::chunksFit(source)) {
        const QString strict = fixtures::strictPngProblem(file);
        FUZZ_CHECK(!strict.isEmpty(), QStringLiteral("chunks that fit called damaged"));
        return 0;
    }
    QBuffer buffer(&file);
    QImageReader reader(&buffer);
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.width() > maxSide || declared.height() > maxSide ||
        qint64(declared.width()) * declared.height() > maxPixels)
        return 0;
    const QImage skin = reader.read();
    const auto rows = codedrows::find(source);
    FUZZ_CHECK(!rows || (!skin.isNull() && rows->size == skin.size()), QStringLiteral("rows found sound"));
    const QString sourceProblem = rows ? fixtures::strictPngProblem(file) : QString();
    FUZZ_CHECK(sourceProblem.isEmpty(),
               QStringLiteral("rows found sound in a file a strict reader refuses: ") + sourceProblem);
    if (skin.isNull())
        return 0;

    // No sheet, or one of the built-in ones.
    const int sheetChoice = data[0] & 3;
    const QImage sheet = sheetChoice == 1   ? QImage(iconsheets::alternativeSheetPath)
                         : sheetChoice == 2 ? QImage(iconsheets::whiteSheetPath)
                                            : QImage();
    const int row =
        skin.height() + (sheet.isNull() ? pluginzone::rowWithoutSheet : pluginzone::rowBelowSheet);
    const std::optional<int> pluginRow = data[0] & 4 ? std::optional<int>(row) : std::nullopt;
    const QImage grown = imagecompositor::compose(skin, sheet, pluginRow, fuzzsupport::defaultStyle());

    const QString sizes = QString::asprintf("image %dx%d format %d, grown %dx%d", skin.width(), skin.height(),
                                            int(skin.format()), grown.width(), grown.height());
    FUZZ_CHECK(grown.width() == skin.width(), sizes);
    FUZZ_CHECK(grown.height() >= skin.height() + (sheet.isNull() ? 0 : pluginzone::sheetGap + sheet.height()),
               sizes);
    FUZZ_CHECK(!pluginRow || grown.height() >= row + pluginzone::rowHeight, sizes);
    FUZZ_CHECK(grown.copy(0, 0, skin.width(), skin.height()) == skin.convertToFormat(grown.format()), sizes);
    if (rows) {
        const QString target = QDir::temp().filePath(QStringLiteral("fuzz-images-grown.png"));
        const auto written = imagecompositor::writeCarriedOver(source, *rows, skin.size(), sheet, pluginRow,
                                                               fuzzsupport::defaultStyle(), target);
        FUZZ_CHECK(!written || *written, written->error());
        const QString strict = written ? fixtures::strictPngProblem(fixtures::readFile(target)) : QString();
        FUZZ_CHECK(strict.isEmpty(), strict);
        FUZZ_CHECK(!written || QImage(target).convertToFormat(grown.format()) == grown, sizes);
        // Built again, the grown file gives its picture's rows back, for other additions.
        if (written && grown.height() > skin.height()) {
            const auto again = codedrows::find(target, skin.height());
            FUZZ_CHECK(again && again->cutRows == skin.height(), sizes);
        }
    }
    return 0;
}
