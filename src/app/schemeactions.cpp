#include "schemeactions.h"

#include "colour/scheme.h"
#include "colour/stylefromscheme.h"
#include "dialogs.h"
#include "styledocument.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

SchemeActions::SchemeActions(Host host, QMenu *menu, QAction *before)
    : QObject(host.window), m_host(std::move(host))
{
    const std::pair<QString, void (SchemeActions::*)()> actions[] = {
        {tr("Style from Scheme File…"), &SchemeActions::chooseScheme},
        {tr("Export as Scheme…"), &SchemeActions::exportScheme},
    };
    const char *names[] = {"actionStyleFromScheme", "actionExportScheme"};
    for (std::size_t i = 0; i < std::size(actions); ++i) {
        auto *action = new QAction(actions[i].first, m_host.window);
        action->setObjectName(QLatin1String(names[i]));
        menu->insertAction(before, action);
        connect(action, &QAction::triggered, this, actions[i].second);
    }
}

void SchemeActions::chooseScheme()
{
    const QString path = Dialogs::getOpenFileName(m_host.window, tr("Open a Colour Scheme"), m_host.folder,
                                                  tr("Colour schemes (*.yaml *.yml *.gpl);;All files (*)"));
    if (!path.isEmpty())
        openScheme(path);
}

void SchemeActions::openScheme(const QString &path)
{
    const scheme::ReadResult read = scheme::read(path);
    if (!read.error.isEmpty()) {
        Dialogs::warning(
            m_host.window, QStringLiteral("Panelcraft"),
            tr("The scheme \"%1\" cannot be used.\n%2").arg(QFileInfo(path).fileName(), read.error));
        return;
    }
    if (!m_host.askToKeepEdits(tr("Save them before a style is drawn from the scheme?")))
        return;
    StyleDocument &document = *m_host.document;
    document.edit({stylefromscheme::generate(read.scheme, document.style()), document.lineHeight()},
                  tr("Style from scheme"));
    // The scheme's own colours stay at hand for single rows.
    m_host.offerColours(read.scheme.colours);
}

void SchemeActions::exportScheme()
{
    const QString path =
        Dialogs::getSaveFileName(m_host.window, tr("Export the Style as a Scheme"), m_host.folder,
                                 tr("base16 scheme (*.yaml);;GIMP palette (*.gpl)"), QStringLiteral("yaml"));
    if (path.isEmpty())
        return;
    const scheme::Scheme out =
        stylefromscheme::fromStyle(m_host.document->style(), QFileInfo(path).completeBaseName());
    const QString error = scheme::write(path, out);
    if (!error.isEmpty()) {
        Dialogs::warning(m_host.window, QStringLiteral("Panelcraft"),
                         tr("The scheme was not written.\n%1").arg(error));
        return;
    }
    m_host.showStatus(tr("Scheme exported: %1").arg(QFileInfo(path).fileName()));
}
