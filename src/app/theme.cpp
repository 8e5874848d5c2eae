#include "theme.h"

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

Theme themeFor(int themenumber)
{
    if (themenumber != 0)
        return {QString(), QStringLiteral("black"), QStringLiteral("rgb(150, 150, 150)")};
    const QString sheet =
        QStringLiteral(
            "#MainWindow { background-color: black; }"
            "QToolTip {color:white; background-color:black; border: 1px solid white; padding: 2px;}"
            "QLabel {color: white; background-color:transparent;}"
            "QColorDialog {color: white; background-color:black;}"
            "QFontDialog {color: white; background-color:black;}"
            "QRadioButton { color : white; }"
            "QMessageBox { background-color : black; }"
            "QTabWidget::pane {border: 1px solid rgb(90,90,90); color:white; background-color:rgb(30,30,30);}"
            "QTabBar::tab {border-top-left-radius: 4px; border-top-right-radius: 4px; padding: 4px 8px; "
            "border: "
            "1px solid rgb(90,90,90); color:white; background-color:black;}"
            "QTabBar::tab:selected {color:black; background-color:white;}"
            "QTabBar::tab:hover:!selected {color:white; background-color:rgb(90,90,90);}"
            "QTabBar::tab:hover:selected {color:black; background-color:white;}"
            "#line,#line_2, #line_3, #line_8, #line_9, #line_7,#line_17,#line_16,#line_18 "
            "{background-color:rgb(90,90,90);}") +
        buttonRules();
    return {sheet, QStringLiteral("rgb (220,220,220)"), QStringLiteral("rgb(120, 120, 120)")};
}
