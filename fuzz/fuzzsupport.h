// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every fuzz program shares: Qt started once without a display, the test suite's file
// helpers (tests/support/skinfixtures.h), and a way to fail loudly when a property breaks, so
// libFuzzer keeps the input that broke it.

#include "skinfixtures.h"

#include <cstddef>
#include <cstdint>

namespace fuzzsupport {

// Every fuzz program starts Qt offscreen and registers the compiled-in resources in the
// LLVMFuzzerInitialize defined here.

QByteArray bytes(const uint8_t *data, size_t size);
// Writes a scratch file; failing to is a fault of the fuzz program, reported as a broken property.
void writeFile(const QString &path, const QByteArray &content);

// Whether Qt's XML reader reads the text to its end without an error and without entities the
// text declares itself (which a layout may not): what it reads, ours must read too.
bool qtReadsXml(const QString &text);

// The style a freshly started window has, read once.
const Style &defaultStyle();

// Prints which property broke and aborts: the input is then kept as a crash.
[[noreturn]] void fail(const char *property, const QString &detail);

} // namespace fuzzsupport

#define FUZZ_CHECK(condition, detail)                                                                        \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            fuzzsupport::fail(#condition, detail);                                                           \
    } while (false)
