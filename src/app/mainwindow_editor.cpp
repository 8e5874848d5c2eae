// The colour and font rows of the settings pages: showing the current style and editing it.

#include "dialogs.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QFontInfo>

using stylekeys::colourKeys;
using stylekeys::fontGroups;

namespace {
// Rows with behaviour of their own.
struct SpecialRows
{
    int background, infoBackground, stripes, over, overStripes;
};

const SpecialRows &special()
{
    const auto index = [](const char *key) { return stylekeys::colourIndex(QLatin1String(key)); };
    static const SpecialRows rows{index("backgroundcolor"), index("info_background"), index("list_stripes"),
                                  index("list_over"), index("list_overstripes")};
    return rows;
}

QString keyName(int key)
{
    return QLatin1String(colourKeys[key].key);
}

void setBaseColour(QWidget *swatch, const QColor &colour)
{
    QPalette palette;
    palette.setBrush(QPalette::Base, QBrush(colour));
    swatch->setPalette(palette);
}
} // namespace

void MainWindow::wireEditorRows()
{
    for (int key = 0; key < stylekeys::colourKeyCount; ++key) {
        const ColourRow &row = rows.colours[std::size_t(key)];
        connect(row.pick, &QPushButton::clicked, this, [this, key] { pickColour(key); });
        connect(row.reset, &QPushButton::clicked, this, [this, key] { resetColour(key); });
        if (row.transparency)
            connect(row.transparency, &QPushButton::clicked, this, [this, key] { makeTransparent(key); });
    }
    for (int group = 0; group < stylekeys::fontGroupCount; ++group) {
        const FontRow &row = rows.fonts[std::size_t(group)];
        connect(row.font, &QPushButton::clicked, this, [this, group] { pickFont(group); });
        connect(row.reset, &QPushButton::clicked, this, [this, group] { resetFont(group); });
    }
}

void MainWindow::initcolors()
{
    QPalette selectedFilePalette;
    selectedFilePalette.setColor(QPalette::Text, QColor(labelcolor));
    ui->selectedfile->setPalette(selectedFilePalette);

    for (int key = 0; key < stylekeys::colourKeyCount; ++key) {
        showColour(key);
        rows.colours[std::size_t(key)].swatch->setEnabled(false);
    }
    for (int key = 0; key < stylekeys::colourKeyCount; ++key) {
        // The info background is compared as text, so a table value written in another form
        // (upper case, with alpha) offers a reset back to exactly what the table says.
        const bool modified =
            key == special().infoBackground
                ? colourName(style.colours[std::size_t(key)], false) != styletable.value(keyName(key))
                : differsFromTable(key);
        rows.colours[std::size_t(key)].reset->setEnabled(modified);
    }
    for (int group = 0; group < stylekeys::fontGroupCount; ++group) {
        rows.fonts[std::size_t(group)].reset->setEnabled(false);
        showFont(group);
    }
}

void MainWindow::showColour(int key)
{
    const ColourRow &row = rows.colours[std::size_t(key)];
    setBaseColour(row.swatch, style.colours[std::size_t(key)]);
    row.value->setText(colourName(style.colours[std::size_t(key)], colourKeys[key].alpha));
}

bool MainWindow::differsFromTable(int key) const
{
    return style.colours[std::size_t(key)] != tablefile::tableColour(styletable, keyName(key));
}

void MainWindow::updateResetButton(int key)
{
    rows.colours[std::size_t(key)].reset->setEnabled(differsFromTable(key));
}

void MainWindow::pickColour(int key)
{
    const QString title = key == special().background ? tr("Pick a color") : QString();
    const QColor chosen = Dialogs::getColor(style.colours[std::size_t(key)], this, title);
    if (!chosen.isValid())
        return;
    style.colours[std::size_t(key)] = chosen;
    if (key == special().stripes) {
        stripesChanged();
        return;
    }
    showColour(key);
    updateResetButton(key);
    if (key == special().over)
        overChanged();
    refreshPreview(key, colourKeys[key].refresh);
}

void MainWindow::resetColour(int key)
{
    style.colours[std::size_t(key)] = tablefile::tableColour(styletable, keyName(key));
    if (key == special().stripes) {
        stripesChanged();
        return;
    }
    showColour(key);
    rows.colours[std::size_t(key)].reset->setEnabled(false);
    if (key == special().over)
        overChanged();
    refreshPreview(key, colourKeys[key].refresh);
}

void MainWindow::makeTransparent(int key)
{
    if (key == special().stripes) {
        stripesMadeTransparent();
        return;
    }
    style.colours[std::size_t(key)] = QColor(Qt::transparent);
    showColour(key);
    rows.colours[std::size_t(key)].reset->setEnabled(true);
    refreshPreview(key, stylekeys::RefreshLists);
}

