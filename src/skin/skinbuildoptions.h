#pragma once

// Everything "Create Skin" reads from the window (or the CLI from its arguments).

#include <QString>

enum class IconSet { Default, Alternative, White, FromOtherSkin };

struct SkinBuildOptions
{
    QString selectedSkinFile; // the skin archive to modify
    QString outputPath;       // the archive to write; may be the selected skin itself
    IconSet iconSet = IconSet::Default;
    QString iconSkinFile;       // where "From another Skin" takes its icon sheet from
    bool floatBrowser = false;  // add a browser in the floating window "browserfloat"
    bool importWindows = false; // copy the floating windows of windowSkinFile
    QString windowSkinFile;
    bool globalFont = false;                    // rewrite font names and text sizes in the whole skin
    QString globalFontName;                     // empty: names are kept, only sizes are scaled
    QString globalSize;                         // percentage text; empty or "100" keeps sizes
    bool changeColours = true;                  // replace the browser's colours, fonts and plugin zone
    QString lineHeight = QStringLiteral("100"); // percentage text, written as typed
};
