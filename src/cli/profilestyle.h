#pragma once

// The style a freshly started window has after opening a profile: the built-in default
// table with the profile's lines merged over it.

#include "style/style.h"

#include <QString>

// `profile` is "default", "white" or a table file. Returns an empty text or why it failed.
QString styleForProfile(const QString &profile, Style &style);
