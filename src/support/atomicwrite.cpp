// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/atomicwrite.h"

#include "support/regularfile.h"

#include "platform/systemerror.h"

#include <QCoreApplication>
#include <QSaveFile>

Result<void> writeFileAtomically(const QString &path, const QByteArray &content)
{
    if (const QString problem = regularfile::problem(path); !problem.isEmpty())
        return Failure{problem};
    QSaveFile file(path);
    // Unbuffered, so a short write (disk full, size limit) shows here: a buffered flush can lose
    // the tail of the file and still report success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure{platform::systemErrorText(file.errorString())};
    if (file.write(content) != content.size()) {
        const QString reason =
            file.error() != QFileDevice::NoError && file.errorString() != QLatin1String("Unknown error")
                ? platform::systemErrorText(file.errorString())
                : QCoreApplication::translate("atomicwrite",
                                              "Not all of the file could be written (is the disk full?)");
        file.cancelWriting();
        return Failure{reason};
    }
    if (!file.commit())
        return Failure{platform::systemErrorText(file.errorString())};
    return {};
}
