#include "skin/archive/writefailure.h"

#include <QFileDevice>

QString writeFailure(QFileDevice &file)
{
    if (file.error() == QFileDevice::NoError && file.isWritable())
        file.write("", 1);
    return file.errorString();
}
