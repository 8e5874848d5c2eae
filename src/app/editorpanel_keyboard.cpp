// The editor's rows and the keyboard: the Tab order of a page, names for screen readers, and a
// colour typed or pasted as text.

#include "editorpanel.h"
#include "style/colourtext.h"
#include "ui_mainwindow.h"

#include <QLabel>
#include <algorithm>
#include <tuple>

void EditorPanel::putPageInTabOrder(int page)
{
    // Column by column (the pages hold up to three), each from top to bottom.
    const auto column = [](const QWidget *widget) { return widget->x() / 330; };
    QWidgetList widgets;
    for (QWidget *widget :
         ui.settingsPages->widget(page)->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (widget->focusPolicy() & Qt::TabFocus)
            widgets << widget;
    std::sort(widgets.begin(), widgets.end(), [&column](const QWidget *a, const QWidget *b) {
        return std::make_tuple(column(a), a->y(), a->x()) < std::make_tuple(column(b), b->y(), b->x());
    });
    QWidget *previous = ui.settingsPages;
    for (QWidget *widget : widgets)
        QWidget::setTabOrder(previous, widget), previous = widget;
}

QString EditorPanel::rowName(int index, bool font) const
{
    const stylekeys::Page page = font ? stylekeys::fontGroups[index].page : stylekeys::colourKeys[index].page;
    const char *caption = font ? stylekeys::fontGroups[index].caption : stylekeys::colourKeys[index].caption;
    return tr("%1 › %2").arg(ui.settingsPages->tabText(int(page)).remove(QLatin1Char('&')),
                             QCoreApplication::translate("stylekeys", caption));
}

void EditorPanel::nameRowsForScreenReaders(int page)
{
    const QString pageName = ui.settingsPages->tabText(page).remove(QLatin1Char('&'));
    const auto name = [&pageName](QWidget *widget, const QLabel *caption, const QString &part) {
        if (widget)
            widget->setAccessibleName(tr("%1, %2: %3").arg(pageName, caption->text(), part));
    };
    for (const ColourRow &row : m_rows.colours) {
        if (!row.pick || row.pick->parentWidget() != ui.settingsPages->widget(page))
            continue;
        name(row.pick, row.caption, tr("colour"));
        name(row.reset, row.caption, tr("reset"));
        name(row.transparency, row.caption, tr("transparent"));
        name(row.value, row.caption, tr("value"));
        name(row.swatch, row.caption, tr("swatch"));
    }
    for (const FontRow &row : m_rows.fonts) {
        if (!row.font || row.font->parentWidget() != ui.settingsPages->widget(page))
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
