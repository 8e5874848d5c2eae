// The colour and font rows of the settings pages: showing the current style and editing it.

#include "dialogs.h"
#include "editcommand.h"
#include "mainwindow.h"
#include "rowsigns.h"
#include "skin/skinbuildoptions.h"
#include "ui_mainwindow.h"

#include <QFontInfo>
#include <QPainter>
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

void MainWindow::wireEditorRows()
{
    setUpEditHistory();
    connect(ui->lineheight, &QLineEdit::textChanged, this,
            [this](const QString &text) { applyEdit(StyleEdit::setLineHeight(percentageFromText(text))); });
    // A page gets its rows when first shown: start-up builds only the page it shows.
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &MainWindow::buildEditorPage);
}

void MainWindow::buildEditorPage(int page)
{
    if (page < 0 || m_builtPages.contains(page))
        return;
    m_builtPages.insert(page);
    ::buildEditorPage(ui->tabWidget, page, m_rows);
    for (int key = 0; key < stylekeys::colourKeyCount; ++key) {
        const ColourRow &row = m_rows.colours[std::size_t(key)];
        if (int(colourKeys[key].page) != page)
            continue;
        connect(row.pick, &QPushButton::clicked, this, [this, key] { pickColour(key); });
        offerCopyAndPaste(key);
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
    QWidget *pageWidget = ui->tabWidget->widget(page);
    registerNamedWidgets(pageWidget);
    showTooltips(m_showTooltips);
    showRowStates(rowStates(m_style, m_table));
    m_signs->show(m_style);
    // New children of a page already on screen stay hidden until told (the signs were told).
    if (pageWidget->isVisible())
        for (QWidget *child : pageWidget->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide))
                child->show();
}

EditorValues MainWindow::editorValues() const
{
    return {m_style, m_lineHeight};
}

void MainWindow::applyEdit(const StyleEdit &edit)
{
    const EditorValues before = editorValues();
    const StyleEdit::Result result = edit.apply(before, m_table);
    const bool typing = result.changes.lineHeight && result.changes.colours.isEmpty();
    pushEdit(before, result.values,
             edit.description([this](int index, bool font) { return rowName(index, font); }),
             typing ? lineHeightMergeKey : -1);
}

void MainWindow::pushEdit(const EditorValues &before, const EditorValues &after, const QString &text,
                          int mergeKey)
{
    if (changesBetween(before, after).isEmpty())
        return;
    m_undoStack->push(new EditCommand([this](const EditorValues &values) { showValues(values); }, before,
                                      after, text, mergeKey));
}

void MainWindow::showValues(const EditorValues &values)
{
    const ValueChanges changes = changesBetween(editorValues(), values);
    m_style = values.style;
    m_lineHeight = values.lineHeight;
    showLineHeight();

    for (int key : changes.colours)
        showColour(key);
    for (int group : changes.fonts)
        showFont(group);
    showRowStates(rowStates(m_style, m_table));
    refreshPreview();
    m_signs->show(m_style);
}

void MainWindow::showLineHeight()
{
    if (percentageFromText(ui->lineheight->text()) != m_lineHeight)
        ui->lineheight->setText(m_lineHeight > 0 ? QString::number(m_lineHeight) : QString());
}

void MainWindow::showAllValues()
{
    QPalette selectedFilePalette;
    selectedFilePalette.setColor(QPalette::Text, QColor(m_labelColour));
    ui->selectedfile->setPalette(selectedFilePalette);

    for (int key = 0; key < stylekeys::colourKeyCount; ++key)
        showColour(key);
    for (int group = 0; group < stylekeys::fontGroupCount; ++group)
        showFont(group);
    showRowStates(rowStates(m_style, m_table));
    m_signs->show(m_style);
}

void MainWindow::showRowStates(const RowStates &states)
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

void MainWindow::showColour(int key)
{
    const ColourRow &row = m_rows.colours[std::size_t(key)];
    if (!row.swatch)
        return; // shown when its page is built
    setBaseColour(row.swatch, m_style.colours[std::size_t(key)]);
    row.value->setText(colourName(colourKeys[key], m_style.colours[std::size_t(key)]));
}

void MainWindow::pickColour(int key)
{
    // The dialog says which row it edits; on rows that can be transparent, any opacity can be chosen.
    const bool alpha = *colourKeys[key].transparency != '\0';
    const QColor chosen =
        Dialogs::getColor(m_style.colours[std::size_t(key)], this, rowName(key, false), alpha);
    if (chosen.isValid())
        applyEdit(StyleEdit::pickColour(key, chosen));
}

void MainWindow::showFont(int group)
{
    const FontRow &row = m_rows.fonts[std::size_t(group)];
    if (!row.name)
        return; // shown when its page is built
    const FontSpec &font = m_style.fonts[std::size_t(group)];
    row.name->setText(fontNameText(font.family));
    row.size->setText(fontSizeText(font.size));
    row.weight->setText(fontWeightText(font.weight));
}

void MainWindow::pickFont(int group)
{
    const FontSpec &font = m_style.fonts[std::size_t(group)];
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

void MainWindow::resetLineHeight()
{
    applyEdit(StyleEdit::resetLineHeight());
}
