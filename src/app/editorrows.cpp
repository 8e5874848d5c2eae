// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editorrows.h"

#include "app/colourswatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

// A row's widgets in the grid of its column group: caption, the transparency button where the row
// has one, the pick button, the swatch, the value and the reset button; the rest of the width is
// the group's room to grow. Rows sit on the odd grid rows, a step of the key table's y apart; the
// even ones hold the lines some pages draw between rows.
enum Column {
    CaptionColumn,
    TransparencyColumn,
    PickColumn,
    SwatchColumn,
    ValueColumn,
    ResetColumn,
    RoomColumn
};
enum FontColumn { FontCaption, FontButton, FontReset, FontName, FontWeight, FontSize, FontRoom };
constexpr int rowStep = 30;       // the key table's y between two rows
constexpr int firstRowY = 10;     // the key table's y of a page's first row
constexpr int secondGroupX = 330; // a font row's x from here on stands in the second column group
// A swatch narrows down to this where a language's longer texts need the room.
constexpr int swatchWidth = 41;
constexpr int narrowestSwatch = 23;
// On either side of a button's text: the themes' padding (6) and border (1).
constexpr int buttonPadding = 7;
constexpr int cellSpacing = 3;
constexpr int captionStep = 4;   // pixels tried at a time for a caption's narrowest width
constexpr int captionWidth = 80; // a caption wider than this may wrap
constexpr int lastGridRow = 99;  // takes the page's spare height, so rows stay at the top

int gridRow(int y)
{
    return (y - firstRowY) / rowStep * 2 + 1;
}

// Named by key and part, as the rows' widgets are, so a help text cannot miss its widget.
struct RowHelp
{
    const char *key;
    stylekeys::RowPart part;
    const char *text; // translated in the context "EditorRows"
};
const RowHelp rowHelp[] = {
    {"backgroundcolor", stylekeys::RowPart::Reset,
     QT_TRANSLATE_NOOP("EditorRows",
                       "<html><head/><body><p><span style=\" font-size:9pt;\">Reset Background color to its "
                       "default value</span></p></body></html>")},
    {"backgroundcolor", stylekeys::RowPart::Pick,
     QT_TRANSLATE_NOOP(
         "EditorRows",
         "<html><head/><body><p><span style=\" font-size:9pt;\">Select a color for the</span><span "
         "style=\" font-size:9pt; font-weight:600;\"> Background</span><span style=\" "
         "font-size:9pt;\"> of the Browser</span></p></body></html>")},
    {"backgroundcolor", stylekeys::RowPart::Transparent,
     QT_TRANSLATE_NOOP(
         "EditorRows",
         "<html><head/><body><p><span style=\" font-size:9pt;\">Click to make the background of "
         "the Browser transparent</span></p><p><span style=\" font-style:italic;\">the background "
         "graphics of the skin png will be visible</span></p></body></html>")},
    {"list_over", stylekeys::RowPart::Reset,
     QT_TRANSLATE_NOOP(
         "EditorRows",
         "<html><head/><body><p><span style=\" font-size:9pt;\">Reset the background color of lines "
         "(when mouse is over), to its default value</span></p></body></html>")},
    {"list_over", stylekeys::RowPart::Pick,
     QT_TRANSLATE_NOOP(
         "EditorRows",
         "<html><head/><body><p><span style=\" font-size:9pt;\">Select a color for the </span><span "
         "style=\" font-size:9pt; font-weight:600;\">background</span><span style=\" "
         "font-size:9pt;\"> of the Browser</span><span style=\" font-size:9pt; font-weight:600;\"> "
         "lines </span><span style=\" font-size:9pt;\">when mouse is </span><span style=\" "
         "font-size:9pt; font-weight:600;\">over</span></p></body></html>")},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("EditorRows", text);
}

QString keyText(const char *text)
{
    return QCoreApplication::translate("stylekeys", text);
}

template <typename Widget> Widget *make(QWidget *page, const QString &name)
{
    auto *widget = new Widget(page);
    widget->setObjectName(name);
    return widget;
}

