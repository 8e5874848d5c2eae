#pragma once

// Everything "Create Skin" reads from the window (or the CLI from its arguments).

#include "skin/layout/layoutchoices.h"

#include <QString>

enum class IconSet { Default, Alternative, White, FromOtherSkin };

// The choices about the layouts themselves are in LayoutChoices.
struct SkinBuildOptions : LayoutChoices
{
    QString selectedSkinFile; // the skin archive to modify
    QString outputPath;       // the archive to write; may be the selected skin itself
    IconSet iconSet = IconSet::Default;
    QString iconSkinFile;       // where "From another Skin" takes its icon sheet from
    bool importWindows = false; // copy the floating windows of windowSkinFile
    QString windowSkinFile;
};
