// SPDX-License-Identifier: GPL-3.0-or-later
#include "rebuildproperty.h"

#include "skin/skinbuilder.h"
#include "skinfixtures.h"
#include "strictpng.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace fixtures {
namespace {

// The refusal of a build that would paint anew the rows a kept, restyled browser shows.
const char keptBrowserLosesRows[] = "this build paints anew";

class Choices
{
public:
    explicit Choices(const QByteArray &bytes) : m_bytes(bytes) {}
    // 0 to `count` - 1; 0 once the bytes are used up.
    int next(int count) { return m_at < m_bytes.size() ? quint8(m_bytes.at(m_at++)) % count : 0; }

private:
    const QByteArray m_bytes;
    int m_at = 0;
};

QByteArray layout(const QString &image)
{
    return xml({"<skin image=\"" + image + "\" width=\"40\">", "\t<browser>", "\t\t<pos x=\"0\" y=\"1\"/>",
                "\t</browser>", "</skin>"});
}

SkinBuildOptions options(Choices &choices, const QString &skin, const QString &windows, const QString &output)
{
    SkinBuildOptions options;
    options.selectedSkinFile = skin;
    options.outputPath = output;
    options.iconSet = IconSet(choices.next(3));
    options.floatBrowser = choices.next(2);
    options.importWindows = choices.next(2);
    options.windowSkinFile = windows;
    options.changeColours = choices.next(4) > 0;
    return options;
}

// The changes a user might make to a built skin; the added files it names again outside the
// marks go in `named`.
void change(Choices &choices, QMap<QString, QByteArray> &files, const QStringList &added, QStringList &named)
{
    const QStringList layouts = QStringList(files.keys()).filter(QRegularExpression("\\.xml$"));
    for (int count = choices.next(4); count > 0; --count) {
        QByteArray &text = files[layouts.at(choices.next(layouts.size()))];
        QStringList lines = fixtures::lines(text);
        const int begin = lines.indexOf(QRegularExpression("\\s*<!-- panelcraft added.*"));
        const int end = lines.indexOf(QRegularExpression("\\s*<!-- panelcraft end -->"));
        const int browser = lines.indexOf(QRegularExpression("\\s*<browser.*"));
        const QString someAdded =
            added.isEmpty() ? QStringLiteral("my--skin.png") : added.at(choices.next(added.size()));
        switch (choices.next(8)) {
        case 0: // a begin mark copied on its own
            if (begin >= 0)
                lines.insert(choices.next(lines.size()), lines.at(begin));
            break;
        case 1: // the pair nested in another
            if (begin >= 0 && end > begin) {
                lines.insert(end + 1, lines.at(end));
                lines.insert(begin, lines.at(begin));
            }
            break;
        case 2: // the pair moved into the browser
            if (begin >= 0 && end > begin && browser >= 0 && browser < begin) {
                const QStringList pair = lines.mid(begin, end - begin + 1);
                lines.erase(lines.begin() + begin, lines.begin() + end + 1);
                for (int i = pair.size() - 1; i >= 0; --i)
                    lines.insert(browser + 1, pair.at(i));
            }
            break;
        case 3: // the end mark gone
            if (end >= 0)
                lines.removeAt(end);
            break;
        case 4: // the skin image replaced
            files["my--skin.png"] = png(40, 10 + choices.next(60), QColor(choices.next(256), 90, 30));
            break;
        case 5: { // an added file named outside the pair, in another case as a user may write it
            QString written = someAdded;
            for (int i = 0; i < written.size(); i += 2)
                written[i] = written.at(i).toUpper();
            lines.insert(qMax(0, begin), "<window name=\"kept\" image=\"" + written + "\"/>");
            named << someAdded;
            break;
        }
        case 6: // an added file renamed, and the lines naming it outside the marks
            if (files.contains(someAdded)) {
                files.insert("user-" + someAdded, files.take(someAdded));
                for (QString &line : lines) {
                    if (!line.contains("<!--"))
                        line.replace(someAdded, "user-" + someAdded);
                }
            }
            break;
        case 7: // an added file given new bytes
            if (files.contains(someAdded))
                files[someAdded] = png(9, 9 + choices.next(9), Qt::darkRed);
            break;
        }
        text = xml(lines);
    }
}

// Every image a layout names outside the marks is in the skin, and an imported window shows the
// window skin's own image.
QString referencesAndImports(const QMap<QString, QByteArray> &skin, const QMap<QString, QByteArray> &original,
                             const QMap<QString, QByteArray> &windowSkin)
{
    QSet<QString> names;
    for (const QString &name : skin.keys())
        names.insert(name.toLower());
    static const QRegularExpression image("image=\"([^\"]*)\"");
    for (auto it = skin.cbegin(); it != skin.cend(); ++it) {
        if (!it.key().endsWith(".xml"))
            continue;
        for (const QString &line : lines(it.value())) {
            const QString name = image.match(line).captured(1).toLower();
            if (!line.contains("<!--") && !name.isEmpty() && !names.contains(name))
                return it.key() + " names " + name + ", which is not in the skin";
        }
    }
    const QStringList windows = lines(windowSkin.value("w.xml")).filter("<window ");
    for (auto it = skin.cbegin(); it != skin.cend(); ++it) {
        for (const QString &window : windows) {
            const QString name = image.match(window).captured(1);
            if (it.key().endsWith(".xml") && lines(it.value()).contains(window) && !original.contains(name) &&
                skin.value(name) != windowSkin.value(name))
                return it.key() + "'s window shows another " + name + " than its own";
        }
    }
    return {};
}

} // namespace

