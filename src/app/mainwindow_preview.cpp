// Applies the preview's style sheets and knob picture, computed in the core from the current style.

#include "mainwindow.h"
#include "preview/previewsheets.h"
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

void MainWindow::initgui()
{
    apply(widgetsByName, preview::initguiSheets(style));
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
    apply(widgetsByName, preview::listSheets(style, ui->listWidget_2->alternatingRowColors(),
                                             ui->listWidget_3->alternatingRowColors()));
}

void MainWindow::updategrids()
{
    apply(widgetsByName, preview::gridSheets(style));
}

void MainWindow::updateplugin()
{
    apply(widgetsByName, preview::pluginSheets(style));
    ui->plugin_graphicsback->setPixmap(QPixmap::fromImage(preview::knobImage(style)));
}
