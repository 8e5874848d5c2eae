// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of panelcraft-cli turned into build options.

#include "skin/skinbuildoptions.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The texts of panelcraft-cli are translated in one context: Cli::tr("...").
class Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

struct CliRequest
{
    SkinBuildOptions options;
    QString profile;      // the table file to apply; "default" and "white" name the built-in ones
    QString scheme;       // a colour scheme to draw the style from instead, when not empty
    QString exportScheme; // write the profile's colours as a scheme to this file, and build nothing
    bool quiet = false;
    bool helpShown = false; // --help or --version was answered; nothing else to do
};

// Fills `request` from the arguments (program name first). Returns an empty text, or the
// usage error to report. `documentsFolder` locates the default output.
QString parseArguments(const QStringList &arguments, const QString &documentsFolder, CliRequest &request);
