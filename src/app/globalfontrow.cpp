// SPDX-License-Identifier: GPL-3.0-or-later
#include "globalfontrow.h"

#include "dialogs.h"
#include "editorrows.h"
#include "skin/skinbuildoptions.h"
#include "theme.h"
#include "ui_createskinpanel.h"
#include "unitinfield.h"

#include <QFontInfo>
#include <QRegularExpressionValidator>

namespace {
// The "%" sits inside the white size field, so it stays dark in either theme.
TextState percentState(bool enabled)
{
    return enabled ? TextState::InField : TextState::InFieldGreyed;
}
} // namespace

GlobalFontRow::GlobalFontRow(Ui::CreateSkinPanel &form, QWidget *panel)
    : QObject(panel), ui(form), m_panel(panel)
{
    connect(ui.globalFontButton, &QPushButton::clicked, this, &GlobalFontRow::choose);
    connect(ui.globalFontBox, &QAbstractButton::clicked, this, &GlobalFontRow::toggled);
    ui.globalFontButton->setEnabled(false);
    ui.globalSizeField->setEnabled(false);
    ui.globalSizeHint->setVisible(false);
    putUnitInField(ui.globalSizePercent, ui.globalSizeField);
    ui.globalSizeField->setValidator(new QRegularExpressionValidator(percentagePattern(), this));
    ui.globalFontLabel->setText(fontNameText(m_name));
    for (QWidget *label :
         {static_cast<QWidget *>(ui.globalFontLabel), static_cast<QWidget *>(ui.globalSizeCaption)})
        showTextState(label, TextState::Greyed, m_theme);
    showTextState(ui.globalSizePercent, percentState(false), m_theme);
}

void GlobalFontRow::choose()
{
    bool confirmed = false;
    // It reopens at the current choice; until there is one, at the skin font most skins use.
    const QFont initial =
        m_name.isEmpty() ? QFont(QStringLiteral("Arial"), 20, QFont::Normal, false) : m_font;
    const QFont chosen = Dialogs::getFont(&confirmed, initial, m_panel);
    if (!confirmed)
        return;
    m_font = Dialogs::unchangedInFontDialog(chosen, initial) ? initial : chosen;
    m_name = m_font == initial ? initial.family() : QFontInfo(m_font).family();
    ui.globalFontLabel->setText(fontNameText(m_name));
}

void GlobalFontRow::toggled()
{
    const bool enabled = ui.globalFontBox->isChecked();
    ui.globalFontButton->setEnabled(enabled);
    ui.globalSizeField->setEnabled(enabled);
    ui.globalSizeHint->setVisible(enabled);
    for (QWidget *label :
         {static_cast<QWidget *>(ui.globalFontLabel), static_cast<QWidget *>(ui.globalSizeCaption)})
        showTextState(label, enabled ? TextState::Normal : TextState::Greyed, m_theme);
    showTextState(ui.globalSizePercent, percentState(enabled), m_theme);
}
