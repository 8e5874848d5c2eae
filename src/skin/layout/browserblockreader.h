// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads a skin's <browser> block back into style values: the inverse of browserblock's writer.
// Which attribute holds which key is learnt from the writer itself, so the two cannot drift.

#include "style/style.h"
#include "support/result.h"

#include <QHash>
#include <QString>

namespace browserblock {

struct ReadValues
{
    QHash<QString, QString> values; // style key (colour, <group>fontname/fontsize/fontweight) -> text
    int lineHeight = 0;             // the percentage; 0 when absent or not 1 to 999
};

// Reads the first <browser> element of a skin XML text, or says why nothing could be read.
Result<ReadValues> readBlock(const QByteArray &xml);

// Reads the first layout (XML file, by name) of a skin archive that has a <browser> block.
Result<ReadValues> readSkinBlock(const QString &zipPath);

// `base` with every value the block holds; unreadable colours and sizes are left as in `base`.
Style applyBlock(const ReadValues &read, Style base);

} // namespace browserblock
