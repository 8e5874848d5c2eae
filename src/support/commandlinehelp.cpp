// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandlinehelp.h"

#include <QCoreApplication>
#include <utility>

namespace commandlinehelp {

namespace {
const std::pair<QChar, QChar> noBreakStandIns[] = {{QChar(0x00a0), QChar(0xe000)},
                                                   {QChar(0x202f), QChar(0xe001)}};
} // namespace

QCommandLineOption helpOption()
{
#ifdef Q_OS_WIN
    QStringList names{QStringLiteral("?"), QStringLiteral("h"), QStringLiteral("help")};
#else
    QStringList names{QStringLiteral("h"), QStringLiteral("help")};
#endif
    return QCommandLineOption(names, QCoreApplication::translate("commandlinehelp", "Displays this help."));
}

QString keptTogether(QString text)
{
    for (const auto &[space, standIn] : noBreakStandIns)
        text.replace(space, standIn);
    return text;
}

QString spacesBack(QString text)
{
    for (const auto &[space, standIn] : noBreakStandIns)
        text.replace(standIn, space);
    return text;
}

} // namespace commandlinehelp
