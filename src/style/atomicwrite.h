#pragma once

// Writes a whole file or nothing: a failure at any point leaves the previous file untouched.

#include <QByteArray>
#include <QString>

// Returns an empty text on success, else why it failed.
QString writeFileAtomically(const QString &path, const QByteArray &content);
