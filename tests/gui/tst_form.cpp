#include "app/editorrows.h"
#include "style/resources.h"
#include "ui_mainwindow.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

// Every object of the form by kind, as the rest of the program addresses them by name.
// The colour and font rows are checked against the key table instead.
const struct
{
    const char *className;
    const char *names;
} expectedObjects[] = {
    {"QLabel",
     "label selectedfile label_2 alticons floatlabel_8 iconselect_name floatlabel_7 label_3 floatlabel "
     "label_79 label_80 selectedwindow floatlabel_3 floatlabel_2 label_81 font_label_2 label_82 label_83 "
     "floatlabel_4 label_4 label_126 label_33 label_34 statuslabel label_67"},
    {"QLabel", "label_46 label_39 label_48 label_54 label_85 floatlabel_5 label_86"},
    {"QLabel", "browser_backview toolbar_back search_back scroll_back livefeedback_label scroll_back_2 "
               "listback_color file_count scroll_but2 scroll_but1 scroll_but3 scroll_but1_2 scroll_but2_2 "
               "scroll_but3_2 header_artist header_title"},
    {"QLabel",
     "sideview_back sideview_icon sampler_bank_name automix_back automix_icon listback_color_2 "
     "header_artist_2 header_title_2 info_background label_7 Info_Line1 Info_Line2 Info_Line3 Info_Line4 "
     "Info_value1 Info_value2 Info_value3 Info_value4 info_tracktitle info_trackartist previewbackground "
     "previewplayed plugin_frame plugin_fxtitle plugin_background plugin_graphicsback plugin_parameter "
     "plugin_parameter_value plugin_string"},
    {"QLabel",
     "gridbackgroun_label grid_tracknormal_back grid_tracknormal_back_2 grid_tracknormal_back_3 "
     "grid_tracknormal_back_4 label_103 label_110 label_119 label_123 label_104 label_105 label_107 "
     "label_111 label_112 label_121 label_122 label_125 grid_strike_back grid_strike_back_2 "
     "grid_strike_back_3 grid_strike_back_4 grid_strike_text1 grid_strike_text1_2 grid_strike_text1_3 "
     "grid_strike_text1_4 grid_strike_text2 grid_strike_text2_2 grid_strike_text2_3 grid_strike_text2_4 "
     "grid_strike_back2 grid_strike_back2_2 grid_strike_back2_3 grid_strike_back2_4 label_114 label_118 "
     "label_120 label_124"},
    {"QPushButton", "skinfileselect iconselect windowfileselect globalfontbutton pushButton dothejob "
                    "resetfontgridtites_2 sampler_but1 sampler_but2 sampler_but3 previewbutton plugin_fxbut"},
    {"QLineEdit", "globalsize skinfile lineheight searchbarbox"},
    {"QCheckBox",
     "checkBox checkBox_window checkBox_globalfont checkBox_changecolors checkBox_changecolors_2"},
    {"QRadioButton", "radioButton radioButton_2 radioButton_4 radioButton_3"},
    {"QFrame", "line_2 line line_8 line_9 line_3 line_7 separator_line separator_line_2 prelisten_line"},
    {"QListWidget", "listWidget listWidget_2 listWidget_3 listWidget_4"},
    {"QTabWidget", "tabWidget tabWidget_3 tabWidget_2"},
    {"QWidget",
     "centralWidget tab_6 tab_7 tab_8 tab tab_2 tab_3 tab_4 tab_10 tab_14 tab_5 tab_9 tab_18 tab_20 "
     "tab_15 tab_16 tab_11 tab_12 tab_13 tab_17"},
    {"QMenuBar", "menuBar"},
    {"QMenu", "menuProfile menuOpen menuTheme menuHelp"},
    {"QAction",
     "actionSave actionSave_as actionDelete actionDefault_2 actionWhiteBrowser actionCustom actionBlack "
     "actionWhite actionShow_Tooltips actionAbout actionWhats_This"},
};

