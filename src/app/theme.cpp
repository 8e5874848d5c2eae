#include "theme.h"

#include <QVariant>
#include <QWidget>

QString buttonRules()
{
    return QStringLiteral(
               "QPushButton {color:black; padding: 0px 6px; min-height:23px; border-radius: 2px; border:1px "
               "solid %1;  background: rgb(220,220,220); }"
               " QPushButton:disabled {color:rgb(90,90,90); padding: 0px 6px; min-height:23px; "
               "border-radius: "
               "2px; border:1px solid %1;  background: rgb(180,180,180); }"
               " QPushButton:hover { background: rgb(240,240,240); }"
               "QPushButton:hover:disabled { background: rgb(180,180,180); }"
               "QPushButton:selected { background-color: orange; }")
        .arg(QStringLiteral("black"));
}

namespace {
// The platform's look, but for the texts it leaves under 4.5:1 (white on its light-blue selection)
// or under 3:1 (disabled controls on their light ground).
QString brightRules()
{
    return QStringLiteral("QAbstractItemView, QLineEdit { selection-background-color: rgb(0,84,160); "
                          "selection-color: white; }"
                          "QPushButton:disabled, QCheckBox:disabled, QRadioButton:disabled, QLabel:disabled, "
                          "QLineEdit:disabled { color: rgb(118,118,118); }");
}
} // namespace

Theme themeFor(int themenumber)
{
    if (themenumber != 0)
        return {brightRules(), QStringLiteral("black"), QStringLiteral("rgb(128, 128, 128)"),
                QStringLiteral("rgb(190, 0, 0)")};
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
            "#line,#line_2, #line_3, #line_8, #line_9, #bottomBandLine,#line_17,#line_16,#line_18 "
            "{background-color:rgb(90,90,90);}") +
        buttonRules();
    return {sheet, QStringLiteral("#dcdcdc"), QStringLiteral("rgb(120, 120, 120)"),
            QStringLiteral("rgb(255, 90, 90)")};
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
        return QStringLiteral("rgb(96, 96, 96)");
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
