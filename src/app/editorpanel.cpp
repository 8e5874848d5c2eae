// SPDX-License-Identifier: GPL-3.0-or-later
// The colour and font rows of the settings pages: showing the current style and editing it.

#include "editorpanel.h"

#include "colourswatch.h"
#include "dialogs.h"
#include "rowclipboard.h"
#include "rowsigns.h"
#include "screenreadernames.h"
#include "skin/skinbuildoptions.h"
#include "styledocument.h"
#include "tabwheel.h"
#include "theme.h"
#include "ui_editorpanel.h"
#include "unitinfield.h"

#include <QFontInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QUndoStack>

using stylekeys::colourKeys;

namespace {
int overStripesRow()
{
    static const int row = stylekeys::colourIndex(QStringLiteral("list_overstripes"));
    return row;
}

// A colour that is not opaque is shown over a checkerboard, so its transparency can be seen.
QBrush swatchBrush(const QColor &colour)
{
    if (colour.alpha() == 255)
        return QBrush(colour);
    constexpr int square = 5;
    QPixmap tile(2 * square, 2 * square);
    tile.fill(QColor(204, 204, 204));
    QPainter painter(&tile);
    painter.fillRect(0, 0, square, square, QColor(128, 128, 128));
    painter.fillRect(square, square, square, square, QColor(128, 128, 128));
    painter.fillRect(tile.rect(), colour);
    return QBrush(tile);
}

void setBaseColour(QWidget *swatch, const QColor &colour)
{
    QPalette palette;
    palette.setBrush(QPalette::Base, swatchBrush(colour));
    swatch->setPalette(palette);
}

// Typing into the line-height field is one undo step, not one per key.
constexpr int lineHeightMergeKey = 1;

} // namespace

EditorPanel::EditorPanel(StyleDocument &document, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::EditorPanel>()), m_document(document)
{
    ui->setupUi(this);
    passTabWheelToForm(ui->settingsPages);
    m_signs = std::make_unique<RowSigns>(ui->settingsPages);
    setUpEditHistory();
    putUnitInField(ui->lineHeightPercent, ui->lineHeightField);
    // The "%" sits inside a white entry field, whatever the theme.
    showTextState(ui->lineHeightPercent, TextState::InField, m_theme);
    // The field takes whole numbers from 1 to 999 from the first keystroke on.
    ui->lineHeightField->setValidator(new QRegularExpressionValidator(percentagePattern(), this));
    connect(ui->lineHeightField, &QLineEdit::textChanged, this,
            [this](const QString &text) { applyEdit(StyleEdit::setLineHeight(percentageFromText(text))); });
    connect(ui->resetLineHeightButton, &QAbstractButton::clicked, this, &EditorPanel::resetLineHeight);
    // A page gets its rows when first shown: start-up builds only the page it shows.
    connect(ui->settingsPages, &QTabWidget::currentChanged, this, &EditorPanel::buildEditorPage);
    m_clipboard = new RowClipboard(m_rows, m_editMenu, this);
    connect(m_clipboard, &RowClipboard::textGiven, this, &EditorPanel::setColourFromText);
    setUpFind();
    connect(&m_document, &StyleDocument::changed, this, &EditorPanel::showChanges);
    nameForScreenReaders(
        this, {{ui->lineHeightField, QT_TRANSLATE_NOOP("ScreenReaderNames", "Line height in percent")},
               {ui->resetLineHeightButton, QT_TRANSLATE_NOOP("ScreenReaderNames", "Reset the line height")}});
    connect(ui->changeColoursBox, &QAbstractButton::clicked, this, [this] {
        showEditing();
        emit editingToggled(isEditing());
    });
    connect(ui->showPreviewBox, &QAbstractButton::clicked, this,
            [this] { emit previewToggled(previewWanted()); });
    connect(ui->resetAllButton, &QAbstractButton::clicked, this, &EditorPanel::resetAllRequested);
    // Editing from the start; the preview (unticked in the form) waits to be asked for.
    ui->changeColoursBox->setChecked(true);
    showEditing();
}

