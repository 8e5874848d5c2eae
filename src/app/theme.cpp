#include "theme.h"

#include <QGuiApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace {
// Thin glyphs reach their colour only in their cores, so greys stay well clear of the 3:1 floor.
const QColor darkDisabledText(70, 70, 70);
const QColor darkDisabledGround(180, 180, 180);
const QColor brightGreyed(112, 112, 112);
// Text in an entry field that is off, on the platform's ground for it, in either theme.
const QColor fieldGreyed(85, 85, 85);
} // namespace

QString buttonRules()
{
    return QStringLiteral(
               "QPushButton {color:black; padding: 0px 6px; min-height:23px; border-radius: 2px; border:1px "
               "solid %1;  background: rgb(220,220,220); }"
               " QPushButton:disabled {color:%2; padding: 0px 6px; min-height:23px; "
               "border-radius: "
               "2px; border:1px solid %1;  background: %3; }"
               " QPushButton:hover { background: rgb(240,240,240); }"
               "QPushButton:hover:disabled { background: %3; }"
               "QPushButton:selected { background-color: orange; }")
        .arg(QStringLiteral("black"), darkDisabledText.name(), darkDisabledGround.name());
}

namespace {
// The platform's look, but for the texts it leaves under 4.5:1 (white on its light-blue selection)
// or under 3:1 (disabled controls on their light ground).
QString brightRules()
{
    return QStringLiteral("QAbstractItemView, QLineEdit { selection-background-color: rgb(0,84,160); "
                          "selection-color: white; }"
                          "QPushButton:disabled, QCheckBox:disabled, QRadioButton:disabled, QLabel:disabled, "
                          "QLineEdit:disabled { color: %1; }")
        .arg(brightGreyed.name());
}
} // namespace

QColor placeholderColour(const QPalette &palette)
{
    // Three fifths of the way from the field to its text: 5.8:1 for black on white.
    const QColor text = palette.color(QPalette::Text);
    const QColor field = palette.color(QPalette::Base);
    const auto mix = [](int towards, int from) { return from + (towards - from) * 3 / 5; };
    return QColor(mix(text.red(), field.red()), mix(text.green(), field.green()),
                  mix(text.blue(), field.blue()));
}

Theme themeFor(int themenumber)
{
    if (themenumber != 0) {
        const QPalette platform = QGuiApplication::palette();
        return {brightRules(),
                QStringLiteral("black"),
                brightGreyed.name(),
                QStringLiteral("#be0000"),
                platform.color(QPalette::Window),
                brightGreyed,
                platform.color(QPalette::Button)};
    }
    const QString sheet =
        QStringLiteral(
            "#MainWindow { background-color: black; }"
            "QToolTip {color:white; background-color:black; border: 1px solid white; padding: 2px;}"
            "QLabel {color: white; background-color:transparent;}"
            "QColorDialog {color: white; background-color:black;}"
            "QFontDialog {color: white; background-color:black;}"
            "QRadioButton { color : white; }"
            // The indicators are drawn in the text colour on a white field: give them a dark mark.
            "QRadioButton::indicator, QCheckBox::indicator { width: 11px; height: 11px; "
            "border: 1px solid rgb(120,120,120); background-color: white; }"
            "QRadioButton::indicator { border-radius: 6px; }"
            "QRadioButton::indicator:checked { background-color: qradialgradient(cx:0.5, cy:0.5, "
            "radius:0.5, fx:0.5, fy:0.5, stop:0 black, stop:0.5 black, stop:0.6 white, stop:1 white); }"
            "QCheckBox::indicator:checked { image: url(:/myfiles/checkmark.png); }"
            "QCheckBox::indicator:disabled:!checked, QRadioButton::indicator:disabled:!checked { "
            "background-color: rgb(180,180,180); }"
            "QCheckBox, QGroupBox { color: white; }"
            // Dialogs' own captions are labels, white by the rule above: give them the dark ground.
            "QFileDialog { background-color: black; }"
            // The platform's light-blue selection leaves white text under 4.5:1.
            "QAbstractItemView, QLineEdit { selection-background-color: rgb(0,84,160); "
            "selection-color: white; }"
            "QMessageBox { background-color : black; }"
            "QTabWidget::pane {border: 1px solid rgb(90,90,90); color:white; background-color:rgb(30,30,30);}"
            "QTabBar::tab {border-top-left-radius: 4px; border-top-right-radius: 4px; padding: 4px 8px; "
            "border: "
            "1px solid rgb(90,90,90); color:white; background-color:black;}"
            "QTabBar::tab:selected {color:black; background-color:white;}"
            "QTabBar::tab:hover:!selected {color:white; background-color:rgb(90,90,90);}"
            "QTabBar::tab:hover:selected {color:black; background-color:white;}"
            // The platform's focus frame is faint on black: focus shows in orange.
            "QPushButton:focus { border: 1px solid rgb(255,170,0); background: rgb(255,236,200); }"
            "QCheckBox::indicator:focus, QRadioButton::indicator:focus { border: 1px solid rgb(255,170,0); }"
            "#skinDivider, #iconsDivider, #floatingBrowserDivider, #windowsDivider, #globalFontDivider, "
            "#bottomBandLine "
            "{background-color:rgb(90,90,90);}") +
        buttonRules() +
        // The platform's own grey for a field that is off is faint on the field.
        QStringLiteral("QLineEdit:disabled { color: %1; }").arg(fieldGreyed.name());
    return {sheet,     QStringLiteral("#dcdcdc"), QStringLiteral("#787878"), QStringLiteral("#ff5a5a"),
            Qt::black, darkDisabledText,          darkDisabledGround};
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

void showTextState(QWidget *label, TextState state, int themenumber)
{
    label->setProperty(textStateProperty, int(state));
    label->setStyleSheet(QStringLiteral("color: ") + themeFor(themenumber).colourOf(state));
}

void reshowTextStates(QWidget *root, int themenumber)
{
    for (QWidget *label : root->findChildren<QWidget *>())
        if (const QVariant state = label->property(textStateProperty); state.isValid())
            showTextState(label, TextState(state.toInt()), themenumber);
}
