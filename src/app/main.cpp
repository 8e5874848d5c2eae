#include "app/mainwindow.h"
#include "style/resources.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);
    initPanelcraftResources();
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    int result;
    {
        MainWindow window;
        window.show();
        result = app.exec();
    }
    return result;
}
