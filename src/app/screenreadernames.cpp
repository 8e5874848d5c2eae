// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreadernames.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>

void nameForScreenReaders(QWidget *panel, std::initializer_list<ControlName> names)
{
    for (const ControlName &control : names)
        control.control->setAccessibleName(QCoreApplication::translate("ScreenReaderNames", control.name));
    for (const QLabel *label : panel->findChildren<QLabel *>())
        if (QWidget *buddy = label->buddy(); buddy && buddy->accessibleName().isEmpty())
            buddy->setAccessibleName(withoutMnemonic(label->text()));
}

QString withoutMnemonic(QString text)
{
    static const QRegularExpression single(QStringLiteral("&(?!&)"));
    return text.remove(single).replace(QLatin1String("&&"), QLatin1String("&"));
}
