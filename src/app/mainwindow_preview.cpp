// Applies the preview's style sheets and knob picture, computed in the core from the current style.

#include "mainwindow.h"
#include "preview/previewsheets.h"
#include "textfit.h"
#include "ui_mainwindow.h"

#include <QPixmap>

namespace {
// Setting a sheet re-polishes the widget, so sheets that did not change are left alone.
void apply(const QHash<QString, QWidget *> &widgets, const preview::Sheets &sheets)
{
    for (const preview::WidgetSheet &entry : sheets) {
        QWidget *widget = widgets.value(entry.widget);
        if (widget && widget->styleSheet() != entry.sheet)
            widget->setStyleSheet(entry.sheet);
    }
}
} // namespace

void MainWindow::setPreviewAside()
{
    QWidget *pages = ui->tabWidget_3;
    pages->setParent(nullptr);
    m_asidePreview.reset(pages);
}

void MainWindow::showPreview(bool shown)
{
    if (shown && m_asidePreview) {
        QWidget *pages = m_asidePreview.release();
        pages->setParent(ui->centralWidget);
        // Below the editor's rows in the form, so after them in the Tab order.
        QWidget::setTabOrder(ui->skinfile->previousInFocusChain(), pages);
        registerNamedWidgets(pages);
        // Laid out in the window's fonts, before the sheets set the preview's own.
        fitFormTexts(pages);
        fitGridTexts(ui->tab_16);
        refreshPreview();
    }
    ui->tabWidget_3->setVisible(shown);
}

void MainWindow::styleSidePages()
{
    if (m_asidePreview)
        return; // styled when shown
    apply(m_widgetsByName, preview::initguiSheets(previewStyle()));
}

void MainWindow::refreshPreview()
{
    // Every sheet is computed again; apply() only touches the widgets whose sheet changed.
    styleSidePages();
    styleLists();
    styleGrids();
    stylePluginZone();
}

void MainWindow::styleLists()
{
    if (m_asidePreview)
        return;
    apply(m_widgetsByName,
          preview::listSheets(previewStyle(), m_lineHeight, ui->listWidget_2->alternatingRowColors(),
                              ui->listWidget_3->alternatingRowColors()));
}

void MainWindow::styleGrids()
{
    if (m_asidePreview)
        return;
    apply(m_widgetsByName, preview::gridSheets(previewStyle()));
}

void MainWindow::stylePluginZone()
{
    if (m_asidePreview)
        return;
    const Style seen = previewStyle();
    apply(m_widgetsByName, preview::pluginSheets(seen));
    ui->plugin_graphicsback->setPixmap(QPixmap::fromImage(preview::knobImage(seen)));
}
