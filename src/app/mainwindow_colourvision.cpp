// "View as" on the preview: the preview drawn as people with a colour-vision deficiency see it,
// and signs beside the rows that they could not tell apart.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

using colourvision::Vision;

namespace {
const char *visionName(Vision vision)
{
    switch (vision) {
    case Vision::Normal:
        return QT_TRANSLATE_NOOP("MainWindow", "Normal vision");
    case Vision::Protanopia:
        return QT_TRANSLATE_NOOP("MainWindow", "Protanopia");
    case Vision::Deuteranopia:
        return QT_TRANSLATE_NOOP("MainWindow", "Deuteranopia");
    case Vision::Tritanopia:
        return QT_TRANSLATE_NOOP("MainWindow", "Tritanopia");
    case Vision::Achromatopsia:
        return QT_TRANSLATE_NOOP("MainWindow", "Achromatopsia");
    }
    return "";
}
} // namespace

void MainWindow::setUpColourVision()
{
    auto *corner = new QWidget(ui->tabWidget_3);
    auto *layout = new QHBoxLayout(corner);
    layout->setContentsMargins(0, 0, 4, 0);
    auto *caption = new QLabel(tr("View as"), corner);
    auto *choice = new QComboBox(corner);
    choice->setObjectName(QStringLiteral("viewAsBox"));
    caption->setBuddy(choice);
    for (Vision vision : {Vision::Normal, Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia,
                          Vision::Achromatopsia})
        choice->addItem(tr(visionName(vision)), int(vision));
    layout->addWidget(caption);
    layout->addWidget(choice);
    ui->tabWidget_3->setCornerWidget(corner, Qt::TopRightCorner);
    connect(choice, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, choice] {
        m_viewAs = Vision(choice->currentData().toInt());
        refreshPreview();
    });
}

Style MainWindow::previewStyle() const
{
    return colourvision::simulate(m_viewAs, m_style);
}

void MainWindow::setUpVisionHints(int page)
{
    for (int key = 0; key < stylekeys::colourKeyCount; ++key) {
        // After the contrast sign, where the row has one.
        if (int(stylekeys::colourKeys[key].page) == page && colourvision::mustStandApart(key))
            m_visionSigns.insert(key, addRowSign(key, "_vision", m_contrastSigns.contains(key) ? 1 : 0));
    }
}

void MainWindow::showVisionHints()
{
    QHash<int, QStringList> tips;
    const auto row = [this](int key) {
        const stylekeys::ColourKey &k = stylekeys::colourKeys[key];
        return tr("\"%1\" on the %2 page")
            .arg(tr(k.caption), ui->tabWidget->tabText(int(k.page)).remove(QLatin1Char('&')));
    };
    for (const colourvision::Confusion &c : colourvision::confusions(m_style)) {
        const QString tip = tr("With %1, %2 and %3 are hard to tell apart (difference %4, CIEDE2000).")
                                .arg(tr(visionName(c.vision)), row(c.first), row(c.second))
                                .arg(c.difference, 0, 'f', 1);
        tips[c.first] << tip;
        tips[c.second] << tip;
    }
    for (auto it = m_visionSigns.cbegin(); it != m_visionSigns.cend(); ++it) {
        it.value()->setToolTip(tips.value(it.key()).join(QLatin1Char('\n')));
        it.value()->setVisible(tips.contains(it.key()));
    }
}