const QString fileItem = QStringLiteral("Artist") + QString(40, QLatin1Char(' ')) + QStringLiteral("Title") +
                         QString(23, QLatin1Char(' '));

QStringList names(const char *spaceSeparated)
{
    return QString::fromLatin1(spaceSeparated).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool isLine(const QWidget *widget)
{
    const auto *frame = qobject_cast<const QFrame *>(widget);
    return frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

// The help text with bold spans as *...* and italic ones as _..._, paragraphs on their own lines.
QString markedText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString paragraph;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QString text = fragment.text();
            if (fragment.charFormat().fontItalic())
                text = QLatin1Char('_') + text + QLatin1Char('_');
            if (fragment.charFormat().fontWeight() > QFont::Normal)
                text = QLatin1Char('*') + text + QLatin1Char('*');
            paragraph += text;
        }
        paragraphs << paragraph;
    }
    return paragraphs.join(QLatin1Char('\n'));
}

} // namespace

class FormTest : public QObject
{
    Q_OBJECT

    QMainWindow window;
    Ui::MainWindow ui;
    EditorRows rows{};

    template <typename T = QWidget> T *find(const QString &name) { return window.findChild<T *>(name); }

private slots:
    void initTestCase();
    void objectHasKind_data();
    void objectHasKind();
    void geometry_data();
    void geometry();
    void windowLimits();
    void fonts_data();
    void fonts();
    void tabPages();
    void lists();
    void stacking_data();
    void stacking();
    void helpTexts_data();
    void helpTexts();
    void imagesResolve_data();
    void imagesResolve();
    void colourRowsFollowKeyTable_data();
    void colourRowsFollowKeyTable();
    void fontRowsFollowKeyTable();
    void rowsDoNotOverlapAndStayVisible();
    void textsAreNotCut();
};

void FormTest::initTestCase()
{
    initPanelcraftResources();
    // The program's own font, which the rows and pages are laid out for.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    ui.setupUi(&window);
    rows = buildEditorRows(ui.tabWidget);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

void FormTest::objectHasKind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    for (const auto &kind : expectedObjects)
        for (const QString &name : names(kind.names))
            QTest::newRow(qPrintable(name)) << name << QString::fromLatin1(kind.className);
}

void FormTest::objectHasKind()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    // Slots are bound by object name, so a name must lead to exactly one object.
    const QList<QObject *> found = window.findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    if (className == QLatin1String("QFrame")) {
        auto *frame = static_cast<QFrame *>(found.first());
        QVERIFY(isLine(frame));
        QCOMPARE(frame->frameShadow(), QFrame::Sunken);
        QCOMPARE(frame->frameShape() == QFrame::HLine, frame->width() > frame->height());
    }
}

void FormTest::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    const struct
    {
        const char *name;
        QRect rect;
    } samples[] = {
        {"label", {21, 15, 111, 26}},
        {"iconselect", {910, 58, 91, 26}},
        {"globalsize", {620, 175, 51, 24}},
        {"tabWidget", {19, 240, 991, 215}},
        {"tabWidget_3", {20, 457, 981, 198}},
        {"dothejob", {470, 672, 121, 31}},
        {"label_67", {570, 710, 441, 20}},
        {"tabWidget_2", {635, 0, 341, 171}},
        {"listWidget_2", {252, 50, 358, 121}},
        {"listWidget_4", {0, 50, 343, 17}},
        {"label_7", {5, 5, 51, 51}},
        {"sampler_but3", {110, 40, 51, 41}},
        {"label_123", {372, 98, 65, 65}},
        {"grid_strike_text2_3", {633, 41, 47, 16}},
        {"label_124", {524, 151, 151, 16}},
        {"lineheight", {780, 10, 45, 23}},
        {"resetfontgridtites_2", {830, 10, 55, 23}},
        {"background_transp", {80, 10, 21, 23}},
        {"backcolorbutton", {100, 10, 45, 23}},
        {"listfeedback_line", {811, 40, 41, 23}},
        {"prelisten_buttonbackground_caption", {330, 40, 101, 23}},
        {"plugin_overbuttonfillrstart_name", {860, 10, 55, 23}},
        {"plugin_buttonborder_reset", {585, 160, 55, 23}},
        {"resetlistinsert", {255, 220, 55, 23}},
        {"fontbutton", {100, 10, 45, 23}},
        {"resetfont", {150, 10, 55, 23}},
        {"toolbarsize_label", {480, 130, 91, 20}},
        {"pluginfont_weight", {720, 10, 81, 20}},
        {"pluginknobfont_size", {820, 40, 91, 20}},
        {"pluginbuttonfont_name", {550, 70, 151, 20}},
    };
    for (const auto &sample : samples)
        QTest::newRow(sample.name) << QString::fromLatin1(sample.name) << sample.rect;
}

