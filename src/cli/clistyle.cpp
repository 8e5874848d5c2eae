// SPDX-License-Identifier: GPL-3.0-or-later
#include "clistyle.h"

#include "colour/stylefromscheme.h"
#include "style/tablefile.h"

#include <QDir>
#include <QFileInfo>

QString loadStyle(const CliRequest &request, Style &style, QStringList &warnings)
{
    StyleTable table;
    const QString error = tablefile::readProfile(
        request.scheme.isEmpty() ? request.profile : tablefile::defaultTablePath, table, warnings);
    style = tablefile::derive(table);
    if (!error.isEmpty() || request.scheme.isEmpty())
        return error;
    const scheme::ReadResult read = scheme::read(request.scheme);
    if (!read.error.isEmpty())
        return QStringLiteral("--scheme \"%1\": %2")
            .arg(QDir::toNativeSeparators(request.scheme), read.error);
    style = stylefromscheme::generate(read.scheme, style);
    return {};
}

Result<void> exportScheme(const CliRequest &request, const Style &style)
{
    const QString name = QFileInfo(request.exportScheme).completeBaseName();
    return scheme::write(request.exportScheme, stylefromscheme::fromStyle(style, name));
}
