// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/resources.h"

#include <QtGlobal>

void initPanelcraftResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(translations);
}
