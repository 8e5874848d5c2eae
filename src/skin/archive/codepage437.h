// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Code page 437, the character set of zip entry names stored without the UTF-8 flag by the tools
// that wrote the first zip files. Read with a table of our own: Qt has it only where it was built
// with ICU, which Windows builds are not.

#include <QByteArray>
#include <QString>

namespace archive {

// The text the bytes stand for in code page 437; every byte stands for one character.
QString fromCodePage437(const QByteArray &bytes);

} // namespace archive
