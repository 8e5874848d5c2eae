// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's own two looks: dark and the platform's bright look, the latter with a few texts
// made darker.

#include <QColor>
#include <QString>

class QPalette;

enum class ThemeChoice { Dark, Bright };

// What a label's text says by its colour. A theme switch gives every label the colour of its
// state in the new theme.
enum class TextState {
    Normal,
    Greyed,        // an option that is off: still readable (3:1 at least), yet plainly grey
    Warning,       // something the user has to act on
    InField,       // a unit sign inside a white entry field
    InFieldGreyed, // the same beside a field that is off
};

// The dark theme's push buttons, drawn by ThemeStyle.
namespace darkbutton {
inline const QColor face(220, 220, 220);
inline const QColor hoverFace(240, 240, 240);
// The platform's focus frame is faint on black: focus shows in orange.
inline const QColor focusBorder(255, 170, 0);
inline const QColor focusedFace(255, 236, 200);
// Disabled: still readable (3:1 at least), yet plainly off. Thin glyphs reach their colour only
// in their cores, so these greys stay well clear of the floor.
inline const QColor disabledText(70, 70, 70);
inline const QColor disabledFace(180, 180, 180);
} // namespace darkbutton

struct Theme
{
    QString labelcolor;  // text colour of enabled option labels
    QString greyedcolor; // text colour of disabled option labels
    QString warningcolor;
    QColor ground; // behind the option labels
    // Disabled push buttons: still readable (3:1 at least), yet plainly off.
    QColor disabledText;
    QColor disabledGround;

    QString colourOf(TextState state) const;
};

// The bright theme's grounds are those of the style's own palette.
Theme themeFor(ThemeChoice theme);

// Dresses the application in `theme`: a palette and a style, which every window,
// dialogs included, wears. Wearing the theme already worn costs nothing.
void wearTheme(ThemeChoice theme);

// `palette`, the style's own colours, turned into the dark or bright theme's.
QPalette themePalette(QPalette palette, bool dark);

class QWidget;

// Gives the label the colour of `state` in `theme`, and keeps the state on the label
// so that a theme switch (reshowTextStates) gives it the new theme's colour.
void showTextState(QWidget *label, TextState state, ThemeChoice theme);
void reshowTextStates(QWidget *root, ThemeChoice theme);

// The About dialog's push buttons, as the dark theme draws them.
QString buttonRules();

// The hint an empty entry field shows: plainly not typed text, yet readable (4.5:1 at least) on
// the field. The fields keep the platform's look in either theme.
QColor placeholderColour(const QPalette &palette);
