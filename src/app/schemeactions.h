// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Style from Scheme File…" and "Export as Scheme…": a colour scheme drawn into the style as one
// edit, and the style written out as a scheme. A part of the profile menu: the unsaved-edits
// question is its owner's.

#include "style/style.h"

#include <QColor>
#include <QObject>
#include <QVector>

class QAction;
class QWidget;
class ProfilesPanel;
class StyleDocument;

class SchemeActions : public QObject
{
    Q_OBJECT

public:
    // The file dialogs open in `folder`.
    SchemeActions(QWidget *window, const QString &folder, StyleDocument &document, ProfilesPanel &profiles);

    QList<QAction *> actions() const { return m_actions; } // for the profile menu, in its order

    // Refuses a file that is not a scheme with its reason; otherwise asks about unsaved edits and
    // draws the style from it. Either way nothing changes until the style is drawn.
    void openScheme(const QString &path);

signals:
    void coloursOffered(const QVector<QColor> &colours); // the scheme's own, for single rows
    void remark(const QString &text);                    // said in passing, on the status line

private:
    void chooseScheme();
    void exportScheme();

    QWidget *m_window;
    QList<QAction *> m_actions;
    QString m_folder;
    StyleDocument &m_document;
    ProfilesPanel &m_profiles;
};
