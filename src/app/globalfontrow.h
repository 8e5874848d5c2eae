// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The "Global font" row of "Create Skin": whether the skin's own fonts are replaced, by which
// family (chosen in the font dialog) and at which size.

#include "theme.h"

#include <QFont>
#include <QObject>

namespace Ui {
class CreateSkinPanel;
}
class QWidget;

class GlobalFontRow : public QObject
{
    Q_OBJECT

public:
    // `form` is the Create Skin panel's: the row works on its own widgets in it only.
    GlobalFontRow(Ui::CreateSkinPanel &form, QWidget *panel);

    // The family chosen, empty until one is.
    QString name() const { return m_name; }
    void setTheme(ThemeChoice theme) { m_theme = theme; }

private:
    void choose();
    void toggled();

    Ui::CreateSkinPanel &ui;
    QWidget *m_panel;
    ThemeChoice m_theme = ThemeChoice::Dark;
    QFont m_font;
    QString m_name;
};
