// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Create Skin": a skin archive plus a style and options in, a new skin archive out. The
// window and the CLI both drive this one pipeline; it never shows anything itself.

#include "skin/skinbuildoptions.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

class Style;

enum class BuildStep {
    ImportIcons,          // file: the icon skin
    Unpack,               // file: the selected skin
    UnpackWindows,        // file: the window skin
    Rewrite,              // file: an XML file of the skin
    PaintImage,           // file: a skin image
    PaintFloatingBrowser, // file: the floating browser image
    Pack,                 // file: the output archive
};

// A short phrase for a step on its file, such as "Unpacking x.zip"; the file as the caller shows it.
QString buildStepText(BuildStep step, const QString &file);

using BuildProgress = std::function<void(BuildStep step, const QString &file)>;

struct BuildResult
{
    bool ok = false;
    QString outputPath;   // the archive written, on success
    QString message;      // on failure: what went wrong, in words a user can act on
    QStringList warnings; // on success: what could not be done as asked
    bool stopped = false; // asked to stop before the archive was written: nothing was
};

class SkinBuilder
{
public:
    // Works in the work folders under `workspaceRoot` and leaves them empty afterwards. Once
    // `stopRequested` (set from another thread) holds, the build ends before its next stage;
    // from packing on it finishes.
    static BuildResult build(const SkinBuildOptions &options, const Style &style,
                             const QString &workspaceRoot, const BuildProgress &progress = BuildProgress(),
                             const std::atomic_bool *stopRequested = nullptr);
};
