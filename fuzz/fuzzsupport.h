#pragma once

// What every fuzz program shares: Qt started once without a display, scratch files, and a
// way to fail loudly when a property breaks, so libFuzzer keeps the input that broke it.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

class Style;

namespace fuzzsupport {

// Every fuzz program starts Qt offscreen and registers the compiled-in resources in the
// LLVMFuzzerInitialize defined here.

QByteArray bytes(const uint8_t *data, size_t size);
void writeFile(const QString &path, const QByteArray &content);
QByteArray readFile(const QString &path);

// The style a freshly started window has.
const Style &defaultStyle();

// Every path below `folder` (links not followed), relative to it and sorted.
QStringList entriesBelow(const QString &folder);

// Prints which property broke and aborts: the input is then kept as a crash.
[[noreturn]] void fail(const char *property, const QString &detail);

} // namespace fuzzsupport

#define FUZZ_CHECK(condition, detail)                                                                        \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            fuzzsupport::fail(#condition, detail);                                                           \
    } while (false)
