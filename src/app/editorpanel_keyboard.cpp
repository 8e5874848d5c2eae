// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's rows and the keyboard: the Tab order of a page, names for screen readers, and a
// colour typed or pasted as text.

#include "colourswatch.h"
#include "editorpanel.h"
#include "style/colourtext.h"
#include "ui_editorpanel.h"

#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <tuple>

namespace {
// The widgets of a layout in reading order: a grid's row by row, a box's in its order.
void collectInOrder(QLayout *layout, QWidgetList &widgets)
{
    QVector<std::tuple<int, int, QLayoutItem *>> items;
    auto *grid = qobject_cast<QGridLayout *>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        int row = 0, column = i, rowSpan = 0, columnSpan = 0;
        if (grid)
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        items.append({row, column, layout->itemAt(i)});
    }
    std::sort(items.begin(), items.end(), [](const auto &a, const auto &b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    for (const auto &entry : items) {
        QLayoutItem *item = std::get<2>(entry);
        if (item->layout())
            collectInOrder(item->layout(), widgets);
        else if (QWidget *widget = item->widget(); widget && (widget->focusPolicy() & Qt::TabFocus))
            widgets << widget;
    }
}
} // namespace

void EditorPanel::putPageInTabOrder(int page)
{
    // Column by column (the pages hold up to three), each from top to bottom.
    QWidgetList widgets;
    collectInOrder(ui->settingsPages->widget(page)->layout(), widgets);
    QWidget *previous = ui->settingsPages;
    for (QWidget *widget : widgets)
        QWidget::setTabOrder(previous, widget), previous = widget;
}

QString EditorPanel::rowName(int index, bool font) const
{
    return ::rowName(ui->settingsPages, index, font);
}

void EditorPanel::nameRowsForScreenReaders(int page)
{
    const QString pageName = ui->settingsPages->tabText(page).remove(QLatin1Char('&'));
    const auto name = [&pageName](QWidget *widget, const QLabel *caption, const QString &part) {
        if (widget)
            widget->setAccessibleName(tr("%1, %2: %3").arg(pageName, caption->text(), part));
    };
    for (const ColourRow &row : m_rows.colours) {
        if (!row.pick || row.pick->parentWidget() != ui->settingsPages->widget(page))
            continue;
        name(row.pick, row.caption, tr("colour"));
        name(row.reset, row.caption, tr("reset"));
        name(row.transparency, row.caption, tr("transparent"));
        name(row.value, row.caption, tr("value"));
        name(row.swatch, row.caption, tr("swatch"));
    }
    for (const FontRow &row : m_rows.fonts) {
        if (!row.font || row.font->parentWidget() != ui->settingsPages->widget(page))
            continue;
        name(row.font, row.caption, tr("font"));
        name(row.reset, row.caption, tr("reset"));
    }
}

void EditorPanel::setColourFromText(int key, const QString &text)
{
    const std::optional<QColor> colour = colourFromText(text, stylekeys::colourKeys[key].transparent);
    if (!colour) {
        emit remark(tr("\"%1\" is not a colour this row can take").arg(text.left(40)));
        return;
    }
    applyEdit(StyleEdit::pickColour(key, *colour));
}