bool EditorPanel::isEditing() const
{
    return ui->changeColoursBox->isChecked();
}

void EditorPanel::setVisible(bool visible)
{
    if (visible)
        buildEditorPage(ui->settingsPages->currentIndex());
    QWidget::setVisible(visible);
}

bool EditorPanel::previewWanted() const
{
    return isEditing() && ui->showPreviewBox->isChecked();
}

void EditorPanel::showEditing()
{
    const bool editing = isEditing();
    for (QWidget *widget :
         {static_cast<QWidget *>(ui->showPreviewBox), static_cast<QWidget *>(ui->showPreviewLabel),
          static_cast<QWidget *>(ui->settingsPages), static_cast<QWidget *>(ui->resetAllButton)})
        widget->setVisible(editing);
}

void EditorPanel::setBusy(bool busy)
{
    for (QWidget *widget :
         {static_cast<QWidget *>(ui->changeColoursBox), static_cast<QWidget *>(ui->lineHeightField),
          static_cast<QWidget *>(ui->resetAllButton)})
        widget->setEnabled(!busy);
}

EditorPanel::~EditorPanel() = default;

void EditorPanel::greyLabel(QWidget *label, bool greyed)
{
    showTextState(label, greyed ? TextState::Greyed : TextState::Normal, m_theme);
}

void EditorPanel::buildEditorPage(int page)
{
    if (page < 0 || m_builtPages.contains(page))
        return;
    m_builtPages.insert(page);
    ::buildEditorPage(ui->settingsPages, page, m_rows);
    for (int key = 0; key < stylekeys::colourKeyCount; ++key) {
        const ColourRow &row = m_rows.colours[std::size_t(key)];
        if (int(colourKeys[key].page) != page)
            continue;
        connect(row.pick, &QPushButton::clicked, this, [this, key] { pickColour(key); });
        // The swatch only shows the colour; the row's button is where the focus stops.
        row.swatch->setFocusPolicy(Qt::NoFocus);
        m_clipboard->offerOn(key);
        connect(row.reset, &QPushButton::clicked, this,
                [this, key] { applyEdit(StyleEdit::resetColour(key)); });
        if (row.transparency)
            connect(row.transparency, &QPushButton::clicked, this,
                    [this, key] { applyEdit(StyleEdit::makeTransparent(key)); });
        showColour(key);
    }
    for (int group = 0; group < stylekeys::fontGroupCount; ++group) {
        const FontRow &row = m_rows.fonts[std::size_t(group)];
        if (int(stylekeys::fontGroups[group].page) != page)
            continue;
        connect(row.font, &QPushButton::clicked, this, [this, group] { pickFont(group); });
        connect(row.reset, &QPushButton::clicked, this,
                [this, group] { applyEdit(StyleEdit::resetFont(group)); });
        showFont(group);
    }
    nameRowsForScreenReaders(page);
    putPageInTabOrder(page);
    m_signs->addForPage(page, m_rows);
    QWidget *pageWidget = ui->settingsPages->widget(page);
    emit widgetsAdded(pageWidget);
    showRowStates(m_document.rowStates());
    m_signs->show(m_document.style());
    // New children of a page already on screen stay hidden until told (the signs were told). Each
    // one shown would lay the page out again: the page is laid out once, when all are.
    if (pageWidget->isVisible()) {
        pageWidget->layout()->setEnabled(false);
        for (QWidget *child : pageWidget->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide))
                child->show();
        pageWidget->layout()->setEnabled(true);
        pageWidget->layout()->activate();
    }
}