// Makes a label's text selectable by the mouse once the pointer first comes over it. A selectable
// label keeps a text document of its own, built again at every new text: on a page of value labels
// that is a large part of showing the page, for a selection the pointer has to come over first.
class SelectableOnPointer : public QObject
{
public:
    explicit SelectableOnPointer(QLabel *label) : QObject(label), m_label(label)
    {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_label && event->type() == QEvent::Enter) {
            m_label->removeEventFilter(this);
            m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLabel *m_label;
};

QLabel *label(QWidget *page, const QString &name, const QString &text = {})
{
    auto *widget = make<QLabel>(page, name);
    widget->setText(text);
    return widget;
}

// A long caption takes two lines rather than the width of a page's three column groups; a short
// one keeps its line (and the page the cheaper layout of texts that do not wrap).
QLabel *caption(QWidget *page, const QString &name, const QString &text)
{
    QLabel *widget = label(page, name, text);
    const int oneLine = widget->sizeHint().width();
    if (oneLine <= captionWidth)
        return widget;
    widget->setWordWrap(true);
    // Never more than two lines: a row is as tall as its buttons.
    const int twoLines = widget->heightForWidth(oneLine) + widget->fontMetrics().lineSpacing();
    // No narrower than half of it, nor than its longest word.
    int width = oneLine / 2;
    for (const QString &word : text.split(QLatin1Char(' ')))
        width = std::max(width, widget->fontMetrics().horizontalAdvance(word));
    while (width < oneLine && widget->heightForWidth(width) > twoLines)
        width += captionStep;
    widget->setMinimumSize(width, twoLines);
    return widget;
}

// A row's button is as wide as its text needs, not the style's usual width for a push button:
// three column groups of rows share a page.
QPushButton *button(QWidget *page, const QString &name, const QString &text)
{
    auto *widget = make<QPushButton>(page, name);
    widget->setText(text);
    // Most rows have the same few texts: each is measured once.
    static QHash<QString, int> measured;
    const QString key = widget->font().key() + QLatin1Char('\n') + text;
    auto width = measured.constFind(key);
    if (width == measured.cend())
        width = measured.insert(key, widget->fontMetrics().horizontalAdvance(text));
    widget->setMaximumWidth(*width + 2 * buttonPadding);
    return widget;
}

// The grid of a page's column group, from the page's form ("listsColumn2"); it keeps its rows at
// the top and its spare width at the right.
QGridLayout *columnGrid(QWidget *page, int group, int roomColumn)
{
    const QString pageName = page->objectName().chopped(int(qstrlen("Page")));
    auto *grid = page->findChild<QGridLayout *>(pageName + QStringLiteral("Column") + QString::number(group));
    // The form and the key table are compiled in: a page without the group is a broken build, told
    // in every build rather than left to a null pointer.
    if (!grid)
        qFatal("The form has no column group %d on the page %s", group, qPrintable(pageName));
    if (grid->rowCount() <= lastGridRow) {
        grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), lastGridRow, 0);
        grid->setRowStretch(lastGridRow, 1);
        grid->setColumnStretch(roomColumn, 1);
        grid->setHorizontalSpacing(cellSpacing);
    }
    return grid;
}

// The widest text a value label can show: a colour name made of the font's widest hex digit.
QString widestColourName(const QFont &font, bool alpha)
{
    static QHash<QString, QChar> widestDigit; // by font: every row asks
    QChar &widest = widestDigit[font.key()];
    if (widest.isNull()) {
        const QFontMetrics metrics(font);
        for (const QChar digit : QStringLiteral("0123456789abcdef"))
            if (widest.isNull() || metrics.horizontalAdvance(digit) > metrics.horizontalAdvance(widest))
                widest = digit;
    }
    return QLatin1Char('#') + QString(alpha ? 8 : 6, widest);
}

// The size a label asks for to show the widest of `texts`, its margins included. Labels alike
// (their font, their texts) ask for the same: measured once, as laying a label out is not cheap.
QSize sizeFor(QLabel *label, const QStringList &texts)
{
    static QHash<QString, QSize> measured;
    const QString key = label->font().key() + texts.join(QLatin1Char('\n'));
    if (const auto known = measured.constFind(key); known != measured.cend())
        return *known;
    QSize size;
    for (const QString &text : texts) {
        label->setText(text);
        size = size.expandedTo(label->sizeHint());
    }
    label->clear();
    measured.insert(key, size);
    return size;
}

// The help texts of the row's buttons. A help for a key the table lacks, or for a part its row has
// no button for, stops the program the first time a page gets its rows, in every build.
void addRowHelp(const stylekeys::ColourKey &key, const ColourRow &widgets)
{
    static const bool everyHelpHasItsButton = [] {
        for (const RowHelp &help : rowHelp) {
            const int i = stylekeys::colourIndex(QLatin1String(help.key));
            const bool button = help.part == stylekeys::RowPart::Pick ||
                                help.part == stylekeys::RowPart::Reset ||
                                (help.part == stylekeys::RowPart::Transparent && i >= 0 &&
                                 stylekeys::colourKeys[i].transparent);
            if (i < 0 || !button)
                qFatal("A row help names no button of the rows: %s", help.key);
        }
        return true;
    }();
    Q_UNUSED(everyHelpHasItsButton)
    for (const RowHelp &help : rowHelp) {
        if (qstrcmp(help.key, key.key) != 0)
            continue;
        QWidget *button = help.part == stylekeys::RowPart::Pick    ? widgets.pick
                          : help.part == stylekeys::RowPart::Reset ? widgets.reset
                                                                   : widgets.transparency;
        button->setWhatsThis(translated(help.text));
    }
}

