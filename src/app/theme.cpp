// SPDX-License-Identifier: GPL-3.0-or-later
#include "theme.h"
#include "themestyle.h"

#include <QApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace {
const QColor brightGreyed(112, 112, 112);
// Text in an entry field that is off, on the platform's ground for it, in either theme.
const QColor fieldGreyed(85, 85, 85);
} // namespace

QString buttonRules()
{
    return QStringLiteral(
               "QPushButton {color:black; padding: 0px 6px; min-height:23px; border-radius: 2px; border:1px "
               "solid %1;  background: %4; }"
               " QPushButton:disabled {color:%2; padding: 0px 6px; min-height:23px; "
               "border-radius: "
               "2px; border:1px solid %1;  background: %3; }"
               "QPushButton:focus { border: 1px solid %6; background: %7; }"
               " QPushButton:hover { background: %5; }"
               "QPushButton:hover:disabled { background: %3; }")
        .arg(QStringLiteral("black"), darkbutton::disabledText.name(), darkbutton::disabledFace.name(),
             darkbutton::face.name(), darkbutton::hoverFace.name(), darkbutton::focusBorder.name(),
             darkbutton::focusedFace.name());
}

QColor placeholderColour(const QPalette &palette)
{
    // Three fifths of the way from the field to its text: 5.8:1 for black on white.
    const QColor text = palette.color(QPalette::Text);
    const QColor field = palette.color(QPalette::Base);
    const auto mix = [](int towards, int from) { return from + (towards - from) * 3 / 5; };
    return QColor(mix(text.red(), field.red()), mix(text.green(), field.green()),
                  mix(text.blue(), field.blue()));
}

QPalette themePalette(QPalette palette, bool dark)
{
    // The style's light-blue selection leaves white text under 4.5:1.
    palette.setColor(QPalette::Highlight, QColor(0, 84, 160));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    // The style's hint colour in fields is too faint to read (about 4:1 on white).
    palette.setColor(QPalette::PlaceholderText, placeholderColour(palette));
    if (!dark) {
        // The style leaves disabled texts under 3:1 on their light grounds.
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(QPalette::Disabled, role, brightGreyed);
        return palette;
    }
    // Black with white text, a label's own state colour aside; wearTheme keeps fields, lists and
    // menus light.
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, Qt::black);
    palette.setColor(QPalette::ToolTipText, Qt::white);
    return palette;
}

namespace {
// The dark theme's push buttons: their own greys, and black text on them.
QPalette darkButtonPalette(QPalette palette)
{
    palette.setColor(QPalette::Button, darkbutton::face);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Button, darkbutton::disabledFace);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, darkbutton::disabledText);
    return palette;
}
} // namespace

void wearTheme(ThemeChoice theme)
{
    const bool dark = theme == ThemeChoice::Dark;
    if (const auto *worn = dynamic_cast<const ThemeStyle *>(QApplication::style());
        worn && worn->isDark() == dark)
        return;
    auto *style = new ThemeStyle(dark);
    QApplication::setStyle(style);
    const QPalette palette = style->standardPalette();
    QApplication::setPalette(palette); // drops the classes' palettes set below
    if (!dark)
        return;
    QApplication::setPalette(darkButtonPalette(palette), "QPushButton");
    // Fields, lists, menus and scroll bars stay light, framed in grey, on the dark ground.
    QPalette light = themePalette(style->baseStyle()->standardPalette(), false);
    light.setColor(QPalette::Disabled, QPalette::Text, fieldGreyed);
    for (const char *lightClass : {"QLineEdit", "ColourSwatch", "QAbstractItemView", "QComboBox",
                                   "QAbstractSpinBox", "QMenuBar", "QMenu", "QScrollBar"})
        QApplication::setPalette(light, lightClass);
}

Theme themeFor(ThemeChoice theme)
{
    if (theme == ThemeChoice::Bright) {
        // The style's own, made once: labels ask for their colours at every change of state.
        static const QPalette bright = ThemeStyle(false).standardPalette();
        return {QStringLiteral("black"),        brightGreyed.name(), QStringLiteral("#be0000"),
                bright.color(QPalette::Window), brightGreyed,        bright.color(QPalette::Button)};
    }
    return {QStringLiteral("#dcdcdc"), QStringLiteral("#787878"), QStringLiteral("#ff5a5a"), Qt::black,
            darkbutton::disabledText,  darkbutton::disabledFace};
}

QString Theme::colourOf(TextState state) const
{
    switch (state) {
    case TextState::Normal:
        break;
    case TextState::Greyed:
        return greyedcolor;
    case TextState::Warning:
        return warningcolor;
    case TextState::InField:
        return QStringLiteral("black");
    case TextState::InFieldGreyed:
        // Readable on the field in either theme, white or greyed with it.
        return fieldGreyed.name();
    }
    return labelcolor;
}

namespace {
const char *const textStateProperty = "textState";
} // namespace

void showTextState(QWidget *label, TextState state, ThemeChoice theme)
{
    label->setProperty(textStateProperty, int(state));
    QPalette own;
    own.setColor(QPalette::WindowText, QColor(themeFor(theme).colourOf(state)));
    label->setPalette(own);
}

void reshowTextStates(QWidget *root, ThemeChoice theme)
{
    for (QWidget *label : root->findChildren<QWidget *>())
        if (const QVariant state = label->property(textStateProperty); state.isValid())
            showTextState(label, TextState(state.toInt()), theme);
}