void FormTest::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    QWidget *widget = find(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), expected);
}

void FormTest::windowLimits()
{
    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Panelcraft"));
    QCOMPARE(window.size(), QSize(1024, 770));
    QCOMPARE(window.minimumSize(), QSize(1024, 360));
    QCOMPARE(window.maximumSize(), QSize(1024, 770));
    QCOMPARE(window.centralWidget(), ui.centralWidget);
    QCOMPARE(window.menuBar(), ui.menuBar);
}

void FormTest::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::newRow("dothejob") << "dothejob" << 12 << false << false;
    QTest::newRow("label_33") << "label_33" << 10 << true << false;
    QTest::newRow("statuslabel") << "statuslabel" << 10 << true << false;
    QTest::newRow("label_34") << "label_34" << 8 << false << true;
    QTest::newRow("label_67") << "label_67" << 8 << false << false;
    for (const QString &name :
         names("sideview_back automix_back info_tracktitle label_104 label_105 label_107 "
               "label_111 label_112 label_121 label_122 label_125"))
        QTest::newRow(qPrintable(name)) << name << 10 << false << false;
    for (const QString &name : names("sampler_but1 sampler_but2 sampler_but3"))
        QTest::newRow(qPrintable(name)) << name << 20 << false << false;
    QTest::newRow("previewbutton") << "previewbutton" << 16 << false << false;
}

void FormTest::fonts()
{
    QFETCH(QString, name);
    QFETCH(int, pointSize);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    const QFont font = find(name)->font();
    QCOMPARE(font.pointSize(), pointSize);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.italic(), italic);
    if (name == QLatin1String("dothejob"))
        QCOMPARE(font.family(), QStringLiteral("Arial"));
}

void FormTest::tabPages()
{
    const struct
    {
        QTabWidget *tabs;
        const char *pages;
        QStringList texts;
        int current;
    } expected[] = {
        {ui.tabWidget,
         "tab_6 tab_7 tab_8 tab tab_2 tab_3 tab_4 tab_10 tab_14 tab_5 tab_9 tab_18 tab_20",
         {"Background", "Lists", "Grids", "Info", "Toolbar", "Scrollbar", "Columns", "Search", "Prelisten",
          "Separator", "Font", "Plugin", "Plugin Text"},
         1},
        {ui.tabWidget_3, "tab_15 tab_16", {"List View", "Grid View"}, 0},
        // The Automix page shows only its icon-less tab, without text.
        {ui.tabWidget_2, "tab_11 tab_12 tab_13 tab_17", {"Sampler", "", "Info", "Plugin"}, 3},
    };
    for (const auto &tabs : expected) {
        const QStringList pages = names(tabs.pages);
        QCOMPARE(tabs.tabs->count(), pages.size());
        for (int i = 0; i < pages.size(); ++i) {
            QCOMPARE(tabs.tabs->widget(i)->objectName(), pages[i]);
            QCOMPARE(tabs.tabs->tabText(i), tabs.texts[i]);
        }
        QCOMPARE(tabs.tabs->currentIndex(), tabs.current);
    }
    QCOMPARE(ui.tabWidget_2->tabPosition(), QTabWidget::South);
    QCOMPARE(ui.tabWidget->tabPosition(), QTabWidget::North);
}

