#pragma once

// The program's own two looks: dark (0) and the platform's bright look (anything else).

#include <QString>

struct Theme
{
    QString styleSheet;  // for the main window; its dialogs inherit it
    QString labelcolor;  // text colour of enabled option labels
    QString greyedcolor; // text colour of disabled option labels
};

Theme themeFor(int themenumber);

// Push buttons look the same in the main window's dark sheet and the About dialog.
QString buttonRules();
