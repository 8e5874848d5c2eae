#include "app/editorrows.h"

#include "app/textfit.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

// x positions of a colour row's widgets in each of the three column groups of a page. The
// transparency button, where a row has one, sits just left of the pick button.
struct ColumnGroup
{
    int caption, pick, swatch, value, reset;
};
constexpr ColumnGroup columnGroups[] = {
    {10, 100, 151, 198, 255},
    {340, 430, 481, 531, 585},
    {670, 760, 811, 860, 915},
};

constexpr int rowHeight = 23;
constexpr int captionWidth = 90;
constexpr int captionWidthBesideTransparency = 71;
constexpr int transparencyWidth = 21;
constexpr int transparencyLeftOfPick = 20;
constexpr int colourButtonWidth = 45;
constexpr int swatchWidth = 41;
constexpr int valueWidth = 55;
constexpr int resetWidth = 55;

// The Prelisten page's right-hand captions are too long for the group's usual column.
constexpr int prelistenGroup2CaptionX = 330;
constexpr int prelistenGroup2CaptionWidth = 101;

// A font row's widgets, relative to its caption.
constexpr int fontCaptionWidth = 81;
constexpr int fontButtonOffset = 90, fontButtonWidth = 45;
constexpr int fontResetOffset = 140, fontResetWidth = 55;
constexpr int fontLabelHeight = 20;
constexpr int fontNameOffset = 200, fontNameWidth = 151;
constexpr int fontWeightOffset = 370, fontWeightWidth = 81;
constexpr int fontSizeOffset = 470, fontSizeWidth = 91;