void FormTest::lists()
{
    const struct
    {
        QListWidget *list;
        QStringList items;
        bool alternating;
    } expected[] = {
        // No folder is numbered 4: the fourth item is "Folder 5".
        {ui.listWidget, {"Folder 1", "Folder 2", "Folder 3", "Folder 5"}, false},
        {ui.listWidget_2, QVector<QString>(5, fileItem).toList(), true},
        {ui.listWidget_3, QVector<QString>(3, fileItem).toList(), true},
        {ui.listWidget_4,
         {QStringLiteral("Artist (playing in Automix)   Title") + QString(23, QLatin1Char(' '))},
         true},
    };
    for (const auto &list : expected) {
        QStringList items;
        for (int i = 0; i < list.list->count(); ++i)
            items << list.list->item(i)->text();
        QCOMPARE(items, list.items);
        QCOMPARE(list.list->alternatingRowColors(), list.alternating);
        QVERIFY(!list.list->isSortingEnabled());
    }
    for (QListWidget *list : {ui.listWidget, ui.listWidget_2, ui.listWidget_3})
        QCOMPARE(list->currentRow(), 0);
    QCOMPARE(ui.listWidget_4->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(ui.listWidget_4->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void FormTest::stacking_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("list view")
        << "tab_15"
        << names("browser_backview toolbar_back tabWidget_2 listWidget search_back scroll_back "
                 "separator_line listWidget_2 separator_line_2 livefeedback_label "
                 "scroll_back_2 listback_color file_count searchbarbox scroll_but2 "
                 "scroll_but1 scroll_but3 scroll_but1_2 scroll_but2_2 scroll_but3_2 "
                 "header_artist header_title");
    QTest::newRow("automix") << "tab_12"
                             << names(
                                    "automix_back automix_icon listWidget_3 listback_color_2 header_artist_2 "
                                    "header_title_2 listWidget_4");
    QTest::newRow("plugin") << "tab_17"
                            << names("plugin_frame plugin_fxtitle plugin_background plugin_graphicsback "
                                     "plugin_parameter plugin_parameter_value plugin_string plugin_fxbut");
    QTest::newRow("grid view")
        << "tab_16"
        << names("gridbackgroun_label grid_tracknormal_back label_103 label_104 label_105 "
                 "grid_strike_back grid_strike_text1 grid_strike_text2 grid_strike_back2 "
                 "label_114 grid_tracknormal_back_2 label_110 label_107 label_111 "
                 "grid_strike_back_2 grid_strike_text1_2 grid_strike_text2_2 "
                 "grid_strike_back2_2 label_118 grid_tracknormal_back_3 label_119 label_112 "
                 "label_121 grid_strike_back_3 grid_strike_text1_3 grid_strike_text2_3 "
                 "grid_strike_back2_3 label_120 grid_tracknormal_back_4 label_123 label_122 "
                 "label_125 grid_strike_back_4 grid_strike_text1_4 grid_strike_text2_4 "
                 "grid_strike_back2_4 label_124");
}

void FormTest::stacking()
{
    QFETCH(QString, page);
    QFETCH(QStringList, order);
    QStringList actual;
    for (QObject *child : find(page)->children())
        if (child->isWidgetType())
            actual << child->objectName();
    QCOMPARE(actual, order);
}

void FormTest::helpTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const struct
    {
        const char *name;
        const char *text;
    } texts[] = {
        {"skinfileselect",
         "It's the first step you need to do to modify a skin. \nClick this button to get a File "
         "Dialog Window and *select the Turnwise Skin* you wish to modify"},
        {"radioButton", "Select this option to have the *Default Browser Icons *in your skin"},
        {"radioButton_2",
         "Select this option to use the *_Alternative_** Browser Icons* (found in several custom "
         "Turnwise Skins) in your modified Skin"},
        {"checkBox", "When enabled, an additional Browser will be added in a *floating Window*."},
        {"selectedfile", "The selected Turnwise *Skin name* will appear here"},
        {"pushButton", "Click to *reset *all Browser Colors and Fonts to the default values"},
        {"windowfileselect", "Select a skin and *add its floating windows *to the modified skin"},
        {"checkBox_window",
         "When enabled, the *floating Windows* of another Skin will be added to the modified Skin"},
        {"globalfontbutton",
         "Choose a Font to use for the modified skin.\n_Will affect Browser if the \"Change "
         "Browser Colors and Fonts\" option is disabled_"},
        {"checkBox_globalfont", "Enable to alter the size and the fonts of the modified skin"},
        {"checkBox_changecolors",
         "Enable to* view *the Browser Colors and Fonts and *apply* the changes to the "
         "Browser of the modified skin."},
        {"radioButton_3", "Select this option to import *Custom Browser Icons* from another skin"},
        {"iconselect_name",
         "Displays the selected skin from which the Custom Browser Icons will be imported from."},
        {"iconselect",
         "Opens a File Dialog Window to select a skin from which you want to import Custom Browser "
         "Icons\n_Available only when the \"From another Skin\" option is selected_"},
        {"checkBox_changecolors_2", "Show/Hide the *Browser Preview*"},
        {"radioButton_4",
         "Select this option to use the *_White_** Browser Icons* (inverted colors for White "
         "Browsers) in your modified Skin"},
        {"resetbackcolor", "Reset Background color to its defaullt value"},
        {"backcolorbutton", "Select a color for the* Background* of the Browser"},
        {"background_transp",
         "Click to make the background of the Browser transparent\n_the background graphics of "
         "the skin png will be visible_"},
        {"resetlistover", "Reset the background color of lines (when mouse is over), to its default value"},
        {"listoverbutton", "Select a color for the *background* of the Browser* lines *when mouse is *over*"},
    };
    for (const auto &text : texts)
        QTest::newRow(text.name) << QString::fromLatin1(text.name) << QString::fromUtf8(text.text);
}

void FormTest::helpTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const QString html = find(name)->whatsThis();
    QVERIFY(Qt::mightBeRichText(html));
    QCOMPARE(markedText(html), expected);
}

