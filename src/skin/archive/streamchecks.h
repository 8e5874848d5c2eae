#pragma once

// The entries a build copies as they are stored are never unpacked, so nothing else would look
// at their data: they are checked to the end of their streams here, on the thread pool, while
// the caller copies them, and the damage stops the build as unpacking them would.

#include "skin/archive/entrystream.h"

#include <QString>
#include <QVector>
#include <memory>

namespace archive {

class StreamChecks
{
public:
    // Starts checking the entries of the archive at `zipPath`, largest first.
    StreamChecks(const QString &zipPath, QVector<StoredEntry> entries);
    // Stops the checks still to come and waits for those under way.
    ~StreamChecks();

    // Checks on this thread what no worker has taken yet, then waits for the rest. A worker
    // that never starts (no thread could be made) leaves its share to this one: nothing waits
    // for work that nobody does.
    bool passed();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

} // namespace archive
