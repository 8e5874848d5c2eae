// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fileopenevents.h"
#include "app/mainwindow.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = answerInformationRequest(argc, argv))
        return *answered;
    prepareApplicationAttributes();
    QApplication app(argc, argv);
    prepareApplication();
    int result;
    {
        MainWindow window;
        window.show();
        // The desktop entry passes the files a user opens with the program.
        window.openFiles(QApplication::arguments().mid(1));
        const FileOpenEvents fileOpenEvents(&window);
        result = app.exec();
    }
    return result;
}
