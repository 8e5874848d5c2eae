// SPDX-License-Identifier: GPL-3.0-or-later
#include "visionname.h"

#include <QCoreApplication>

using colourvision::Vision;

QString visionName(Vision vision)
{
    switch (vision) {
    case Vision::Normal:
        return QCoreApplication::translate("MainWindow", "Normal vision");
    case Vision::Protanopia:
        return QCoreApplication::translate("MainWindow", "Protanopia");
    case Vision::Deuteranopia:
        return QCoreApplication::translate("MainWindow", "Deuteranopia");
    case Vision::Tritanopia:
        return QCoreApplication::translate("MainWindow", "Tritanopia");
    case Vision::Achromatopsia:
        return QCoreApplication::translate("MainWindow", "Achromatopsia");
    }
    return {};
}
