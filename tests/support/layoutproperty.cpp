// SPDX-License-Identifier: GPL-3.0-or-later
#include "layoutproperty.h"

#include "skin/layout/buildmarks.h"
#include "skin/layout/xmltokens.h"

namespace layoutproperty {
namespace {

using xmltokens::Document;

struct Parts
{
    QVector<int> kept;     // elements that must survive, in order
    QVector<int> browsers; // replaced browsers
    QVector<bool> changes; // whether a rewrite changes the element or something inside it
    int ownSheets = 0;     // <customicons> outside what a build added
};

bool named(const Document &document, int index, const char *name)
{
    return document.name(document.elements.at(index)) == QLatin1String(name);
}

Parts parts(const Document &document, bool browsersReplaced)
{
    Parts parts;
    parts.changes.fill(false, document.elements.size());
    QVector<bool> inSkin(document.elements.size(), false);
    int skipUntil = 0; // the end of a replaced browser, a <customicons> or what a build added
    int comment = 0;
    for (int i = 0; i < document.elements.size(); ++i) {
        const auto &element = document.elements.at(i);
        for (; comment < document.comments.size() && document.comments.at(comment).span.start < element.start;
             ++comment) {
            if (buildmarks::isBegin(document.textOf(document.comments.at(comment).span).toString()))
                skipUntil = document.text.indexOf(buildmarks::end(), document.comments.at(comment).span.end);
        }
        const int parent = element.parent;
        inSkin[i] = parent >= 0 && (inSkin.at(parent) || named(document, parent, "skin"));
        if (element.start < skipUntil)
            continue;
        const bool browser = browsersReplaced && named(document, i, "browser") && inSkin.at(i);
        const bool gone = browser || (named(document, i, "customicons") && parent >= 0);
        for (int at = i; (gone || named(document, i, "skin")) && at >= 0;
             at = document.elements.at(at).parent)
            parts.changes[at] = true;
        if (browser)
            parts.browsers << i;
        else if (!gone)
            parts.kept << i;
        else
            ++parts.ownSheets;
        if (gone)
            skipUntil = element.end;
    }
    return parts;
}

QStringRef raw(const Document &document, int index, bool whole)
{
    const auto &element = document.elements.at(index);
    return document.text.midRef(element.start, (whole ? element.end : element.tagEnd) - element.start);
}

QVector<int> children(const Document &document, int parent, const QStringList &names = {})
{
    QVector<int> found;
    const int end = document.elements.at(parent).end;
    for (int i = parent + 1; i < document.elements.size() && document.elements.at(i).start < end; ++i) {
        if (document.elements.at(i).parent == parent &&
            (names.isEmpty() || names.contains(document.name(document.elements.at(i)))))
            found << i;
    }
    return found;
}

QString browserBroken(const Document &in, int inBrowser, const Document &out, int outBrowser,
                      const QStringList &block)
{
    const QVector<int> own = children(in, inBrowser, {QStringLiteral("pos"), QStringLiteral("size")});
    const QVector<int> now = children(out, outBrowser);
    const Document blockDocument = xmltokens::read(QStringLiteral("<b>%1</b>").arg(block.join('\n')));
    if (now.size() != own.size() + children(blockDocument, 0).size())
        return QStringLiteral("browser %1 holds %2 elements").arg(inBrowser).arg(now.size());
    for (int i = 0; i < own.size(); ++i) {
        if (raw(in, own.at(i), true) != raw(out, now.at(i), true))
            return QStringLiteral("browser %1 lost its own %2").arg(inBrowser).arg(raw(in, own.at(i), true));
    }
    const auto &browser = out.elements.at(outBrowser);
    if (!out.text.midRef(browser.tagEnd, browser.closeStart - browser.tagEnd)
             .contains(block.join(xmltokens::lineEndOf(in.text))))
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
    const Parts before = parts(in, browsersReplaced), after = parts(out, browsersReplaced);
    if (after.ownSheets > 0 || before.kept.size() != after.kept.size() ||
        before.browsers.size() != after.browsers.size())
        return QStringLiteral("elements or browsers lost or doubled, or the layout's own <customicons> kept");
    for (int i = 0; i < before.kept.size(); ++i) {
        const int from = before.kept.at(i), to = after.kept.at(i);
        const bool whole = bytesKept && !before.changes.at(from);
        const bool same = bytesKept ? raw(in, from, whole) == raw(out, to, whole)
                                    : in.name(in.elements.at(from)) == out.name(out.elements.at(to));
        if (!same)
            return QStringLiteral("%1 changed to %2").arg(raw(in, from, whole), raw(out, to, whole));
    }
    for (int i = 0; i < before.browsers.size(); ++i) {
        const QString why = browserBroken(in, before.browsers.at(i), out, after.browsers.at(i), block);
        if (!why.isEmpty())
            return why;
    }
    return {};
}

} // namespace layoutproperty
