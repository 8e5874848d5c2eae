#pragma once

// The tooltip table (widget object name -> text) and the widgets it is applied to: every button of
// the key table's rows, and a short list of others.

#include <QMap>
#include <QString>
#include <QStringList>

QStringList tooltipWidgets();
QMap<QString, QString> readTooltipTable(const QString &path);
