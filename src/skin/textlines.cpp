#include "textlines.h"

#include <QFile>
#include <QTextStream>

namespace textlines {

bool read(const QString &path, QStringList &lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    QString line;
    while (in.readLineInto(&line))
        lines << line;
    return true;
}

QString write(const QString &path, const QStringList &lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString());
    QTextStream out(&file);
    out.setCodec("UTF-8");
    for (const QString &line : lines)
        out << line << '\n';
    out.flush();
    if (out.status() != QTextStream::Ok || file.error() != QFileDevice::NoError)
        return QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString());
    return {};
}

} // namespace textlines
