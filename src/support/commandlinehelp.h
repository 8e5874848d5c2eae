// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QString>

// --help for both programs, in the user's language. Qt's own help option speaks no French, and
// Qt breaks help lines at every space, no-break spaces too (a French line ended in "«").
namespace commandlinehelp {

// -h and --help (and -? on Windows), described in the user's language.
QCommandLineOption helpOption();

// A description handed to QCommandLineParser keeps its no-break spaces as private-use characters
// while Qt lays the help out; spacesBack() puts them back in the finished help.
QString keptTogether(QString text);
QString spacesBack(QString text);

} // namespace commandlinehelp
