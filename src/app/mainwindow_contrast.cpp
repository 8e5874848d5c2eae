// Warning signs beside the text-colour rows whose text would be hard to read in the browser.

#include "mainwindow.h"
#include "style/contrast.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int signSize = 16;
constexpr int signGap = 3;
} // namespace

QLabel *MainWindow::addRowSign(int key, const char *suffix, int slot)
{
    static const QPixmap sign =
        QPixmap(QStringLiteral(":/myfiles/myfiles/Warning.png"))
            .scaled(signSize, signSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // On the swatch of the colour it warns about: past the reset button it would stand beyond the
    // column's separator, beside another column's row.
    const QWidget *swatch = m_rows.colours[std::size_t(key)].swatch;
    auto *label = new QLabel(swatch->parentWidget());
    label->setObjectName(QLatin1String(stylekeys::colourKeys[key].key) + QLatin1String(suffix));
    label->setPixmap(sign);
    label->setGeometry(swatch->geometry().right() - (slot + 1) * (signSize + signGap),
                       swatch->y() + (swatch->height() - signSize) / 2, signSize, signSize);
    label->hide();
    return label;
}

void MainWindow::setUpContrastHints(int page)
{
    for (int key : contrast::textKeys()) {
        if (int(stylekeys::colourKeys[key].page) == page)
            m_contrastSigns.insert(key, addRowSign(key, "_contrast", 0));
    }
    setUpVisionHints(page);
}

void MainWindow::showContrastHints()
{
    for (QLabel *sign : qAsConst(m_contrastSigns))
        sign->hide();
    for (const contrast::Hint &hint : contrast::hints(m_style)) {
        QLabel *sign = m_contrastSigns.value(hint.key);
        if (!sign)
            continue; // its page is not built yet
        sign->setToolTip(tr("Contrast %1:1 on %2: hard to read in the browser")
                             .arg(hint.ratio, 0, 'f', 1)
                             .arg(rowName(stylekeys::colourIndex(hint.background), false)));
        sign->setVisible(hint.ratio < contrast::warnBelow);
    }
    showVisionHints();
}