ColourRow buildColourRow(QWidget *page, const stylekeys::ColourKey &key)
{
    using stylekeys::RowPart;
    const auto name = [&key](RowPart part) { return stylekeys::widgetName(key, part); };
    QGridLayout *grid = columnGrid(page, key.group, RoomColumn);
    const int row = gridRow(key.y);

    ColourRow widgets{};
    widgets.caption = caption(page, name(RowPart::Caption), keyText(key.caption));
    grid->addWidget(widgets.caption, row, CaptionColumn);
    if (key.transparent) {
        widgets.transparency = button(page, name(RowPart::Transparent), QStringLiteral("x"));
        grid->addWidget(widgets.transparency, row, TransparencyColumn);
    }
    widgets.pick = button(page, name(RowPart::Pick), QCoreApplication::translate("EditorRows", "Color"));
    grid->addWidget(widgets.pick, row, PickColumn);
    widgets.swatch = make<ColourSwatch>(page, name(RowPart::Swatch));
    widgets.swatch->setMinimumWidth(narrowestSwatch);
    widgets.swatch->setMaximumWidth(swatchWidth);
    // The swatch only shows the colour.
    widgets.swatch->setEnabled(false);
    grid->addWidget(widgets.swatch, row, SwatchColumn);
    widgets.value = label(page, name(RowPart::Value));
    new SelectableOnPointer(widgets.value);
    // Room for the widest value the row can show, and no more: a new value lays nothing out again.
    widgets.value->setFixedSize(
        sizeFor(widgets.value, {widestColourName(widgets.value->font(), key.alpha || key.transparent)}));
    grid->addWidget(widgets.value, row, ValueColumn);
    widgets.reset = button(page, name(RowPart::Reset), keyText(key.resetText));
    grid->addWidget(widgets.reset, row, ResetColumn);
    addRowHelp(key, widgets);
    return widgets;
}

FontRow buildFontRow(QWidget *page, const stylekeys::FontGroupKey &group)
{
    using stylekeys::FontPart;
    const auto name = [&group](FontPart part) { return stylekeys::widgetName(group, part); };
    QGridLayout *grid = columnGrid(page, group.x < secondGroupX ? 1 : 2, FontRoom);
    const int row = gridRow(group.y);

    FontRow widgets{};
    widgets.caption = caption(page, name(FontPart::Caption), keyText(group.caption));
    widgets.font = button(page, name(FontPart::Pick), QCoreApplication::translate("EditorRows", "Font"));
    widgets.reset = button(page, name(FontPart::Reset), QCoreApplication::translate("EditorRows", "Reset"));
    widgets.name = label(page, name(FontPart::Name));
    widgets.weight = label(page, name(FontPart::Weight));
    widgets.size = label(page, name(FontPart::Size));
    // The weight label shows "Weight : " and "Bold" or "Normal": room for either.
    // Room for a family name of ten letters, so the weights and sizes stand in a column.
    widgets.name->setMinimumWidth(
        sizeFor(widgets.name, {fontNameText(QStringLiteral("MMMMMMMMMM"))}).width());
    widgets.weight->setMinimumWidth(sizeFor(widgets.weight, {fontWeightText(QStringLiteral("Normal")),
                                                             fontWeightText(QStringLiteral("Bold"))})
                                        .width());
    const std::pair<QWidget *, FontColumn> cells[] = {
        {widgets.caption, FontCaption}, {widgets.font, FontButton},   {widgets.reset, FontReset},
        {widgets.name, FontName},       {widgets.weight, FontWeight}, {widgets.size, FontSize}};
    for (const auto &[widget, column] : cells)
        grid->addWidget(widget, row, column);
    return widgets;
}

} // namespace

QString fontNameText(const QString &family)
{
    return QCoreApplication::translate("EditorRows", "Name : %1").arg(family);
}

QString fontSizeText(int size)
{
    return QCoreApplication::translate("EditorRows", "Size : %1").arg(size);
}

QString fontWeightText(const QString &weightWord)
{
    // The two words FontSpec::weightWord writes into table files; any other is shown as written.
    const QString word =
        weightWord == QLatin1String("Bold")     ? translated(QT_TRANSLATE_NOOP("EditorRows", "Bold"))
        : weightWord == QLatin1String("Normal") ? translated(QT_TRANSLATE_NOOP("EditorRows", "Normal"))
                                                : weightWord;
    return QCoreApplication::translate("EditorRows", "Weight : %1").arg(word);
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
}

QString rowName(const QTabWidget *settingsTabs, int index, bool font)
{
    const stylekeys::Page page = font ? stylekeys::fontGroups[index].page : stylekeys::colourKeys[index].page;
    const char *caption = font ? stylekeys::fontGroups[index].caption : stylekeys::colourKeys[index].caption;
    return QCoreApplication::translate("EditorPanel", "%1 › %2")
        .arg(settingsTabs->tabText(int(page)).remove(QLatin1Char('&')),
             QCoreApplication::translate("stylekeys", caption));
}
