// The keyboard: the standard shortcuts, Quit and the Tab order of the form.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QAction>

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
