// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tooltip table (widget object name -> text, translated in the context "Tooltips") and the widgets it is
// applied to: every button of the key table's rows, and a short list of others.

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

QStringList tooltipWidgets();
bool hasTooltip(const QString &objectName); // one of tooltipWidgets()
// Object name -> tooltip of the `wanted` widgets, in the user's language; the rows' buttons
// without a text of their own get one naming their row by `rowName`.
QMap<QString, QString> tooltipTexts(const std::function<QString(int index, bool font)> &rowName,
                                    const QSet<QString> &wanted);
