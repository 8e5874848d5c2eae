// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A colour vision's name as the window shows it, translated: in "View as" and the rows' signs.

#include "colour/colourvision.h"

#include <QString>

QString visionName(colourvision::Vision vision);