void MainWindow::refreshPreview(int key, unsigned refresh)
{
    QStringList widgets;
    for (const char *name : colourKeys[key].restyles)
        widgets << QLatin1String(name);
    restyle(widgets);
    if (refresh & stylekeys::RefreshLists)
        updatebrowsercolors();
    if (refresh & stylekeys::RefreshGrids)
        updategrids();
    if (refresh & stylekeys::RefreshPlugin)
        updateplugin();
}

// While the stripes are transparent the list draws no alternate lines, so the over-stripes
// colour follows the over colour and its row is out of use.
void MainWindow::stripesMadeTransparent()
{
    style.colours[std::size_t(special().stripes)] = QColor(Qt::transparent);
    style.colours[std::size_t(special().overStripes)] = style.colours[std::size_t(special().over)];
    showColour(special().stripes);
    showColour(special().overStripes);
    const ColourRow &overStripes = rows.colours[std::size_t(special().overStripes)];
    overStripes.pick->setEnabled(false);
    overStripes.reset->setEnabled(false);
    greyLabel(overStripes.caption, true);
    greyLabel(overStripes.value, true);
    rows.colours[std::size_t(special().stripes)].reset->setEnabled(true);
    ui->listWidget_2->setAlternatingRowColors(false);
    ui->listWidget_3->setAlternatingRowColors(false);
    updatebrowsercolors();
}

void MainWindow::stripesChanged()
{
    const ColourRow &overStripes = rows.colours[std::size_t(special().overStripes)];
    updateResetButton(special().overStripes);
    greyLabel(overStripes.caption, false);
    greyLabel(overStripes.value, false);
    showColour(special().stripes);
    updateResetButton(special().stripes);
    ui->listWidget_2->setAlternatingRowColors(true);
    ui->listWidget_3->setAlternatingRowColors(true);
    overStripes.pick->setEnabled(true);
    updatebrowsercolors();
}

void MainWindow::overChanged()
{
    if (style.colours[std::size_t(special().stripes)] != QColor(Qt::transparent))
        return;
    style.colours[std::size_t(special().overStripes)] = style.colours[std::size_t(special().over)];
    showColour(special().overStripes);
}

void MainWindow::showFont(int group)
{
    const FontRow &row = rows.fonts[std::size_t(group)];
    const FontSpec &font = style.fonts[std::size_t(group)];
    row.name->setText(QStringLiteral("Name : ") + font.family);
    row.size->setText(QStringLiteral("Size : ") + QString::number(font.size));
    row.weight->setText(QStringLiteral("Weight : ") + font.weight);
}

void MainWindow::pickFont(int group)
{
    FontSpec &font = style.fonts[std::size_t(group)];
    const QFont initial(font.family, font.size,
                        font.weight == QLatin1String("Bold") ? QFont::Bold : QFont::Normal, false);
    bool confirmed = false;
    fontdialogresults[std::size_t(group)] = Dialogs::getFont(&confirmed, initial, this);
    if (!confirmed)
        return;
    // What the system actually supplies, not what was asked for.
    const QFontInfo resolved(fontdialogresults[std::size_t(group)]);
    font.weight = resolved.weight() <= QFont::Normal ? QStringLiteral("Normal") : QStringLiteral("Bold");
    font.family = resolved.family();
    font.size = resolved.pointSize();
    showFont(group);
    rows.fonts[std::size_t(group)].reset->setEnabled(font !=
                                                     tablefile::tableFont(styletable, fontGroups[group]));
    updateplugin();
}

void MainWindow::resetFont(int group)
{
    style.fonts[std::size_t(group)] = tablefile::tableFont(styletable, fontGroups[group]);
    showFont(group);
    rows.fonts[std::size_t(group)].reset->setEnabled(false);
    if (fontGroups[group].resetRefreshesPlugin)
        updateplugin();
}

void MainWindow::on_globalfontbutton_clicked()
{
    bool confirmed = false;
    globalfont = Dialogs::getFont(&confirmed, QFont(QStringLiteral("Arial"), 20, QFont::Normal, false), this);
    if (!confirmed)
        return;
    globalfontname = QFontInfo(globalfont).family();
    ui->font_label_2->setText(QStringLiteral("Name : ") + globalfontname);
}

void MainWindow::on_checkBox_globalfont_clicked()
{
    const bool enabled = ui->checkBox_globalfont->isChecked();
    ui->globalfontbutton->setEnabled(enabled);
    ui->globalsize->setEnabled(enabled);
    ui->floatlabel_4->setVisible(enabled);
    for (QWidget *label : {static_cast<QWidget *>(ui->font_label_2), static_cast<QWidget *>(ui->label_82),
                           static_cast<QWidget *>(ui->label_83)})
        greyLabel(label, !enabled);
}

void MainWindow::on_resetfontgridtites_2_clicked()
{
    ui->lineheight->setText(QStringLiteral("100"));
    lineheightvalue = 100;
}
