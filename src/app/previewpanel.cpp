// SPDX-License-Identifier: GPL-3.0-or-later
#include "previewpanel.h"

#include "preview/previewsheets.h"
#include "styledocument.h"
#include "tabwheel.h"
#include "textfit.h"
#include "ui_preview.h"
#include "visionname.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QTabBar>
#include <QTabWidget>

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

PreviewPanel::PreviewPanel(const StyleDocument &document, QWidget *parent)
    : QWidget(parent), m_document(document)
{
    setObjectName(QStringLiteral("previewPlace"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setVisible(false);
    connect(&m_document, &StyleDocument::changed, this, &PreviewPanel::restyle);
}

PreviewPanel::~PreviewPanel() = default;

void PreviewPanel::setUpViewAs()
{
    auto *corner = new QWidget(m_pages);
    auto *layout = new QHBoxLayout(corner);
    layout->setContentsMargins(0, 0, 4, 0);
    auto *caption = new QLabel(tr("View as"), corner);
    auto *choice = new QComboBox(corner);
    choice->setObjectName(QStringLiteral("viewAsBox"));
    choice->setToolTip(tr("Show the preview as people with a colour-vision deficiency see it"));
    caption->setBuddy(choice);
    for (Vision vision : {Vision::Normal, Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia,
                          Vision::Achromatopsia})
        choice->addItem(visionName(vision), int(vision));
    layout->addWidget(caption);
    layout->addWidget(choice);
    m_pages->setCornerWidget(corner, Qt::TopRightCorner);
    connect(choice, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, choice] {
        m_viewAs = Vision(choice->currentData().toInt());
        restyle();
    });
}

void PreviewPanel::setShown(bool shown)
{
    if (shown && !m_form)
        buildPages();
    setVisible(shown);
}

void PreviewPanel::buildPages()
{
    m_pages = new QTabWidget(this);
    m_form = std::make_unique<Ui::Preview>();
    m_form->setupUi(m_pages);
    // The mock browser is drawn at the size of the skin's own, the size its form gives it.
    m_pages->setMinimumSize(m_pages->size());
    layout()->addWidget(m_pages);
    passTabWheelToForm(m_pages);
    m_pages->setToolTip(tr("The Browser as the new skin shows it, one page for each of its views"));
    // Where the panel stands in the Tab order, not after everything made before it.
    QWidget::setTabOrder(this, m_pages);
    // The preview is a picture of the host's browser: Tab and screen readers pass its mock lists
    // and buttons by, and reach its pages and "View as".
    for (QWidget *widget : m_pages->findChildren<QWidget *>())
        if (!qobject_cast<QTabBar *>(widget))
            widget->setFocusPolicy(Qt::NoFocus);
    setUpViewAs();
    for (QWidget *widget : m_pages->findChildren<QWidget *>())
        if (!widget->objectName().isEmpty())
            m_widgets.insert(widget->objectName(), widget);
    // Laid out in the window's fonts, before the sheets set the preview's own.
    fitGridTexts(m_form->gridViewPage);
    restyle();
}

void PreviewPanel::restyle()
{
    if (!m_form)
        return; // styled when first shown
    // Whether the lists draw alternate lines.
    const bool stripes = m_document.rowStates().stripesShown;
    m_form->trackList->setAlternatingRowColors(stripes);
    m_form->automixList->setAlternatingRowColors(stripes);
    // Every sheet is computed again; apply() only touches the widgets whose sheet changed.
    const Style seen = colourvision::simulate(m_viewAs, m_document.style());
    apply(m_widgets, preview::initguiSheets(seen));
    apply(m_widgets, preview::listSheets(seen, m_document.lineHeight(), stripes, stripes));
    apply(m_widgets, preview::gridSheets(seen));
    apply(m_widgets, preview::pluginSheets(seen));
    m_form->pluginGraphicsBack->setPixmap(QPixmap::fromImage(preview::knobImage(seen)));
}
