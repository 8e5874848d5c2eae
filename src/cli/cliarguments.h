#pragma once

// The command line of panelcraft-cli turned into build options.

#include "skin/skinbuildoptions.h"

#include <QString>
#include <QStringList>

struct CliRequest
{
    SkinBuildOptions options;
    QString profile; // the table file to apply; "default" and "white" name the built-in ones
    bool quiet = false;
    bool helpShown = false; // --help or --version was answered; nothing else to do
};

// Fills `request` from the arguments (program name first). Returns an empty text, or the
// usage error to report. `documentsFolder` locates the default output.
QString parseArguments(const QStringList &arguments, const QString &documentsFolder, CliRequest &request);
