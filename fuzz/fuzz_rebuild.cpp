// SPDX-License-Identifier: GPL-3.0-or-later
// A built skin changed as a user might, then built again: nothing the earlier build did not add
// is taken out, no picture loses a row, every image written opens in a strict reader, and a
// rebuild gives what a fresh build gives (see tests/support/rebuildproperty.h).
//
// Input: the choices, one byte each: the skin, the first build's options, the changes, the
// second build's options, then for each further build of the chain a byte to go on and its options.

#include "fuzzsupport.h"
#include "rebuildproperty.h"

#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QTemporaryDir dir;
    const QString broken = fixtures::rebuildScenario(fuzzsupport::bytes(data, size), dir.path());
    FUZZ_CHECK(broken.isEmpty(), broken);
    return 0;
}
