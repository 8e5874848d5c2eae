#pragma once

// The tooltip table (widget object name -> text, translated in the context "Tooltips") and the widgets it is
// applied to: every button of the key table's rows, and a short list of others.

#include <QMap>
#include <QString>
#include <QStringList>

QStringList tooltipWidgets();
// Object name -> tooltip, in the user's language.
QMap<QString, QString> tooltipTexts();