struct RowHelp
{
    const char *objectName;
    const char *text; // translated in the context "MainWindow", with the form's texts
};
const RowHelp rowHelp[] = {
    {"backgroundcolorReset",
     QT_TRANSLATE_NOOP("MainWindow",
                       "<html><head/><body><p><span style=\" font-size:9pt;\">Reset Background color to its "
                       "default value</span></p></body></html>")},
    {"backgroundcolorPick",
     QT_TRANSLATE_NOOP(
         "MainWindow",
         "<html><head/><body><p><span style=\" font-size:9pt;\">Select a color for the</span><span "
         "style=\" font-size:9pt; font-weight:600;\"> Background</span><span style=\" "
         "font-size:9pt;\"> of the Browser</span></p></body></html>")},
    {"backgroundcolorTransparent",
     QT_TRANSLATE_NOOP(
         "MainWindow",
         "<html><head/><body><p><span style=\" font-size:9pt;\">Click to make the background of "
         "the Browser transparent</span></p><p><span style=\" font-style:italic;\">the background "
         "graphics of the skin png will be visible</span></p></body></html>")},
    {"listOverReset",
     QT_TRANSLATE_NOOP(
         "MainWindow",
         "<html><head/><body><p><span style=\" font-size:9pt;\">Reset the background color of lines "
         "(when mouse is over), to its default value</span></p></body></html>")},
    {"listOverPick",
     QT_TRANSLATE_NOOP(
         "MainWindow",
         "<html><head/><body><p><span style=\" font-size:9pt;\">Select a color for the </span><span "
         "style=\" font-size:9pt; font-weight:600;\">background</span><span style=\" "
         "font-size:9pt;\"> of the Browser</span><span style=\" font-size:9pt; font-weight:600;\"> "
         "lines </span><span style=\" font-size:9pt;\">when mouse is </span><span style=\" "
         "font-size:9pt; font-weight:600;\">over</span></p></body></html>")},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

QString keyText(const char *text)
{
    return QCoreApplication::translate("stylekeys", text);
}

template <typename Widget> Widget *place(QWidget *page, const QString &name, const QRect &geometry)
{
    auto *widget = new Widget(page);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QLabel *label(QWidget *page, const QString &name, const QRect &geometry, const QString &text = {})
{
    auto *widget = place<QLabel>(page, name, geometry);
    widget->setText(text);
    return widget;
}

QPushButton *button(QWidget *page, const QString &name, const QRect &geometry, const QString &text)
{
    auto *widget = place<QPushButton>(page, name, geometry);
    widget->setText(text);
    return widget;
}

// The widest text a value label can show: a colour name made of the font's widest hex digit.
QString widestColourName(const QFont &font, bool alpha)
{
    const QFontMetrics metrics(font);
    QChar widest;
    for (const QChar digit : QStringLiteral("0123456789abcdef"))
        if (widest.isNull() || metrics.horizontalAdvance(digit) > metrics.horizontalAdvance(widest))
            widest = digit;
    return QLatin1Char('#') + QString(alpha ? 8 : 6, widest);
}

ColourRow buildColourRow(QWidget *page, const stylekeys::ColourKey &key)
{
    const ColumnGroup &group = columnGroups[key.group - 1];
    using stylekeys::RowPart;
    const auto name = [&key](RowPart part) { return stylekeys::widgetName(key, part); };
    const int y = key.y;

    QRect caption(group.caption, y, key.transparent ? captionWidthBesideTransparency : captionWidth,
                  rowHeight);
    if (key.page == stylekeys::Page::Prelisten && key.group == 2)
        caption = QRect(prelistenGroup2CaptionX, y, prelistenGroup2CaptionWidth, rowHeight);

    ColourRow row{};
    row.caption = label(page, name(RowPart::Caption), caption, keyText(key.caption));
    if (key.transparent) {
        const QRect geometry(group.pick - transparencyLeftOfPick, y, transparencyWidth, rowHeight);
        row.transparency = button(page, name(RowPart::Transparent), geometry, QStringLiteral("x"));
    }
    row.pick = button(page, name(RowPart::Pick), QRect(group.pick, y, colourButtonWidth, rowHeight),
                      QCoreApplication::translate("MainWindow", "Color"));
    row.swatch =
        place<QLineEdit>(page, name(RowPart::Swatch), QRect(group.swatch, y, swatchWidth, rowHeight));
    // The swatch only shows the colour; its text is never edited.
    row.swatch->setEnabled(false);
    row.value = label(page, name(RowPart::Value), QRect(group.value, y, valueWidth, rowHeight));
    row.value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    condenseToFit(row.value, widestColourName(row.value->font(), key.alpha || key.transparent));
    row.reset = button(page, name(RowPart::Reset), QRect(group.reset, y, resetWidth, rowHeight),
                       keyText(key.resetText));
    return row;
}

FontRow buildFontRow(QWidget *page, const stylekeys::FontGroupKey &group)
{
    using stylekeys::FontPart;
    const int x = group.x;
    const int y = group.y;
    const auto name = [&group](FontPart part) { return stylekeys::widgetName(group, part); };
    const auto textLabel = [&](FontPart part, int offset, int width) {
        return label(page, name(part), QRect(x + offset, y, width, fontLabelHeight));
    };

    FontRow row{};
    row.caption = label(page, name(FontPart::Caption), QRect(x, y, fontCaptionWidth, rowHeight),
                        keyText(group.caption));
    row.font = button(page, name(FontPart::Pick), QRect(x + fontButtonOffset, y, fontButtonWidth, rowHeight),
                      QCoreApplication::translate("MainWindow", "Font"));
    row.reset = button(page, name(FontPart::Reset), QRect(x + fontResetOffset, y, fontResetWidth, rowHeight),
                       QCoreApplication::translate("MainWindow", "Reset"));
    row.name = textLabel(FontPart::Name, fontNameOffset, fontNameWidth);
    row.weight = textLabel(FontPart::Weight, fontWeightOffset, fontWeightWidth);
    row.size = textLabel(FontPart::Size, fontSizeOffset, fontSizeWidth);
    // The weight label shows "Weight : " and "Bold" or "Normal".
    condenseToFit(row.weight, fontWeightText(QStringLiteral("Normal")));
    return row;
}

} // namespace

QString fontNameText(const QString &family)
{
    return QCoreApplication::translate("MainWindow", "Name : %1").arg(family);
}

QString fontSizeText(int size)
{
    return QCoreApplication::translate("MainWindow", "Size : %1").arg(size);
}

QString fontWeightText(const QString &weightWord)
{
    // The two words FontSpec::weightWord writes into table files; any other is shown as written.
    const QString word =
        weightWord == QLatin1String("Bold")     ? translated(QT_TRANSLATE_NOOP("MainWindow", "Bold"))
        : weightWord == QLatin1String("Normal") ? translated(QT_TRANSLATE_NOOP("MainWindow", "Normal"))
                                                : weightWord;
    return QCoreApplication::translate("MainWindow", "Weight : %1").arg(word);
}

void buildEditorPage(QTabWidget *settingsTabs, int page, EditorRows &rows)
{
    QWidget *pageWidget = settingsTabs->widget(page);
    for (int i = 0; i < stylekeys::colourKeyCount; ++i) {
        const stylekeys::ColourKey &key = stylekeys::colourKeys[i];
        if (int(key.page) == page)
            rows.colours[i] = buildColourRow(pageWidget, key);
    }
    for (int i = 0; i < stylekeys::fontGroupCount; ++i) {
        const stylekeys::FontGroupKey &group = stylekeys::fontGroups[i];
        if (int(group.page) == page)
            rows.fonts[i] = buildFontRow(pageWidget, group);
    }
    fitFormTexts(pageWidget); // captions and buttons in any language
    for (const RowHelp &help : rowHelp)
        if (auto *widget = pageWidget->findChild<QWidget *>(QLatin1String(help.objectName)))
            widget->setWhatsThis(translated(help.text));
}

EditorRows buildEditorRows(QTabWidget *settingsTabs)
{
    EditorRows rows{};
    for (int page = 0; page < settingsTabs->count(); ++page)
        buildEditorPage(settingsTabs, page, rows);
    for (const RowHelp &help : rowHelp)
        Q_ASSERT_X(settingsTabs->findChild<QWidget *>(QLatin1String(help.objectName)), "buildEditorRows",
                   help.objectName);
    return rows;
}
