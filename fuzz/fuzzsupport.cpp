// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzsupport.h"

#include <QGuiApplication>
#include <QXmlStreamReader>
#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

const Style &defaultStyle()
{
    static const Style style = fixtures::defaultStyle();
    return style;
}

bool qtReadsXml(const QString &text)
{
    QXmlStreamReader reader(text);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::DTD && !reader.entityDeclarations().isEmpty())
            return false;
    }
    return !reader.hasError();
}

QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

void writeFile(const QString &path, const QByteArray &content)
{
    if (!fixtures::writeFile(path, content))
        fail("the fuzz program can write its scratch file", path);
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
    return 0;
}
