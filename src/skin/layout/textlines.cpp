#include "skin/layout/textlines.h"

#include "skin/archive/writefailure.h"
#include <QFile>
#include <QRegularExpression>
#include <QTextCodec>

namespace textlines {
namespace {

struct Mark
{
    const char *bytes;
    int size;
    const char *encoding;
};
const Mark byteOrderMarks[] = {
    {"\xef\xbb\xbf", 3, "UTF-8"}, {"\xff\xfe", 2, "UTF-16LE"}, {"\xfe\xff", 2, "UTF-16BE"}};

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

QStringList splitLines(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

TextFile read(const QString &path)
{
    TextFile file;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        file.problem = in.errorString();
        return file;
    }
    if (in.size() > maxFileBytes) {
        file.problem = QStringLiteral("is larger than %1 MB").arg(maxFileBytes >> 20);
        file.refused = true;
        return file;
    }
    const QByteArray data = in.readAll();
    int markSize = 0;
    file.encoding = encodingOf(data, &markSize);
    file.byteOrderMark = markSize > 0;
    QTextCodec *codec = QTextCodec::codecForName(file.encoding);
    if (!codec) {
        file.problem = QStringLiteral("is in the encoding %1, which Panelcraft cannot read")
                           .arg(QString::fromLatin1(file.encoding));
        return file;
    }
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString text = codec->toUnicode(data.constData() + markSize, data.size() - markSize, &state);
    if (state.invalidChars > 0 || state.remainingChars > 0) {
        file.problem = QStringLiteral("is not valid %1 text").arg(QString::fromLatin1(file.encoding));
        return file;
    }
    const int end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (end >= 0)
        file.lineEnd = text.midRef(end, 2) == QLatin1String("\r\n") ? "\r\n" : text.midRef(end, 1).toLatin1();
    // Counted before splitting: each line costs far more memory as a string of its own.
    if (qMax(text.count(QLatin1Char('\n')), text.count(QLatin1Char('\r'))) > maxLines) {
        file.problem = QStringLiteral("has more than %1 lines").arg(maxLines);
        file.refused = true;
        return file;
    }
    file.lines = splitLines(text);
    for (const QString &line : qAsConst(file.lines)) {
        if (line.size() > maxLineCharacters) {
            file.problem = QStringLiteral("has a line longer than %1 characters").arg(maxLineCharacters);
            file.refused = true;
            file.lines.clear();
            break;
        }
    }
    return file;
}

bool read(const QString &path, QStringList &lines)
{
    TextFile file = read(path);
    lines = file.lines;
    return file.problem.isEmpty();
}

QString write(const QString &path, const QStringList &lines, const TextFile &like)
{
    QTextCodec *codec = QTextCodec::codecForName(like.encoding);
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString lineEnd = QString::fromLatin1(like.lineEnd);
    const QString mark = like.byteOrderMark ? QString(QChar(0xfeff)) : QString();
    const QString text = mark + lines.join(lineEnd) + lineEnd;
    const QByteArray data = codec->fromUnicode(text.constData(), text.size(), &state);
    if (state.invalidChars > 0)
        return QStringLiteral("Cannot write \"%1\": some of its new text has no place in the encoding %2")
            .arg(path, QString::fromLatin1(like.encoding));
    QFile file(path);
    // Unbuffered, so a short write (a full disk) is seen at once, with the system's reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        file.write(data) != data.size())
        return QStringLiteral("Cannot write \"%1\": %2").arg(path, writeFailure(file));
    return {};
}

} // namespace textlines
