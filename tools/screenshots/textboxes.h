// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a window draws its texts, so a script can measure their contrast on a screenshot.
// Header only: the screenshot tool is a single translation unit.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextStream>

struct TextBox
{
    QRect rect; // in the coordinates of the grabbed widget
    QString what;
};

namespace textboxdetail {

// Only the text part: indicators, frames and arrows have contrasts of their own.
inline QVector<QRect> textRects(QWidget *w)
{
    constexpr int inset = 3;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text().trimmed().isEmpty() || label->text().contains(QLatin1String("<img")))
            return {};
        return {label->contentsRect()};
    }
    if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
        auto *button = static_cast<QAbstractButton *>(w);
        if (button->text().isEmpty())
            return {};
        const int indicator = w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                              w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
        return {w->rect().adjusted(indicator, 0, 0, 0)};
    }
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text().isEmpty() ? QVector<QRect>{}
                                        : QVector<QRect>{w->rect().adjusted(inset, inset, -inset, -inset)};
    if (auto *box = qobject_cast<QGroupBox *>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        return {w->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box)};
    }
    if (auto *tabs = qobject_cast<QTabBar *>(w)) {
        QVector<QRect> rects;
        for (int i = 0; i < tabs->count(); ++i)
            if (!tabs->tabText(i).isEmpty())
                rects << tabs->tabRect(i).adjusted(inset, inset, -inset, -inset);
        return rects;
    }
    if (qobject_cast<QComboBox *>(w))
        return {w->rect().adjusted(inset, inset, -w->height(), -inset)};
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->displayText().isEmpty() && edit->placeholderText().isEmpty()
                   ? QVector<QRect>{}
                   : QVector<QRect>{w->rect().adjusted(inset, inset, -inset, -inset)};
    return {};
}

inline QVector<QRect> itemRects(QAbstractItemView *view)
{
    QVector<QRect> rects;
    QAbstractItemModel *model = view->model();
    if (!model)
        return rects;
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QRect rect = view->visualRect(model->index(row, 0, view->rootIndex()));
        if (rect.isValid() && view->viewport()->rect().intersects(rect))
            rects << rect.intersected(view->viewport()->rect());
    }
    return rects;
}

// A label the window shows greyed (an option that is off): it needs 3:1, not 4.5:1.
inline bool greyed(const QWidget *w)
{
    const QVariant state = w->property("textState");
    return state.isValid() && (state.toInt() == 1 || state.toInt() == 4);
}

// An empty field showing its hint in the placeholder colour: it needs 4.5:1 like any text.
inline bool showsPlaceholder(const QWidget *w)
{
    const auto *edit = qobject_cast<const QLineEdit *>(w);
    return edit && edit->displayText().isEmpty() && !edit->placeholderText().isEmpty();
}

} // namespace textboxdetail

inline QVector<TextBox> textBoxes(QWidget *root)
{
    QVector<TextBox> boxes;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (!w->isVisible() || (w != root && w->window() != root->window()))
            continue;
        QVector<QRect> rects = textboxdetail::textRects(w);
        QWidget *origin = w;
        if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
            rects = textboxdetail::itemRects(view);
            origin = view->viewport();
        }
        const QString what =
            QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(':') +
            (w->objectName().isEmpty() ? QStringLiteral("-") : w->objectName()) +
            (w->isEnabled() ? QString() : QStringLiteral(" disabled")) +
            (textboxdetail::greyed(w) ? QStringLiteral(" greyed") : QString()) +
            (textboxdetail::showsPlaceholder(w) ? QStringLiteral(" placeholder") : QString());
        // Parts hidden by a parent's edge or by a sibling are not on the screenshot.
        const QRect shown = origin->visibleRegion().boundingRect();
        for (const QRect &whole : rects) {
            const QRect rect = whole.intersected(shown);
            if (rect.width() > 2 && rect.height() > 2)
                boxes.append({rect.translated(origin->mapTo(root, QPoint(0, 0))), what});
        }
    }
    return boxes;
}

// Writes one "x y width height what" line per text next to the screenshot.
inline void saveTextBoxes(QWidget *root, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QTextStream out(&file);
    for (const TextBox &box : textBoxes(root))
        out << box.rect.x() << ' ' << box.rect.y() << ' ' << box.rect.width() << ' ' << box.rect.height()
            << ' ' << box.what << '\n';
}
