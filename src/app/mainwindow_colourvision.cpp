// Signs beside the rows that people with a colour-vision deficiency could not tell apart.

#include "mainwindow.h"
#include "previewpanel.h"
#include "ui_mainwindow.h"

#include <QLabel>

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
                                .arg(visionName(c.vision), row(c.first), row(c.second))
                                .arg(c.difference, 0, 'f', 1);
        tips[c.first] << tip;
        tips[c.second] << tip;
    }
    for (auto it = m_visionSigns.cbegin(); it != m_visionSigns.cend(); ++it) {
        it.value()->setToolTip(tips.value(it.key()).join(QLatin1Char('\n')));
        it.value()->setVisible(tips.contains(it.key()));
    }
}
