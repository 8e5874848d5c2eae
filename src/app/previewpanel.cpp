#include "previewpanel.h"

#include "preview/previewsheets.h"
#include "textfit.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

using colourvision::Vision;

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

QString visionName(Vision vision)
{
    switch (vision) {
    case Vision::Normal:
        return QCoreApplication::translate("MainWindow", "Normal vision");
    case Vision::Protanopia:
        return QCoreApplication::translate("MainWindow", "Protanopia");
    case Vision::Deuteranopia:
        return QCoreApplication::translate("MainWindow", "Deuteranopia");
    case Vision::Tritanopia:
        return QCoreApplication::translate("MainWindow", "Tritanopia");
    case Vision::Achromatopsia:
        return QCoreApplication::translate("MainWindow", "Achromatopsia");
    }
    return {};
}

PreviewPanel::PreviewPanel(Ui::MainWindow &form, QObject *parent) : QObject(parent), ui(form)
{
    setUpViewAs();
    QWidget *pages = ui.tabWidget_3;
    pages->setParent(nullptr);
    m_aside.reset(pages);
}

PreviewPanel::~PreviewPanel() = default;

void PreviewPanel::setUpViewAs()
{
    auto *corner = new QWidget(ui.tabWidget_3);
    auto *layout = new QHBoxLayout(corner);
    layout->setContentsMargins(0, 0, 4, 0);
    auto *caption = new QLabel(QCoreApplication::translate("MainWindow", "View as"), corner);
    auto *choice = new QComboBox(corner);
    choice->setObjectName(QStringLiteral("viewAsBox"));
    caption->setBuddy(choice);
    for (Vision vision : {Vision::Normal, Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia,
                          Vision::Achromatopsia})
        choice->addItem(visionName(vision), int(vision));
    layout->addWidget(caption);
    layout->addWidget(choice);
    ui.tabWidget_3->setCornerWidget(corner, Qt::TopRightCorner);
    connect(choice, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, choice] {
        m_viewAs = Vision(choice->currentData().toInt());
        restyle();
    });
}

void PreviewPanel::setShown(bool shown)
{
    if (shown && m_aside) {
        QWidget *pages = m_aside.release();
        pages->setParent(ui.centralWidget);
        // Below the editor's rows in the form, so after them in the Tab order.
        QWidget::setTabOrder(ui.skinfile->previousInFocusChain(), pages);
        for (QWidget *widget : pages->findChildren<QWidget *>())
            if (!widget->objectName().isEmpty())
                m_widgets.insert(widget->objectName(), widget);
        // Laid out in the window's fonts, before the sheets set the preview's own.
        fitFormTexts(pages);
        fitGridTexts(ui.tab_16);
        restyle();
    }
    ui.tabWidget_3->setVisible(shown);
}

void PreviewPanel::show(const Style &style, int lineHeight, bool stripesShown)
{
    m_style = style;
    m_lineHeight = lineHeight;
    m_stripesShown = stripesShown;
    ui.listWidget_2->setAlternatingRowColors(stripesShown);
    ui.listWidget_3->setAlternatingRowColors(stripesShown);
    restyle();
}

void PreviewPanel::restyle()
{
    if (m_aside)
        return; // styled when first shown
    // Every sheet is computed again; apply() only touches the widgets whose sheet changed.
    const Style seen = colourvision::simulate(m_viewAs, m_style);
    apply(m_widgets, preview::initguiSheets(seen));
    apply(m_widgets, preview::listSheets(seen, m_lineHeight, m_stripesShown, m_stripesShown));
    apply(m_widgets, preview::gridSheets(seen));
    apply(m_widgets, preview::pluginSheets(seen));
    ui.plugin_graphicsback->setPixmap(QPixmap::fromImage(preview::knobImage(seen)));
}
