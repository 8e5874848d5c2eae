// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/sourceskins.h"

#include "skin/archive/archive.h"
#include "skin/layout/layoutfile.h"
#include "skin/layout/sourcescan.h"
#include "skin/workspace.h"

namespace sourceskins {
namespace {

// Unpacks into an emptied folder and tells why the skin cannot be scanned, if it cannot.
QString unpack(const QString &zipPath, const QString &workFolder)
{
    if (const Result<void> emptied = Workspace::emptyFolder(workFolder); !emptied)
        return emptied.error();
    if (const Result<void> extracted = archive::extract(zipPath, workFolder); !extracted)
        return extracted.error();
    if (layoutfile::layoutNames(workFolder).isEmpty())
        return noXmlFilesMessage();
    return {};
}

} // namespace

WindowScan scanWindowSkin(const QString &zipPath, const QString &workFolder)
{
    WindowScan scan;
    scan.error = unpack(zipPath, workFolder);
    if (scan.error.isEmpty())
        scan.names =
            sourcescan::windows(sourcescan::readLayouts(workFolder, sourcescan::scannedElements())).names;
    static_cast<void>(Workspace::emptyFolder(workFolder)); // what stays goes with the caller's folder
    return scan;
}

IconScan scanIconSkin(const QString &zipPath, const QString &workFolder)
{
    IconScan scan;
    scan.error = unpack(zipPath, workFolder);
    if (scan.error.isEmpty())
        scan.customIcons =
            sourcescan::findDeclaration(sourcescan::readLayouts(workFolder, sourcescan::scannedElements()))
                .has_value();
    static_cast<void>(Workspace::emptyFolder(workFolder)); // what stays goes with the caller's folder
    return scan;
}

} // namespace sourceskins