void FormTest::imagesResolve_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("richText"); // "", "text" or "toolTip"
    QTest::addColumn<QString>("image");
    const QString question = QStringLiteral(":/new/images/myfiles/question.png");
    for (const QString &name : names("floatlabel_3 floatlabel_4 floatlabel_5"))
        QTest::newRow(qPrintable(name)) << name << QString() << question;
    QTest::newRow("floatlabel_7") << "floatlabel_7" << QString() << ":/myfiles/myfiles/Warning.png";
    QTest::newRow("alticons") << "alticons" << QString() << question;
    QTest::newRow("floatlabel_8") << "floatlabel_8" << QString() << question;
    QTest::newRow("alticons preview") << "alticons"
                                      << "toolTip"
                                      << "<img src=\":/myfiles/icons/ICONS.png\" width=\"300\"";
    QTest::newRow("floatlabel_8 preview") << "floatlabel_8"
                                          << "toolTip"
                                          << "<img src=\":/myfiles/icons/ICONSWHITE.png\" width=\"300\"";
    QTest::newRow("label_7") << "label_7"
                             << "text"
                             << "<img src=\":/myfiles/quillologo.png\" width=\"45\"";
    for (const QString &name : names("label_103 label_110 label_119 label_123"))
        QTest::newRow(qPrintable(name)) << name << "text"
                                        << "<img src=\":/myfiles/quillologo.png\" width=\"55\"";
}

void FormTest::imagesResolve()
{
    QFETCH(QString, name);
    QFETCH(QString, richText);
    QFETCH(QString, image);
    QWidget *widget = find(name);
    if (richText.isEmpty()) {
        const QImage shown = static_cast<QLabel *>(widget)->pixmap(Qt::ReturnByValue).toImage();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown, QImage(image).convertToFormat(shown.format()));
        return;
    }
    const QString html = widget->property(qPrintable(richText)).toString();
    QVERIFY2(html.contains(image), qPrintable(html));
    const QString path = QRegularExpression(QStringLiteral("src=\"([^\"]+)\"")).match(image).captured(1);
    QVERIFY2(QFile::exists(path), qPrintable(path));
}

