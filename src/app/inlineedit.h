// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A label whose text can be typed over in place: a double-click, or the returned function (bound
// to a key by the caller), opens a field on the label with its text; Enter hands the typed text
// on, Escape or leaving the field drops it.

#include <QString>
#include <functional>

class QLabel;

std::function<void()> makeTypable(QLabel *label, std::function<void(const QString &typed)> commit);
