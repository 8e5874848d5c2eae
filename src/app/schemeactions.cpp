// SPDX-License-Identifier: GPL-3.0-or-later
#include "schemeactions.h"

#include "colour/scheme.h"
#include "colour/stylefromscheme.h"
#include "dialogs.h"
#include "profilespanel.h"
#include "styledocument.h"

#include <QAction>
#include <QFileInfo>

SchemeActions::SchemeActions(QWidget *window, const QString &folder, StyleDocument &document,
                             ProfilesPanel &profiles)
    : QObject(window), m_window(window), m_folder(folder), m_document(document), m_profiles(profiles)
{
    const std::pair<QString, void (SchemeActions::*)()> actions[] = {
        {tr("Style from Sc&heme File…"), &SchemeActions::chooseScheme},
        {tr("&Export as Scheme…"), &SchemeActions::exportScheme},
    };
    const char *names[] = {"actionStyleFromScheme", "actionExportScheme"};
    for (std::size_t i = 0; i < std::size(actions); ++i) {
        auto *action = new QAction(actions[i].first, this);
        action->setObjectName(QLatin1String(names[i]));
        m_actions << action;
        connect(action, &QAction::triggered, this, actions[i].second);
    }
}

void SchemeActions::chooseScheme()
{
    const QString path = Dialogs::getOpenFileName(m_window, tr("Open a Colour Scheme"), m_folder,
                                                  tr("Colour schemes (*.yaml *.yml *.gpl);;All files (*)"));
    if (!path.isEmpty())
        openScheme(path);
}

void SchemeActions::openScheme(const QString &path)
{
    const scheme::ReadResult read = scheme::read(path);
    if (!read.error.isEmpty()) {
        Dialogs::warning(
            m_window, QStringLiteral("Panelcraft"),
            tr("The scheme \"%1\" cannot be used.\n%2").arg(QFileInfo(path).fileName(), read.error));
        return;
    }
    if (!m_profiles.askToKeepEdits(tr("Save them before a style is drawn from the scheme?")))
        return;
    m_document.edit({stylefromscheme::generate(read.scheme, m_document.style()), m_document.lineHeight()},
                    tr("Style from scheme"));
    // The scheme's own colours stay at hand for single rows.
    emit coloursOffered(read.scheme.colours);
}

void SchemeActions::exportScheme()
{
    const QString path =
        Dialogs::getSaveFileName(m_window, tr("Export the Style as a Scheme"), m_folder,
                                 tr("base16 scheme (*.yaml);;GIMP palette (*.gpl)"), QStringLiteral("yaml"));
    if (path.isEmpty())
        return;
    const scheme::Scheme out =
        stylefromscheme::fromStyle(m_document.style(), QFileInfo(path).completeBaseName());
    if (const Result<void> written = scheme::write(path, out); !written) {
        Dialogs::warning(m_window, QStringLiteral("Panelcraft"),
                         tr("The scheme was not written.\n%1").arg(written.error()));
        return;
    }
    emit remark(tr("Scheme exported: %1").arg(QFileInfo(path).fileName()));
}
