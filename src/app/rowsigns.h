// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Warning signs on the colour rows: a text hard to read on a background it is drawn on, and rows
// that some eyes could not tell apart. Each sign sits on its row's swatch, hidden until it has
// something to say; its tip says what.

#include "editorrows.h"
#include "style/style.h"

#include <QCoreApplication>
#include <QHash>

class QLabel;
class QTabWidget;

class RowSigns
{
    Q_DECLARE_TR_FUNCTIONS(RowSigns)

public:
    // `pages` are the settings pages, whose tab texts name a row's page.
    explicit RowSigns(const QTabWidget *pages);

    void addForPage(int page, const EditorRows &rows); // when the page gets its rows
    void show(const Style &style);

private:
    QLabel *addSign(const EditorRows &rows, int key, stylekeys::RowPart sign, int slot);
    void showVision(const Style &style);

    const QTabWidget *m_pages;
    QHash<int, QLabel *> m_contrast; // by colour key index
    QHash<int, QLabel *> m_vision;
};
