// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/sourceskins.h"

#include "skin/archive/archive.h"
#include "skin/layout/layoutfile.h"
#include "skin/layout/sourcescan.h"
#include "skin/workspace.h"

namespace sourceskins {
namespace {

// Unpacks into an emptied folder and tells why the skin cannot be scanned, if it cannot.
Result<void> unpack(const QString &zipPath, const QString &workFolder)
{
    if (Result<void> emptied = Workspace::emptyFolder(workFolder); !emptied)
        return emptied;
    if (Result<void> extracted = archive::extract(zipPath, workFolder); !extracted)
        return extracted;
    if (layoutfile::layoutNames(workFolder).isEmpty())
        return Failure{noXmlFilesMessage()};
    return {};
}

} // namespace

WindowScan scanWindowSkin(const QString &zipPath, const QString &workFolder)
{
    WindowScan scan;
    const Result<void> unpacked = unpack(zipPath, workFolder);
    scan.error = unpacked.error();
    if (unpacked)
        scan.names =
            sourcescan::windows(sourcescan::readLayouts(workFolder, sourcescan::scannedElements())).names;
    static_cast<void>(Workspace::emptyFolder(workFolder)); // what stays goes with the caller's folder
    return scan;
}

IconScan scanIconSkin(const QString &zipPath, const QString &workFolder)
{
    IconScan scan;
    const Result<void> unpacked = unpack(zipPath, workFolder);
    scan.error = unpacked.error();
    if (unpacked)
        scan.customIcons =
            sourcescan::findDeclaration(sourcescan::readLayouts(workFolder, sourcescan::scannedElements()))
                .has_value();
    static_cast<void>(Workspace::emptyFolder(workFolder)); // what stays goes with the caller's folder
    return scan;
}

} // namespace sourceskins
