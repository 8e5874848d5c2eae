// "View as" on the preview: the preview drawn as people with a colour-vision deficiency see it,
// and signs beside the rows that they could not tell apart.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using colourvision::Vision;

namespace {
constexpr int signSize = 16;
constexpr int signGap = 3;

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
        viewas = Vision(choice->currentData().toInt());
        refreshPreview();
    });
}

Style MainWindow::previewStyle() const
{
    return colourvision::simulate(viewas, style);
}

void MainWindow::setUpVisionHints(int page)
{
    const QPixmap sign = QPixmap(QStringLiteral(":/myfiles/myfiles/Warning.png"))
                             .scaled(signSize, signSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    for (int key = 0; key < stylekeys::colourKeyCount; ++key) {
        if (int(stylekeys::colourKeys[key].page) != page || !colourvision::mustStandApart(key))
            continue;
        const QPushButton *reset = rows.colours[std::size_t(key)].reset;
        // After the contrast sign, where the row has one.
        const int slot = contrastSigns.contains(key) ? 1 : 0;
        auto *label = new QLabel(reset->parentWidget());
        label->setObjectName(QLatin1String(stylekeys::colourKeys[key].key) + QLatin1String("_vision"));
        label->setPixmap(sign);
        label->setGeometry(reset->geometry().right() + signGap + slot * (signSize + signGap),
                           reset->y() + (reset->height() - signSize) / 2, signSize, signSize);
        label->hide();
        visionSigns.insert(key, label);
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
    for (const colourvision::Confusion &c : colourvision::confusions(style)) {
        const QString tip = tr("With %1, %2 and %3 are hard to tell apart (difference %4, CIEDE2000).")
                                .arg(tr(visionName(c.vision)), row(c.first), row(c.second))
                                .arg(c.difference, 0, 'f', 1);
        tips[c.first] << tip;
        tips[c.second] << tip;
    }
    for (auto it = visionSigns.cbegin(); it != visionSigns.cend(); ++it) {
        it.value()->setToolTip(tips.value(it.key()).join(QLatin1Char('\n')));
        it.value()->setVisible(tips.contains(it.key()));
    }
}
