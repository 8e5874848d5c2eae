// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/skinbuildoptions.h"

#include "skin/outputname.h"
#include "style/lineheight.h"
#include "support/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

std::optional<OptionProblem> outputProblem(const QString &outputPath)
{
    if (outputPath.isEmpty())
        return OptionProblem{
            OptionField::Output,
            QCoreApplication::translate("skinbuildoptions", "No name was given for the new skin")};
    const QFileInfo output(outputPath);
    const QString nameProblem = outputname::problem(output.fileName());
    if (!nameProblem.isEmpty())
        return OptionProblem{OptionField::Output, nameProblem};
    // Renaming the new archive over a device or a pipe would replace it, even /dev/null.
    if (output.exists() && !output.isFile())
        return OptionProblem{
            OptionField::Output,
            QCoreApplication::translate(
                "skinbuildoptions",
                "\"%1\" is not a regular file; choose a new name or an existing skin archive")
                .arg(QDir::toNativeSeparators(outputPath))};
    return std::nullopt;
}

bool isPercentage(const QString &text)
{
    return percentagePattern().match(text).hasMatch();
}

} // namespace

const QRegularExpression &percentagePattern()
{
    static const QRegularExpression percentage(QStringLiteral("^[1-9][0-9]{0,2}$"));
    return percentage;
}

int percentageFromText(const QString &text)
{
    return isPercentage(text) ? text.toInt() : 0;
}

std::optional<OptionProblem> checkOptions(const SkinBuildOptions &options)
{
    if (options.selectedSkinFile.isEmpty())
        return OptionProblem{OptionField::SelectedSkin,
                             QCoreApplication::translate("skinbuildoptions", "You have not selected a skin")};
    // A pipe would hold the unpacking for ever.
    if (const QString problem = regularfile::problem(options.selectedSkinFile); !problem.isEmpty())
        return OptionProblem{OptionField::SelectedSkin, problem};
    if (!lineheight::inRange(options.lineHeight))
        return OptionProblem{
            OptionField::LineHeight,
            QCoreApplication::translate(
                "skinbuildoptions", "Type the browser's line height as a whole percentage from 1 to 999")};
    if (options.globalFont && !options.globalSize.isEmpty() && !isPercentage(options.globalSize))
        return OptionProblem{
            OptionField::GlobalSize,
            QCoreApplication::translate("skinbuildoptions",
                                        "Type the global font size as a whole percentage from 1 to 999")};
    return outputProblem(options.outputPath);
}
