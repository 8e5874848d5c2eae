// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything "Create Skin" reads from the window (or the CLI from its arguments).

#include "skin/layout/layoutchoices.h"

#include <QRegularExpression>
#include <QString>
#include <optional>

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

// The choice a refused option is about.
enum class OptionField { SelectedSkin, LineHeight, GlobalSize, Output };

struct OptionProblem
{
    OptionField field;
    QString message; // in words a user can act on; the window shows it translated
};

// Whole percentages from 1 to 999, written plainly ("120", not "0120" or "+120"): what the
// window's percentage fields let through from the first keystroke on.
const QRegularExpression &percentagePattern();
// Such a percentage as a number; 0, which checkOptions refuses, for any other text.
int percentageFromText(const QString &text);

// The first option the builder refuses, with why; none when it takes them all. SkinBuilder::build
// refuses the same; the window and the CLI ask first, to point at the field or argument.
std::optional<OptionProblem> checkOptions(const SkinBuildOptions &options);
