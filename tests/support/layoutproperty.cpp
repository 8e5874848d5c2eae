#include "layoutproperty.h"

#include "skin/layout/buildmarks.h"
#include "skin/layout/xmltokens.h"

#include <QVector>
#include <algorithm>

namespace layoutproperty {
namespace {

using xmltokens::Document;
using xmltokens::Element;

struct Parts
{
    QVector<int> kept;     // elements that must survive, in order
    QVector<int> browsers; // replaced browsers
    QVector<bool> changes; // whether the element or something inside it is changed by a rewrite
};

bool named(const Document &document, int index, const char *name, Qt::CaseSensitivity cs = Qt::CaseSensitive)
{
    return document.name(document.elements.at(index)).compare(QLatin1String(name), cs) == 0;
}

bool insideSkin(const Document &document, int index)
{
    for (int at = document.elements.at(index).parent; at >= 0; at = document.elements.at(at).parent) {
        if (named(document, at, "skin", Qt::CaseInsensitive))
            return true;
    }
    return false;
}

Parts parts(const Document &document, bool browsersReplaced)
{
    QVector<xmltokens::Span> added; // between build marks
    for (int i = 0; i + 1 < document.comments.size(); ++i) {
        if (buildmarks::isBegin(document.textOf(document.comments.at(i).span).toString()))
            added << xmltokens::Span{document.comments.at(i).span.start, document.text.size()};
        else if (buildmarks::isEnd(document.textOf(document.comments.at(i).span).toString()) &&
                 !added.isEmpty())
            added.last().end = document.comments.at(i).span.end;
    }
    Parts parts;
    parts.changes.fill(false, document.elements.size());
    int skipUntil = 0;
    for (int i = 0; i < document.elements.size(); ++i) {
        const Element &element = document.elements.at(i);
        const bool inAdded = std::any_of(added.cbegin(), added.cend(), [&](const xmltokens::Span &span) {
            return element.start >= span.start && element.start < span.end;
        });
        if (element.start < skipUntil || inAdded)
            continue;
        const bool browser = browsersReplaced && named(document, i, "browser") && insideSkin(document, i);
        const bool changed =
            browser || named(document, i, "customicons") || named(document, i, "skin", Qt::CaseInsensitive);
        for (int at = i; changed && at >= 0; at = document.elements.at(at).parent)
            parts.changes[at] = true;
        if (browser)
            parts.browsers << i;
        else if (!named(document, i, "customicons"))
            parts.kept << i;
        if (browser || named(document, i, "customicons"))
            skipUntil = element.end;
    }
    return parts;
}

QStringRef raw(const Document &document, int index, bool whole)
{
    const Element &element = document.elements.at(index);
    return document.text.midRef(element.start, (whole ? element.end : element.tagEnd) - element.start);
}

QVector<int> children(const Document &document, int parent)
{
    QVector<int> found;
    for (int i = parent + 1; i < document.elements.size(); ++i) {
        if (document.elements.at(i).parent == parent)
            found << i;
        if (document.elements.at(i).start >= document.elements.at(parent).end)
            break;
    }
    return found;
}

QString browserBroken(const Document &in, int inBrowser, const Document &out, int outBrowser,
                      const QStringList &block)
{
    QVector<int> own;
    for (const int child : children(in, inBrowser)) {
        if (named(in, child, "pos") || named(in, child, "size"))
            own << child;
    }
    const QVector<int> now = children(out, outBrowser);
    const Document blockDocument = xmltokens::read(QStringLiteral("<b>%1</b>").arg(block.join('\n')));
    if (now.size() != own.size() + children(blockDocument, 0).size())
        return QStringLiteral("browser %1 holds %2 elements").arg(inBrowser).arg(now.size());
    for (int i = 0; i < own.size(); ++i) {
        if (raw(in, own.at(i), true) != raw(out, now.at(i), true))
            return QStringLiteral("browser %1 lost its own %2").arg(inBrowser).arg(raw(in, own.at(i), true));
    }
    const Element &browser = out.elements.at(outBrowser);
    const QStringRef content = out.text.midRef(browser.tagEnd, browser.closeStart - browser.tagEnd);
    if (!content.contains(block.join(xmltokens::lineEndOf(in.text))))
        return QStringLiteral("browser %1 does not hold the block").arg(inBrowser);
    return {};
}

} // namespace

QString broken(const QString &input, const QString &output, const QStringList &block, bool browsersReplaced,
               bool bytesKept)
{
    const Document in = xmltokens::read(input);
    if (!in.error.isEmpty() || input.contains(QLatin1String("<!-- panelcraft")))
        return {};
    const Document out = xmltokens::read(output);
    if (!out.error.isEmpty())
        return QStringLiteral("the output %1").arg(out.error);
    const Parts before = parts(in, browsersReplaced);
    const Parts after = parts(out, browsersReplaced);
    if (before.kept.size() != after.kept.size())
        return QStringLiteral("%1 elements kept of %2").arg(after.kept.size()).arg(before.kept.size());
    for (int i = 0; i < before.kept.size(); ++i) {
        const int from = before.kept.at(i), to = after.kept.at(i);
        const bool whole = bytesKept && !before.changes.at(from);
        const bool same = bytesKept ? raw(in, from, whole) == raw(out, to, whole)
                                    : in.name(in.elements.at(from)) == out.name(out.elements.at(to));
        if (!same)
            return QStringLiteral("element %1 changed: %2 -> %3")
                .arg(from)
                .arg(raw(in, from, whole), raw(out, to, whole));
    }
    if (before.browsers.size() != after.browsers.size())
        return QStringLiteral("%1 browsers of %2").arg(after.browsers.size()).arg(before.browsers.size());
    for (int i = 0; i < before.browsers.size(); ++i) {
        const QString why = browserBroken(in, before.browsers.at(i), out, after.browsers.at(i), block);
        if (!why.isEmpty())
            return why;
    }
    return {};
}

} // namespace layoutproperty
