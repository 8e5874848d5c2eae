// The keyboard: the standard shortcuts, Quit, Enter to build, and names for screen readers.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QAction>

void MainWindow::setUpKeyboard()
{
    ui->actionCustom->setShortcut(QKeySequence::Open);
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
    // Enter on the focused button or in the name field builds, as Space does.
    ui->dothejob->setAutoDefault(true);
    connect(ui->skinfile, &QLineEdit::returnPressed, ui->dothejob, &QPushButton::click);
}

void MainWindow::nameRowsForScreenReaders(int page)
{
    const QString pageName = ui->tabWidget->tabText(page).remove(QLatin1Char('&'));
    const auto name = [&pageName](QWidget *widget, const QLabel *caption, const QString &part) {
        if (widget)
            widget->setAccessibleName(tr("%1, %2: %3").arg(pageName, caption->text(), part));
    };
    for (const ColourRow &row : rows.colours) {
        if (!row.pick || row.pick->parentWidget() != ui->tabWidget->widget(page))
            continue;
        name(row.pick, row.caption, tr("colour"));
        name(row.reset, row.caption, tr("reset"));
        name(row.transparency, row.caption, tr("transparent"));
        name(row.value, row.caption, tr("value"));
        name(row.swatch, row.caption, tr("swatch"));
    }
    for (const FontRow &row : rows.fonts) {
        if (!row.font || row.font->parentWidget() != ui->tabWidget->widget(page))
            continue;
        name(row.font, row.caption, tr("font"));
        name(row.reset, row.caption, tr("reset"));
    }
}
