// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowsigns.h"

#include "colour/colourvision.h"
#include "colourswatch.h"
#include "crispsigns.h"
#include "style/contrast.h"
#include "visionname.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>

namespace {
constexpr int signSize = 16;
constexpr int signGap = 3;
} // namespace

RowSigns::RowSigns(const QTabWidget *pages) : m_pages(pages) {}

QLabel *RowSigns::addSign(const EditorRows &rows, int key, stylekeys::RowPart sign, int slot)
{
    // On the swatch of the colour it warns about: past the reset button it would stand beyond the
    // column's separator, beside another column's row.
    QWidget *swatch = rows.colours[std::size_t(key)].swatch;
    auto *label = new QLabel(swatch->parentWidget());
    label->setObjectName(stylekeys::widgetName(stylekeys::colourKeys[key], sign));
    showCrispSign(label, QStringLiteral(":/myfiles/myfiles/Warning.png"), signSize);
    // In the swatch's cell of its grid, at the right end, a later sign left of an earlier one.
    label->setContentsMargins(0, 0, slot * (signSize + signGap) + signGap, 0);
    label->setFixedSize(signSize + label->contentsMargins().right(), signSize);
    // Placed by the layout while hidden too, so it shows at once where it belongs.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    for (auto *grid : swatch->parentWidget()->findChildren<QGridLayout *>())
        if (const int index = grid->indexOf(swatch); index >= 0) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
        }
    label->hide();
    return label;
}

void RowSigns::addForPage(int page, const EditorRows &rows)
{
    for (int key : contrast::textKeys()) {
        if (int(stylekeys::colourKeys[key].page) == page)
            m_contrast.insert(key, addSign(rows, key, stylekeys::RowPart::ContrastSign, 0));
    }
    for (int key = 0; key < stylekeys::colourKeyCount; ++key) {
        // After the contrast sign, where the row has one.
        if (int(stylekeys::colourKeys[key].page) == page && colourvision::mustStandApart(key))
            m_vision.insert(
                key, addSign(rows, key, stylekeys::RowPart::VisionSign, m_contrast.contains(key) ? 1 : 0));
    }
}

void RowSigns::show(const Style &style)
{
    if (m_contrast.isEmpty() && m_vision.isEmpty())
        return; // no page has its rows yet: nothing to weigh the colours for
    for (QLabel *sign : qAsConst(m_contrast))
        sign->hide();
    for (const contrast::Hint &hint : contrast::hints(style)) {
        QLabel *sign = m_contrast.value(hint.key);
        if (!sign)
            continue; // its page is not built yet
        sign->setToolTip(tr("Contrast %1:1 on %2: hard to read in the browser")
                             .arg(QLocale().toString(hint.ratio, 'f', 1))
                             .arg(rowName(m_pages, stylekeys::colourIndex(hint.background), false)));
        sign->setVisible(hint.ratio < contrast::warnBelow);
    }
    showVision(style);
}

void RowSigns::showVision(const Style &style)
{
    QHash<int, QStringList> tips;
    const auto row = [this](int key) {
        const stylekeys::ColourKey &k = stylekeys::colourKeys[key];
        return tr("\"%1\" on the %2 page")
            .arg(QCoreApplication::translate("stylekeys", k.caption),
                 m_pages->tabText(int(k.page)).remove(QLatin1Char('&')));
    };
    for (const colourvision::Confusion &c : colourvision::confusions(style)) {
        const QString tip = tr("With %1, %2 and %3 are hard to tell apart (difference %4, CIEDE2000).")
                                .arg(visionName(c.vision), row(c.first), row(c.second))
                                .arg(QLocale().toString(c.difference, 'f', 1));
        tips[c.first] << tip;
        tips[c.second] << tip;
    }
    for (auto it = m_vision.cbegin(); it != m_vision.cend(); ++it) {
        it.value()->setToolTip(tips.value(it.key()).join(QLatin1Char('\n')));
        it.value()->setVisible(tips.contains(it.key()));
    }
}
