// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/layout/layoutfile.h"

#include "platform/systemerror.h"
#include "skin/archive/workpaths.h"
#include "support/writefailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextCodec>
#include <algorithm>

namespace layoutfile {
namespace {

struct Mark
{
    const char *bytes;
    int size;
    const char *encoding;
};
const Mark byteOrderMarks[] = {
    {"\xef\xbb\xbf", 3, "UTF-8"}, {"\xff\xfe", 2, "UTF-16LE"}, {"\xfe\xff", 2, "UTF-16BE"}};

// US-ASCII, the first 128 characters. Qt has a codec for it only where it is built with ICU, as
// on Linux but not on Windows: this one serves everywhere, so a layout reads and writes alike on
// every system. As ICU's does, it reads any other byte as the replacement character, which no
// text in US-ASCII can be written with.
class AsciiCodec : public QTextCodec
{
public:
    QByteArray name() const override { return QByteArrayLiteral("US-ASCII"); }
    QList<QByteArray> aliases() const override
    {
        return {"ASCII",  "ANSI_X3.4-1968", "ANSI_X3.4-1986", "ISO646-US", "iso-ir-6",
                "IBM367", "cp367",          "csASCII",        "us"};
    }
    int mibEnum() const override { return 3; }

protected:
    QString convertToUnicode(const char *in, int length, ConverterState *) const override
    {
        QString text(length, Qt::Uninitialized);
        for (int i = 0; i < length; ++i)
            text[i] = uchar(in[i]) < 0x80 ? QChar(QLatin1Char(in[i])) : QChar(QChar::ReplacementCharacter);
        return text;
    }
    QByteArray convertFromUnicode(const QChar *in, int length, ConverterState *state) const override
    {
        QByteArray bytes(length, Qt::Uninitialized);
        for (int i = 0; i < length; ++i) {
            const bool held = in[i].unicode() < 0x80;
            bytes[i] = held ? char(in[i].unicode()) : '?';
            if (!held && state)
                ++state->invalidChars;
        }
        return bytes;
    }
};

QTextCodec *codecFor(const QByteArray &encoding)
{
    static AsciiCodec *const ascii = new AsciiCodec; // Qt keeps every codec made, and deletes it
    const QList<QByteArray> asciiNames = ascii->aliases() << ascii->name();
    const bool isAscii =
        std::any_of(asciiNames.begin(), asciiNames.end(), [&encoding](const QByteArray &name) {
            return name.compare(encoding, Qt::CaseInsensitive) == 0;
        });
    return isAscii ? ascii : QTextCodec::codecForName(encoding);
}

// The encoding named by the mark or the declaration; sets how many bytes the mark takes.
QByteArray encodingOf(const QByteArray &data, int *markSize)
{
    *markSize = 0;
    for (const Mark &mark : byteOrderMarks) {
        if (data.startsWith(QByteArray::fromRawData(mark.bytes, mark.size))) {
            *markSize = mark.size;
            return mark.encoding;
        }
    }
    // "<?" without a mark: the width of the first characters tells UTF-16 from 8-bit text.
    if (data.startsWith(QByteArray("<\0?\0", 4)))
        return "UTF-16LE";
    if (data.startsWith(QByteArray("\0<\0?", 4)))
        return "UTF-16BE";
    static const QRegularExpression declared(
        QStringLiteral("^\\s*<\\?xml[^>]*\\sencoding\\s*=\\s*[\"']([A-Za-z0-9._-]{1,40})[\"']"));
    const auto match = declared.match(QString::fromLatin1(data.left(256)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray("UTF-8");
}

} // namespace

QStringList layoutNames(const QString &folder)
{
    QStringList names;
    for (const QString &file : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        const QString name = archive::entryPath(file);
        if (name.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive))
            names << name;
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

QString lineProblem(const QString &text)
{
    int lines = 0;
    int lineStart = 0;
    for (int i = 0; i <= text.size(); ++i) {
        const bool end =
            i == text.size() || text.at(i) == QLatin1Char('\n') || text.at(i) == QLatin1Char('\r');
        if (!end)
            continue;
        if (i - lineStart > maxLineCharacters)
            return QCoreApplication::translate("layoutfile", "has a line longer than %1 characters")
                .arg(maxLineCharacters);
        if (i < text.size() &&
            !(text.at(i) == QLatin1Char('\r') && text.midRef(i + 1, 1) == QLatin1String("\n")))
            ++lines;
        lineStart = i + 1;
    }
    return lines > maxLines
               ? QCoreApplication::translate("layoutfile", "has more than %1 lines").arg(maxLines)
               : QString();
}

LayoutFile read(const QString &path)
{
    LayoutFile file;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        file.problem = platform::systemErrorText(in.errorString());
        return file;
    }
    if (in.size() > maxFileBytes) {
        file.problem =
            QCoreApplication::translate("layoutfile", "is larger than %1 MB").arg(maxFileBytes >> 20);
        file.refused = true;
        return file;
    }
    const QByteArray data = in.readAll();
    int markSize = 0;
    file.encoding = encodingOf(data, &markSize);
    file.byteOrderMark = markSize > 0;
    QTextCodec *codec = codecFor(file.encoding);
    if (!codec) {
        file.problem =
            QCoreApplication::translate("layoutfile", "is in the encoding %1, which Panelcraft cannot read")
                .arg(QString::fromLatin1(file.encoding));
        return file;
    }
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString text = codec->toUnicode(data.constData() + markSize, data.size() - markSize, &state);
    if (state.invalidChars > 0 || state.remainingChars > 0) {
        file.problem = QCoreApplication::translate("layoutfile", "is not valid %1 text")
                           .arg(QString::fromLatin1(file.encoding));
        return file;
    }
    file.problem = lineProblem(text);
    file.refused = !file.problem.isEmpty();
    if (!file.refused)
        file.text = text;
    return file;
}

std::optional<QByteArray> encode(const QString &text, const LayoutFile &like)
{
    QTextCodec *codec = codecFor(like.encoding);
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString marked = like.byteOrderMark ? QChar(0xfeff) + text : text;
    const QByteArray data = codec->fromUnicode(marked.constData(), marked.size(), &state);
    if (state.invalidChars > 0)
        return std::nullopt;
    return data;
}

Result<void> write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    // Unbuffered, so a short write (a full disk) is seen at once, with the system's reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        file.write(data) != data.size())
        return Failure{QCoreApplication::translate("layoutfile", "Cannot write \"%1\": %2")
                           .arg(path, writeFailure(file))};
    return {};
}

} // namespace layoutfile
