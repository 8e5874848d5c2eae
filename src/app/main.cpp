#include "app/mainwindow.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    prepareApplicationAttributes();
    QApplication app(argc, argv);
    prepareApplication();
    int result;
    {
        MainWindow window;
        window.show();
        result = app.exec();
    }
    return result;
}
