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
    asidePreview.reset(pages);
}

void MainWindow::showPreview(bool shown)
{
    if (shown && asidePreview) {
        QWidget *pages = asidePreview.release();
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

void MainWindow::initgui()
{
    if (asidePreview)
        return; // styled when shown
    apply(widgetsByName, preview::initguiSheets(previewStyle()));
}

void MainWindow::refreshPreview()
{
    // Every sheet is computed again; apply() only touches the widgets whose sheet changed.
    initgui();
    updatebrowsercolors();
    updategrids();
    updateplugin();
}

void MainWindow::updatebrowsercolors()
{
    if (asidePreview)
        return;
    apply(widgetsByName,
          preview::listSheets(previewStyle(), lineheight, ui->listWidget_2->alternatingRowColors(),
                              ui->listWidget_3->alternatingRowColors()));
}

void MainWindow::updategrids()
{
    if (asidePreview)
        return;
    apply(widgetsByName, preview::gridSheets(previewStyle()));
}

void MainWindow::updateplugin()
{
    if (asidePreview)
        return;
    const Style seen = previewStyle();
    apply(widgetsByName, preview::pluginSheets(seen));
    ui->plugin_graphicsback->setPixmap(QPixmap::fromImage(preview::knobImage(seen)));
}
