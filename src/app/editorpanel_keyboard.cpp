// The editor's rows and the keyboard: the Tab order of a page, names for screen readers, and
// copying, pasting and typing a row's colour as text.

#include "editorpanel.h"
#include "inlineedit.h"
#include "style/colourtext.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <algorithm>
#include <tuple>

void EditorPanel::putPageInTabOrder(int page)
{
    // Column by column (the pages hold up to three), each from top to bottom.
    const auto column = [](const QWidget *widget) { return widget->x() / 330; };
    QWidgetList widgets;
    for (QWidget *widget :
         ui.tabWidget->widget(page)->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (widget->focusPolicy() & Qt::TabFocus)
            widgets << widget;
    std::sort(widgets.begin(), widgets.end(), [&column](const QWidget *a, const QWidget *b) {
        return std::make_tuple(column(a), a->y(), a->x()) < std::make_tuple(column(b), b->y(), b->x());
    });
    QWidget *previous = ui.tabWidget;
    for (QWidget *widget : widgets)
        QWidget::setTabOrder(previous, widget), previous = widget;
}

QString EditorPanel::rowName(int index, bool font) const
{
    const stylekeys::Page page = font ? stylekeys::fontGroups[index].page : stylekeys::colourKeys[index].page;
    const char *caption = font ? stylekeys::fontGroups[index].caption : stylekeys::colourKeys[index].caption;
    return tr("%1 › %2").arg(ui.tabWidget->tabText(int(page)).remove(QLatin1Char('&')),
                             QCoreApplication::translate("stylekeys", caption));
}

void EditorPanel::nameRowsForScreenReaders(int page)
{
    const QString pageName = ui.tabWidget->tabText(page).remove(QLatin1Char('&'));
    const auto name = [&pageName](QWidget *widget, const QLabel *caption, const QString &part) {
        if (widget)
            widget->setAccessibleName(tr("%1, %2: %3").arg(pageName, caption->text(), part));
    };
    for (const ColourRow &row : m_rows.colours) {
        if (!row.pick || row.pick->parentWidget() != ui.tabWidget->widget(page))
            continue;
        name(row.pick, row.caption, tr("colour"));
        name(row.reset, row.caption, tr("reset"));
        name(row.transparency, row.caption, tr("transparent"));
        name(row.value, row.caption, tr("value"));
        name(row.swatch, row.caption, tr("swatch"));
    }
    for (const FontRow &row : m_rows.fonts) {
        if (!row.font || row.font->parentWidget() != ui.tabWidget->widget(page))
            continue;
        name(row.font, row.caption, tr("font"));
        name(row.reset, row.caption, tr("reset"));
    }
}

void EditorPanel::offerCopyAndPaste(int key)
{
    const ColourRow &row = m_rows.colours[std::size_t(key)];
    // Ctrl+C and Ctrl+V are the Edit menu's, for the focused row; the row's own menu shows them.
    auto *copy = new QAction(tr("&Copy Colour"), row.pick);
    auto *paste = new QAction(tr("&Paste Colour"), row.pick);
    connect(copy, &QAction::triggered, this, [this, key] { copyColour(key); });
    connect(paste, &QAction::triggered, this, [this, key] { pasteColour(key); });
    // The value itself can be typed over, with the same rules as a paste: by a double-click, or
    // F2 or Enter on the focused row.
    const auto typeOver =
        makeTypable(row.value, [this, key](const QString &typed) { setColourFromText(key, typed); });
    auto *type = new QAction(tr("&Type Colour"), row.pick);
    type->setShortcuts({Qt::Key_F2, Qt::Key_Return, Qt::Key_Enter});
    type->setShortcutContext(Qt::WidgetShortcut);
    connect(type, &QAction::triggered, this, typeOver);
    for (QWidget *part : {static_cast<QWidget *>(row.pick), static_cast<QWidget *>(row.swatch),
                          static_cast<QWidget *>(row.value)}) {
        part->addActions({copy, paste, type});
        part->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

void EditorPanel::copyColour(int key)
{
    QGuiApplication::clipboard()->setText(m_rows.colours[std::size_t(key)].value->text());
}

void EditorPanel::pasteColour(int key)
{
    setColourFromText(key, QGuiApplication::clipboard()->text());
}

int EditorPanel::focusedRow() const
{
    const QWidget *focused = QApplication::focusWidget();
    for (int key = 0; focused && key < stylekeys::colourKeyCount; ++key) {
        const ColourRow &row = m_rows.colours[std::size_t(key)];
        if (focused == row.pick || focused == row.swatch || focused == row.value)
            return key;
    }
    return -1;
}

void EditorPanel::addCopyAndPasteToMenu()
{
    auto *copy = new QAction(tr("&Copy"), m_editMenu);
    copy->setObjectName(QStringLiteral("actionCopy"));
    copy->setShortcut(QKeySequence::Copy);
    auto *paste = new QAction(tr("&Paste"), m_editMenu);
    paste->setObjectName(QStringLiteral("actionPaste"));
    paste->setShortcut(QKeySequence::Paste);
    // A text field keeps its own Ctrl+C and Ctrl+V; the menu's entries reach it too.
    connect(copy, &QAction::triggered, this, [this] {
        if (auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            field->copy();
        else if (focusedRow() >= 0)
            copyColour(focusedRow());
    });
    connect(paste, &QAction::triggered, this, [this] {
        if (auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            field->paste();
        else if (focusedRow() >= 0)
            pasteColour(focusedRow());
    });
    // An open menu takes the focus for a moment; what it acts on is where the focus was.
    connect(qApp, &QApplication::focusChanged, this, [this, copy, paste](QWidget *, QWidget *now) {
        if (now && now->window()->windowType() == Qt::Popup)
            return;
        const bool usable = qobject_cast<QLineEdit *>(now) || focusedRow() >= 0;
        copy->setEnabled(usable);
        paste->setEnabled(usable);
    });
    m_editMenu->addSeparator();
    m_editMenu->addActions({copy, paste});
}

void EditorPanel::setColourFromText(int key, const QString &text)
{
    const std::optional<QColor> colour =
        colourFromText(text, *stylekeys::colourKeys[key].transparency != '\0');
    if (!colour) {
        emit remark(tr("\"%1\" is not a colour this row can take").arg(text.left(40)));
        return;
    }
    applyEdit(StyleEdit::pickColour(key, *colour));
}
