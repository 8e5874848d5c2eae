// "Colours from Selected Skin": the selected skin's <browser> block read back into the editor.

#include "backgroundjob.h"
#include "createskinpanel.h"
#include "dialogs.h"
#include "mainwindow.h"
#include "profilespanel.h"
#include "skin/layout/browserblockreader.h"
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
    if (m_createSkin->selectedSkin().isEmpty()) {
        Dialogs::warning(this, programName, tr("Select a skin with the Browse button first."));
        return;
    }
    if (!m_profiles->askToKeepEdits(ProfilesPanel::beforeReplacing()))
        return;
    // Unpacking a large skin takes a while: read it off the GUI thread, like a build.
    struct Reading
    {
        QString error;
        browserblock::ReadValues read;
    };
    m_createSkin->startJob(tr("Reading the skin's colours ..."),
                           runInBackground(
                               this,
                               [path = m_createSkin->selectedSkin()] {
                                   Reading reading;
                                   reading.error = browserblock::readSkinBlock(path, reading.read);
                                   return reading;
                               },
                               [this](const Reading &reading) {
                                   m_createSkin->finishJob();
                                   m_createSkin->showStatus(QString());
                                   if (!reading.error.isEmpty()) {
                                       Dialogs::warning(this, programName, reading.error);
                                       return;
                                   }
                                   // What the block lacks comes from the active table; a block without a line
                                   // height has the host's own 100%.
                                   const EditorValues after{
                                       browserblock::applyBlock(reading.read, tablefile::derive(m_table)),
                                       reading.read.lineHeight > 0 ? reading.read.lineHeight : 100};
                                   pushEdit(editorValues(), after, tr("Colours from skin"));
                               }));
}
