// The keyboard: the standard shortcuts, Quit, Enter to build, the Tab order, names for screen
// readers, and copying and pasting a row's colour as text.

#include "createskinpanel.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "inlineedit.h"
#include "style/colourtext.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <tuple>

void MainWindow::setUpKeyboard()
{
    ui->actionOpenProfile->setShortcut(QKeySequence::Open);
    ui->actionSave->setShortcut(QKeySequence::Save);
    // Some platforms bind no keys to Save As and Quit: these are the ones people expect here.
    ui->actionSave_as->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // Closing asks about unsaved edits, so Quit does too.
    auto *quit = new QAction(tr("&Quit"), this);
    quit->setObjectName(QStringLiteral("actionQuit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    ui->menuProfile->addSeparator();
    ui->menuProfile->addAction(quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    // Tab follows the form from top to bottom; a page's rows join after the tabs when built.
    const QWidget *order[] = {ui->chooseSkinButton,
                              ui->defaultIconsButton,
                              ui->alternativeIconsButton,
                              ui->whiteIconsButton,
                              ui->otherSkinIconsButton,
                              ui->chooseIconSkinButton,
                              ui->floatingBrowserBox,
                              ui->importWindowsBox,
                              ui->chooseWindowSkinButton,
                              ui->globalFontBox,
                              ui->globalfontbutton,
                              ui->globalsize,
                              ui->changeColoursBox,
                              ui->showPreviewBox,
                              ui->resetAllButton,
                              ui->tabWidget,
                              ui->skinfile,
                              ui->createSkinButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(const_cast<QWidget *>(order[i - 1]), const_cast<QWidget *>(order[i]));
}

void MainWindow::putPageInTabOrder(int page)
{
    // Column by column (the pages hold up to three), each from top to bottom.
    const auto column = [](const QWidget *widget) { return widget->x() / 330; };
    QWidgetList widgets;
    for (QWidget *widget :
         ui->tabWidget->widget(page)->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (widget->focusPolicy() & Qt::TabFocus)
            widgets << widget;
    std::sort(widgets.begin(), widgets.end(), [&column](const QWidget *a, const QWidget *b) {
        return std::make_tuple(column(a), a->y(), a->x()) < std::make_tuple(column(b), b->y(), b->x());
    });
    QWidget *previous = ui->tabWidget;
    for (QWidget *widget : widgets)
        setTabOrder(previous, widget), previous = widget;
}

QString MainWindow::rowName(int index, bool font) const
{
    const stylekeys::Page page = font ? stylekeys::fontGroups[index].page : stylekeys::colourKeys[index].page;
    const char *caption = font ? stylekeys::fontGroups[index].caption : stylekeys::colourKeys[index].caption;
    return tr("%1 › %2").arg(ui->tabWidget->tabText(int(page)).remove(QLatin1Char('&')),
                             QCoreApplication::translate("MainWindow", caption));
}

void MainWindow::nameRowsForScreenReaders(int page)
{
    const QString pageName = ui->tabWidget->tabText(page).remove(QLatin1Char('&'));
    const auto name = [&pageName](QWidget *widget, const QLabel *caption, const QString &part) {
        if (widget)
            widget->setAccessibleName(tr("%1, %2: %3").arg(pageName, caption->text(), part));
    };
    for (const ColourRow &row : m_rows.colours) {
        if (!row.pick || row.pick->parentWidget() != ui->tabWidget->widget(page))
            continue;
        name(row.pick, row.caption, tr("colour"));
        name(row.reset, row.caption, tr("reset"));
        name(row.transparency, row.caption, tr("transparent"));
        name(row.value, row.caption, tr("value"));
        name(row.swatch, row.caption, tr("swatch"));
    }
    for (const FontRow &row : m_rows.fonts) {
        if (!row.font || row.font->parentWidget() != ui->tabWidget->widget(page))
            continue;
        name(row.font, row.caption, tr("font"));
        name(row.reset, row.caption, tr("reset"));
    }
}

void MainWindow::offerCopyAndPaste(int key)
{
    const ColourRow &row = m_rows.colours[std::size_t(key)];
    auto *copy = new QAction(tr("&Copy Colour"), row.pick);
    copy->setShortcut(QKeySequence::Copy);
    auto *paste = new QAction(tr("&Paste Colour"), row.pick);
    paste->setShortcut(QKeySequence::Paste);
    connect(copy, &QAction::triggered, this, [this, key] {
        QGuiApplication::clipboard()->setText(m_rows.colours[std::size_t(key)].value->text());
    });
    connect(paste, &QAction::triggered, this,
            [this, key] { setColourFromText(key, QGuiApplication::clipboard()->text()); });
    // The keys work on the focused row; the menu on any part of it.
    for (QAction *action : {copy, paste})
        action->setShortcutContext(Qt::WidgetShortcut);
    // The value itself can be typed over, with the same rules as a paste.
    makeTypable(row.value, [this, key](const QString &typed) { setColourFromText(key, typed); });
    for (QWidget *part : {static_cast<QWidget *>(row.pick), static_cast<QWidget *>(row.swatch),
                          static_cast<QWidget *>(row.value)}) {
        part->addActions({copy, paste});
        part->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

void MainWindow::setColourFromText(int key, const QString &text)
{
    const std::optional<QColor> colour =
        colourFromText(text, *stylekeys::colourKeys[key].transparency != '\0');
    if (!colour) {
        m_createSkin->showStatus(tr("\"%1\" is not a colour this row can take").arg(text.left(40)),
                                 CreateSkinPanel::StatusLasts::FewSeconds);
        return;
    }
    applyEdit(StyleEdit::pickColour(key, *colour));
}