QString rebuildScenario(const QByteArray &bytes, const QString &folder)
{
    Choices choices(bytes);
    const QDir dir(folder);
    const Style style = defaultStyle();
    // c.xml cannot hold the imported windows' text.
    QMap<QString, QByteArray> original{
        {"a.xml", layout("my--skin.png")},
        {"b.xml", layout(choices.next(2) ? "my--skin.png" : "t.png")},
        {"c.xml", "<?xml version=\"1.0\" encoding=\"US-ASCII\"?>\n" + layout("my--skin.png")},
        {"my--skin.png", png(40, 30, Qt::darkBlue)},
        {"t.png", png(40, 20, Qt::darkGreen)},
        {"notes.txt", "mine"}};
    if (choices.next(2))
        original.insert("browserfloat.png", png(9, 9));
    const auto zip = [&dir](const QString &name, const QMap<QString, QByteArray> &files) {
        QList<ZipEntry> entries;
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            entries << ZipEntry{it.key(), it.value()};
        writeZip(dir.filePath(name), entries);
        return dir.filePath(name);
    };
    // One window has a picture named as the floating browser's.
    const QMap<QString, QByteArray> windowSkin{
        {"w.xml", xml({"<skin>", "<window name=\"w\" image=\"wimg.png\">", "</window>",
                       "<window name=\"wb\" image=\"browserfloat.png\">", "\t<text text=\"Caf\u00e9\"/>",
                       "</window>", "</skin>"})},
        {"wimg.png", png(5, 5, Qt::yellow)},
        {"browserfloat.png", png(6, 6, Qt::magenta)}};
    const QString windows = zip("windows.zip", windowSkin);
    const SkinBuildOptions firstOptions =
        options(choices, zip("original.zip", original), windows, dir.filePath("first.zip"));
    const BuildResult first = SkinBuilder::build(firstOptions, style, dir.filePath("work"));
    if (!first.ok)
        return "the first build failed: " + first.message;
    const QMap<QString, QByteArray> built = readZip(dir.filePath("first.zip"));
    QStringList added = built.keys();
    for (const QString &name : original.keys())
        added.removeAll(name);
    QMap<QString, QByteArray> changed = built;
    QStringList named;
    change(choices, changed, added, named);
    // Unchanged, the output itself, its entries in the order the build wrote them.
    const QString changedSkin = changed == built ? dir.filePath("first.zip") : zip("changed.zip", changed);
    SkinBuildOptions second = options(choices, changedSkin, windows, dir.filePath("again.zip"));
    const BuildResult again = SkinBuilder::build(second, style, dir.filePath("work"));
    // A layout left with a browser an earlier build restyled keeps the rows it shows, or the build is
    // refused.
    if (!again.ok)
        return again.message.contains(keptBrowserLosesRows) ? QString()
                                                            : "the rebuild failed: " + again.message;
    const QMap<QString, QByteArray> rebuilt = readZip(dir.filePath("again.zip"));
    for (auto it = changed.cbegin(); it != changed.cend(); ++it) {
        const QString &name = it.key();
        const bool asBuilt = built.value(name) == it.value();
        if (!rebuilt.contains(name)) {
            if (asBuilt && added.contains(name) && !named.contains(name))
                continue;
            return name + " was taken out";
        }
        if (!name.endsWith(".png") || (asBuilt && added.contains(name)))
            continue;
        if (const QString problem = strictPngProblem(rebuilt.value(name)); !problem.isEmpty())
            return name + " does not open in a strict reader: " + problem;
        // The rows the earlier build did not add: all of a file it did not write as it is.
        const QImage before = QImage::fromData(it.value()).convertToFormat(QImage::Format_ARGB32);
        const int ownRows = asBuilt && original.contains(name)
                                ? QImage::fromData(original.value(name)).height()
                                : before.height();
        const QImage after = QImage::fromData(rebuilt.value(name)).convertToFormat(QImage::Format_ARGB32);
        if (after.width() != before.width() || after.height() < ownRows ||
            after.copy(0, 0, after.width(), ownRows) != before.copy(0, 0, before.width(), ownRows))
            return QStringLiteral("%1 lost rows of its picture: %2 of %3 kept")
                .arg(name)
                .arg(after.height())
                .arg(ownRows);
    }
    if (changed != built)
        return {};
    // Unchanged, each build of a chain of rebuilds equals the original built afresh with its
    // options: entries, their order and bytes. Unless it keeps the browser an earlier build
    // restyled, or a layout that cannot hold the new text keeps it: that browser may point into
    // the rows painted below the picture, so they stay. With the options of the build before, it
    // holds the same entries stored alike (the first rebuild: the same archive): nothing grows on
    // every pass.
    QString input = dir.filePath("first.zip"), output = second.outputPath;
    SkinBuildOptions earlier = firstOptions, current = second;
    bool restyled = firstOptions.changeColours;
    QStringList warnings = again.warnings;
    for (int generation = 1;; ++generation) {
        const QMap<QString, QByteArray> out = readZip(output);
        if (const QString broken = referencesAndImports(out, original, windowSkin); !broken.isEmpty())
            return output + ": " + broken;
        const bool keptRestyled =
            restyled && (!current.changeColours || !warnings.filter("only what an earlier build").isEmpty());
        if (!keptRestyled) {
            SkinBuildOptions afresh = current;
            afresh.selectedSkinFile = firstOptions.selectedSkinFile;
            afresh.outputPath = dir.filePath("fresh.zip");
            if (const BuildResult fresh = SkinBuilder::build(afresh, style, dir.filePath("work")); !fresh.ok)
                return "the fresh build failed: " + fresh.message;
            if (zipNames(afresh.outputPath) != zipNames(output))
                return "rebuilt, it holds " + zipNames(output).join(' ') + "; built afresh " +
                       zipNames(afresh.outputPath).join(' ');
            const QMap<QString, QByteArray> fresh = readZip(afresh.outputPath);
            // An image cut back to its picture is coded anew: the same pixels, and marks that
            // differ only in the proof of the image grown from it, and so in their digest.
            static const QRegularExpression proofs(" (grown|digest)=\"[^\"]*\"");
            for (auto it = fresh.cbegin(); it != fresh.cend(); ++it) {
                if (it.key().endsWith(".png")
                        ? QImage::fromData(out.value(it.key())).convertToFormat(QImage::Format_ARGB32) !=
                              QImage::fromData(it.value()).convertToFormat(QImage::Format_ARGB32)
                        : QString::fromUtf8(out.value(it.key())).remove(proofs) !=
                              QString::fromUtf8(it.value()).remove(proofs))
                    return it.key() + " rebuilt differs from the one built afresh";
            }
        }
        const bool sameOptions =
            earlier.iconSet == current.iconSet && earlier.floatBrowser == current.floatBrowser &&
            earlier.importWindows == current.importWindows && earlier.changeColours == current.changeColours;
        // (An entry a rebuild wrote that the next copies keeps its data, not its header's form.)
        if (sameOptions && (generation == 1 ? readFile(output) != readFile(input)
                                            : zipNames(output) != zipNames(input) ||
                                                  readZip(output, true) != readZip(input, true)))
            return QStringLiteral("built again with the same options, the archive differs");
        if (generation == 4 || choices.next(2) == 0)
            return {};
        restyled = restyled || current.changeColours;
        earlier = current;
        input = output;
        output = dir.filePath(QStringLiteral("chain%1.zip").arg(generation));
        current = options(choices, input, windows, output);
        const BuildResult next = SkinBuilder::build(current, style, dir.filePath("work"));
        if (!next.ok)
            return next.message.contains(keptBrowserLosesRows)
                       ? QString()
                       : "a rebuild in a chain failed: " + next.message;
        warnings = next.warnings;
    }
}

} // namespace fixtures
