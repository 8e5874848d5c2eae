#pragma once

// "Style from Scheme File…" and "Export as Scheme…": a colour scheme drawn into the style as one
// edit, and the style written out as a scheme. The window lends what they need through `Host`,
// so the actions can sit wherever the profile actions do.

#include "style/style.h"

#include <QColor>
#include <QObject>
#include <QVector>
#include <functional>

class QAction;
class QMenu;
class QWidget;
class StyleDocument;

class SchemeActions : public QObject
{
    Q_OBJECT

public:
    struct Host
    {
        QWidget *window;
        QString folder;          // where the file dialogs open
        StyleDocument *document; // the style drawn from a scheme is one edit of it
        std::function<bool(const QString &question)> askToKeepEdits;
        std::function<void(const QVector<QColor> &colours)> offerColours; // as the colour dialog's own
        std::function<void(const QString &text)> showStatus;
    };

    // Adds the two actions to `menu` before `before`.
    SchemeActions(Host host, QMenu *menu, QAction *before);

    // Refuses a file that is not a scheme with its reason; otherwise asks about unsaved edits and
    // draws the style from it. Either way nothing changes until the style is drawn.
    void openScheme(const QString &path);

private:
    void chooseScheme();
    void exportScheme();

    Host m_host;
};
