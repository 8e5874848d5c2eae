#include "startup.h"

#include "style/resources.h"

#include <QApplication>
#include <QFont>

void prepareApplicationAttributes()
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
}

void prepareApplication()
{
    initPanelcraftResources();
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
}