void FormTest::colourRowsFollowKeyTable_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < stylekeys::colourKeyCount; ++i)
        QTest::newRow(stylekeys::colourKeys[i].key) << i;
}

void FormTest::colourRowsFollowKeyTable()
{
    QFETCH(int, index);
    const stylekeys::ColourKey &key = stylekeys::colourKeys[index];
    const ColourRow &row = rows.colours[index];
    QWidget *page = ui.tabWidget->widget(key.page);

    const struct
    {
        QWidget *widget;
        QString name;
        const char *className;
        QString text;
    } parts[] = {
        {row.caption, stylekeys::captionObjectName(key), "QLabel", QLatin1String(key.caption)},
        {row.pick, QLatin1String(key.pick), "QPushButton", QStringLiteral("Color")},
        {row.swatch, QLatin1String(key.swatch), "QLineEdit", QString()},
        {row.value, QLatin1String(key.value), "QLabel", QString()},
        {row.reset, QLatin1String(key.reset), "QPushButton", QLatin1String(key.resetText)},
        {row.transparency, QLatin1String(key.transparency), "QPushButton", QStringLiteral("x")},
    };
    int previousX = -1;
    for (const auto &part : parts) {
        if (part.name.isEmpty()) {
            QVERIFY(!part.widget);
            continue;
        }
        QVERIFY2(part.widget, qPrintable(part.name));
        QCOMPARE(window.findChildren<QWidget *>(part.name), QList<QWidget *>{part.widget});
        QCOMPARE(QString::fromLatin1(part.widget->metaObject()->className()),
                 QString::fromLatin1(part.className));
        QCOMPARE(part.widget->parentWidget(), page);
        QCOMPARE(part.widget->y(), key.y);
        QCOMPARE(part.widget->height(), 23);
        QCOMPARE(part.widget->property("text").toString(), part.text);
        if (part.widget != row.transparency) {
            QVERIFY2(part.widget->x() > previousX, qPrintable(part.name)); // left to right
            previousX = part.widget->x();
        }
    }
    if (row.transparency) {
        QCOMPARE(row.transparency->width(), 21);
        QVERIFY(row.transparency->x() < row.pick->x());
        QVERIFY(row.transparency->geometry().right() >= row.pick->x() - 1); // just left of it
    }
    QCOMPARE(row.pick->size(), QSize(45, 23));
    QCOMPARE(row.swatch->size(), QSize(41, 23));
    QCOMPARE(row.value->size(), QSize(55, 23));
    QCOMPARE(row.reset->size(), QSize(55, 23));
    QVERIFY(row.value->textInteractionFlags() & Qt::TextSelectableByMouse);
}

void FormTest::fontRowsFollowKeyTable()
{
    for (int i = 0; i < stylekeys::fontGroupCount; ++i) {
        const stylekeys::FontGroupKey &group = stylekeys::fontGroups[i];
        const FontRow &row = rows.fonts[i];
        QWidget *page = ui.tabWidget->widget(group.page);
        const struct
        {
            QWidget *widget;
            const char *name;
            QSize size;
            QString text;
        } parts[] = {
            {row.font, group.fontButton, {45, 23}, QStringLiteral("Font")},
            {row.reset, group.resetButton, {55, 23}, QStringLiteral("Reset")},
            {row.name, group.nameLabel, {151, 20}, QString()},
            {row.weight, group.weightLabel, {81, 20}, QString()},
            {row.size, group.sizeLabel, {91, 20}, QString()},
        };
        QVERIFY(row.caption);
        QCOMPARE(row.caption->text(), QString::fromLatin1(group.caption));
        QCOMPARE(row.caption->pos(), QPoint(group.x, group.y));
        int previousX = group.x;
        for (const auto &part : parts) {
            QVERIFY2(part.widget, part.name);
            QCOMPARE(window.findChildren<QWidget *>(QLatin1String(part.name)), QList<QWidget *>{part.widget});
            QCOMPARE(part.widget->parentWidget(), page);
            QCOMPARE(part.widget->y(), group.y);
            QCOMPARE(part.widget->size(), part.size);
            QCOMPARE(part.widget->property("text").toString(), part.text);
            QVERIFY2(part.widget->x() > previousX, part.name);
            previousX = part.widget->x();
        }
    }
}