void EditorPanel::applyEdit(const StyleEdit &edit)
{
    const EditorValues before = m_document.values();
    const StyleEdit::Result result = edit.apply(before, m_document.table());
    const bool typing = result.changes.lineHeight && result.changes.colours.isEmpty();
    m_document.record(before, result.values,
                      edit.description([this](int index, bool font) { return rowName(index, font); }),
                      typing ? lineHeightMergeKey : -1);
}

void EditorPanel::showChanges(const ValueChanges &changes)
{
    if (changes.lineHeight)
        showLineHeight();
    for (int key : changes.colours)
        showColour(key);
    for (int group : changes.fonts)
        showFont(group);
    showRowStates(m_document.rowStates());
    m_signs->show(m_document.style());
}

void EditorPanel::showLineHeight()
{
    const int lineHeight = m_document.lineHeight();
    if (percentageFromText(ui->lineHeightField->text()) != lineHeight)
        ui->lineHeightField->setText(lineHeight > 0 ? QString::number(lineHeight) : QString());
}

void EditorPanel::showAllValues()
{
    showChanges(StyleDocument::everything());
}

void EditorPanel::showRowStates(const RowStates &states)
{
    // Rows of pages not shown yet are null; building a page shows its states.
    for (int key = 0; key < stylekeys::colourKeyCount; ++key)
        if (QPushButton *reset = m_rows.colours[std::size_t(key)].reset)
            reset->setEnabled(states.colourModified[std::size_t(key)]);
    for (int group = 0; group < stylekeys::fontGroupCount; ++group)
        if (QPushButton *reset = m_rows.fonts[std::size_t(group)].reset)
            reset->setEnabled(states.fontModified[std::size_t(group)]);
    const ColourRow &overStripes = m_rows.colours[std::size_t(overStripesRow())];
    if (overStripes.pick) {
        overStripes.pick->setEnabled(states.stripesShown);
        greyLabel(overStripes.caption, !states.stripesShown);
        greyLabel(overStripes.value, !states.stripesShown);
    }
}

void EditorPanel::showColour(int key)
{
    const ColourRow &row = m_rows.colours[std::size_t(key)];
    if (!row.swatch)
        return; // shown when its page is built
    const QColor &colour = m_document.style().colours[std::size_t(key)];
    setBaseColour(row.swatch, colour);
    row.value->setText(colourName(colourKeys[key], colour));
}

void EditorPanel::pickColour(int key)
{
    // The dialog says which row it edits; on rows that can be transparent, any opacity can be chosen.
    const bool alpha = colourKeys[key].transparent;
    const QColor chosen =
        Dialogs::getColor(m_document.style().colours[std::size_t(key)], this, rowName(key, false), alpha);
    if (chosen.isValid())
        applyEdit(StyleEdit::pickColour(key, chosen));
}

void EditorPanel::showFont(int group)
{
    const FontRow &row = m_rows.fonts[std::size_t(group)];
    if (!row.name)
        return; // shown when its page is built
    const FontSpec &font = m_document.style().fonts[std::size_t(group)];
    row.name->setText(fontNameText(font.family));
    row.size->setText(fontSizeText(font.size));
    row.weight->setText(fontWeightText(font.weight));
}

void EditorPanel::pickFont(int group)
{
    const FontSpec &font = m_document.style().fonts[std::size_t(group)];
    const QFont initial(font.family, font.size, font.qtWeight(), false);
    bool confirmed = false;
    m_fontDialogResults[std::size_t(group)] = Dialogs::getFont(&confirmed, initial, this);
    if (!confirmed || Dialogs::unchangedInFontDialog(m_fontDialogResults[std::size_t(group)], initial))
        return;
    // What the system actually supplies, not what was asked for.
    const QFontInfo resolved(m_fontDialogResults[std::size_t(group)]);
    applyEdit(StyleEdit::pickFont(
        group, {resolved.family(), FontSpec::weightWord(resolved.weight()), resolved.pointSize()}));
}

void EditorPanel::resetLineHeight()
{
    applyEdit(StyleEdit::resetLineHeight());
}
