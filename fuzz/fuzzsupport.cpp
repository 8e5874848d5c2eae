#include "fuzzsupport.h"

#include "style/resources.h"
#include "style/tablefile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

const Style &defaultStyle()
{
    static const Style style = [] {
        StyleTable table;
        tablefile::read(tablefile::defaultTablePath, table);
        return tablefile::derive(table);
    }();
    return style;
}

QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        fail("the fuzz program can write its scratch file", path);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesBelow(const QString &folder)
{
    QStringList entries;
    const QDir root(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << root.relativeFilePath(it.next());
    entries.sort();
    return entries;
}

void fail(const char *property, const QString &detail)
{
    std::fprintf(stderr, "\n*** property broken: %s\n%s\n", property, qPrintable(detail));
    std::abort();
}

} // namespace fuzzsupport

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives as long as the process; libFuzzer never returns from its loop.
    new QGuiApplication(*argc, *argv);
    initPanelcraftResources();
    return 0;
}