void FormTest::rowsDoNotOverlapAndStayVisible()
{
    // Only the current page of a tab widget is laid out; all share its size.
    QCOMPARE(ui.tabWidget->currentWidget(), ui.tab_7);
    const QRect visible = ui.tab_7->rect();

    // The rows that only exist for the table's sake lie below the visible page.
    const QStringList hidden =
        names("label_46 label_39 label_48 label_54") +
        QStringList{QStringLiteral("list_insert_caption"), QStringLiteral("listinsertbutton"),
                    QStringLiteral("listinsert_line"), QStringLiteral("label_63"),
                    QStringLiteral("resetlistinsert")};
    for (const QString &name : hidden) {
        QWidget *widget = find(name);
        QVERIFY2(widget && widget->parentWidget() == ui.tab_7, qPrintable(name));
        QVERIFY2(widget->y() >= visible.height(), qPrintable(name));
    }

    QVector<QWidget *> rowWidgets;
    for (const ColourRow &row : rows.colours)
        rowWidgets << row.caption << row.pick << row.swatch << row.value << row.reset << row.transparency;
    for (const FontRow &row : rows.fonts)
        rowWidgets << row.caption << row.font << row.reset << row.name << row.weight << row.size;
    rowWidgets.removeAll(nullptr);

    // Neighbouring widgets of a row may share their edge pixel column, nothing more.
    auto inner = [](const QWidget *widget) { return widget->geometry().adjusted(0, 0, -1, 0); };
    for (QWidget *widget : rowWidgets) {
        QWidget *page = widget->parentWidget();
        if (!hidden.contains(widget->objectName()))
            QVERIFY2(visible.contains(widget->geometry()), qPrintable(widget->objectName()));
        for (QObject *child : page->children()) {
            auto *other = qobject_cast<QWidget *>(child);
            if (!other || other == widget || isLine(other))
                continue;
            QVERIFY2(!inner(widget).intersects(inner(other)),
                     qPrintable(widget->objectName() + QLatin1String(" overlaps ") + other->objectName()));
        }
    }
}

void FormTest::textsAreNotCut()
{
    auto fits = [](const QWidget *widget, const QString &text) {
        return widget->fontMetrics().horizontalAdvance(text) <= widget->width();
    };
    QList<QWidget *> holders{ui.centralWidget};
    for (int i = 0; i < ui.tabWidget->count(); ++i)
        holders << ui.tabWidget->widget(i);
    for (QWidget *holder : holders) {
        for (QObject *child : holder->children()) {
            const QString name = child->objectName();
            if (auto *label = qobject_cast<QLabel *>(child)) {
                if (label->text().isEmpty())
                    continue;
                if (label->wordWrap())
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(name));
                else
                    QVERIFY2(fits(label, label->text()), qPrintable(name));
            } else if (auto *option = qobject_cast<QAbstractButton *>(child);
                       option && option->isCheckable()) {
                QVERIFY2(option->sizeHint().width() <= option->width(), qPrintable(name));
            }
        }
    }
    // Texts the editor shows later: the longest colour names and font weights.
    for (int i = 0; i < stylekeys::colourKeyCount; ++i)
        if (stylekeys::colourKeys[i].alpha)
            QVERIFY(fits(rows.colours[i].value, QStringLiteral("#ff202020")));
    for (const FontRow &row : rows.fonts)
        QVERIFY(fits(row.weight, QStringLiteral("Weight : Normal")));
}

QTEST_MAIN(FormTest)
#include "tst_form.moc"
