// "Colours from Selected Skin": the selected skin's <browser> block read back into the editor.

#include "dialogs.h"
#include "mainwindow.h"
#include "skin/browserblockreader.h"
#include "ui_mainwindow.h"

#include <QAction>

void MainWindow::setUpSkinColours()
{
    auto *action = new QAction(tr("Colours from Selected Skin"), this);
    action->setObjectName(QStringLiteral("actionColours_from_Skin"));
    ui->menuProfile->insertAction(ui->actionSave, action);
    connect(action, &QAction::triggered, this, &MainWindow::takeColoursFromSkin);
}

void MainWindow::takeColoursFromSkin()
{
    if (selectedskinfile.isEmpty()) {
        Dialogs::warning(this, programname, tr("Select a skin with the Browse button first."));
        return;
    }
    browserblock::ReadValues read;
    const QString error = browserblock::readSkinBlock(selectedskinfile, read);
    if (!error.isEmpty()) {
        Dialogs::warning(this, programname, error);
        return;
    }
    // What the block lacks comes from the active table; a block without a line height has the
    // host's own 100%.
    const EditorValues after{browserblock::applyBlock(read, tablefile::derive(styletable)),
                             read.lineHeight.isEmpty() ? QStringLiteral("100") : read.lineHeight};
    pushEdit(editorValues(), after, tr("Colours from skin"));
}
