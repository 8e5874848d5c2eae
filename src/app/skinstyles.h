// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Styles from the selected skin: "Colours from Selected Skin" (its <browser> block read back),
// its palette offered as the colour dialog's custom colours, and "Style from Selected Skin" (a
// whole style drawn from that palette). Each result goes into the document as one edit.

#include "colour/skinpalette.h"

#include <QColor>
#include <QObject>
#include <QVector>
#include <optional>

class ProfilesPanel;
class QAction;
class QFutureWatcherBase;
class QWidget;
class StyleDocument;

class SkinStyles : public QObject
{
    Q_OBJECT

public:
    // A part of the profile menu: offers its actions to it, and asks its owner the unsaved-edits
    // question. Its readings of a skin are background jobs the window runs as it runs a build.
    SkinStyles(QWidget *window, ProfilesPanel &profiles, StyleDocument &document);
    ~SkinStyles() override; // gives the colour dialog the user's own custom colours back

    QList<QAction *> actions() const { return m_actions; } // in the menu's order
    void readPalette(const QString &skinPath);             // of the skin just selected, in the background
    // The colour dialog's custom colours: `colours` first, the user's own in the slots they leave.
    void offerColours(const QVector<QColor> &colours);

signals:
    void jobStarted(const QString &status, QFutureWatcherBase *job);
    void jobFinished();

private:
    void takeColoursFromSkin();
    void offerPalette(const QString &path, const skinpalette::Result &result);
    void restoreCustomColours();
    void styleFromSkin(bool pickAccent);
    void applyStyleFromPalette(const std::optional<QColor> &accent);

    QWidget *m_window;
    QList<QAction *> m_actions;
    QString m_selectedSkin; // the skin "Create Skin" modifies
    ProfilesPanel &m_profiles;
    StyleDocument &m_document;
    QString m_paletteSkin; // the skin whose palette `m_paletteSwatches` is
    QVector<skinpalette::Swatch> m_paletteSwatches;
    int m_paletteReading = 0;          // counts requests, so that only the last one is shown
    QVector<QRgb> m_userCustomColours; // the colour dialog's own, while a skin's palette is in it
};
