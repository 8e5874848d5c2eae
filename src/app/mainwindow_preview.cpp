#include "mainwindow.h"
#include "previewpanel.h"

void MainWindow::refreshPreview()
{
    m_preview->show(m_style, m_lineHeight, rowStates(m_style, m_table).stripesShown);
}
