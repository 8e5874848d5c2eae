// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's look, drawn over Fusion so that it is the same on every desktop. The dark theme
// draws its own push buttons, tick boxes, tabs and dividers; both themes show which control has
// the focus from the first moment, not only once a key has moved it.

#include <QProxyStyle>

class ThemeStyle : public QProxyStyle
{
public:
    explicit ThemeStyle(bool dark);

    bool isDark() const { return m_dark; }

    // The theme's colours: every window, dialogs included, wears them.
    QPalette standardPalette() const override;
    void polish(QWidget *widget) override;
    void unpolish(QWidget *widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contents,
                           const QWidget *widget = nullptr) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void drawButtonFace(const QStyleOption *option, QPainter *painter) const;
    void drawIndicator(const QStyleOption *option, QPainter *painter, bool round) const;
    void drawTab(const QStyleOption *option, QPainter *painter) const;

    bool m_dark;
};
