// The main window form as the rest of the program relies on it:
// the pages and mock lists, pictures that load, rows that follow the key table, and a layout that
// neither overlaps nor cuts a text.

#include "app/editorrows.h"
#include "style/resources.h"
#include "ui_mainwindow.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

QStringList names(const char *spaceSeparated)
{
    return QString::fromLatin1(spaceSeparated).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool isLine(const QWidget *widget)
{
    const auto *frame = qobject_cast<const QFrame *>(widget);
    return frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

// One widget of a colour or font row, listed from left to right.
struct RowPart
{
    QWidget *widget;
    QString name; // empty where nothing addresses the widget by name
    const char *className;
    QString text;
};

QVector<RowPart> colourRowParts(const stylekeys::ColourKey &key, const ColourRow &row)
{
    QVector<RowPart> parts{
        {row.caption, stylekeys::captionObjectName(key), "QLabel", QLatin1String(key.caption)}};
    if (row.transparency)
        parts.append({row.transparency, QLatin1String(key.transparency), "QPushButton", QStringLiteral("x")});
    parts += {{row.pick, QLatin1String(key.pick), "QPushButton", QStringLiteral("Color")},
              {row.swatch, QLatin1String(key.swatch), "QLineEdit", QString()},
              {row.value, QLatin1String(key.value), "QLabel", QString()},
              {row.reset, QLatin1String(key.reset), "QPushButton", QLatin1String(key.resetText)}};
    return parts;
}

QVector<RowPart> fontRowParts(const stylekeys::FontGroupKey &group, const FontRow &row)
{
    return {{row.caption, QString(), "QLabel", QLatin1String(group.caption)},
            {row.font, QLatin1String(group.fontButton), "QPushButton", QStringLiteral("Font")},
            {row.reset, QLatin1String(group.resetButton), "QPushButton", QStringLiteral("Reset")},
            {row.name, QLatin1String(group.nameLabel), "QLabel", QString()},
            {row.weight, QLatin1String(group.weightLabel), "QLabel", QString()},
            {row.size, QLatin1String(group.sizeLabel), "QLabel", QString()}};
}

} // namespace

class FormTest : public QObject
{
    Q_OBJECT

    QMainWindow window;
    Ui::MainWindow ui;
    EditorRows rows{};

private slots:
    void initTestCase()
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

    void tabPages()
    {
        const struct
        {
            QTabWidget *tabs;
            const char *pages;
            QStringList texts;
        } expected[] = {
            {ui.tabWidget,
             "tab_6 tab_7 tab_8 tab tab_2 tab_3 tab_4 tab_10 tab_14 tab_5 tab_9 tab_18 tab_20",
             {"Background", "Lists", "Grids", "Info", "Toolbar", "Scrollbar", "Columns", "Search",
              "Prelisten", "Separator", "Font", "Plugin", "Plugin Text"}},
            {ui.tabWidget_3, "tab_15 tab_16", {"List View", "Grid View"}},
            // The Automix page shows only its icon-less tab, without text.
            {ui.tabWidget_2, "tab_11 tab_12 tab_13 tab_17", {"Sampler", "", "Info", "Plugin"}},
        };
        for (const auto &tabs : expected) {
            const QStringList pages = names(tabs.pages);
            QCOMPARE(tabs.tabs->count(), pages.size());
            for (int i = 0; i < pages.size(); ++i) {
                QCOMPARE(tabs.tabs->widget(i)->objectName(), pages[i]);
                QCOMPARE(tabs.tabs->tabText(i), tabs.texts[i]);
            }
        }
    }

    void folderListSkipsFour()
    {
        QStringList items;
        for (int i = 0; i < ui.listWidget->count(); ++i)
            items << ui.listWidget->item(i)->text();
        QCOMPARE(items, (QStringList{"Folder 1", "Folder 2", "Folder 3", "Folder 5"}));
    }

    // A mistyped resource path shows nothing and reports nothing, so every picture is loaded here:
    // the signs as label pixmaps, the icon previews and logos as images inside rich texts.
    void imagesResolve()
    {
        for (const QString &name :
             names("floatlabel_3 floatlabel_4 floatlabel_5 floatlabel_7 alticons floatlabel_8"))
            QVERIFY2(!window.findChild<QLabel *>(name)->pixmap(Qt::ReturnByValue).isNull(), qPrintable(name));

        const QRegularExpression source(QStringLiteral("src=\"([^\"]+)\""));
        int pictures = 0;
        for (const QWidget *widget : window.findChildren<QWidget *>()) {
            for (const char *property : {"text", "toolTip", "whatsThis"}) {
                auto matches = source.globalMatch(widget->property(property).toString());
                for (; matches.hasNext(); ++pictures) {
                    const QString path = matches.next().captured(1);
                    QVERIFY2(!QImage(path).isNull(),
                             qPrintable(widget->objectName() + QLatin1String(": ") + path));
                }
            }
        }
        // Two icon sheet previews, the logo on the info page and in the four grid cells.
        QCOMPARE(pictures, 7);
    }

    void rowsFollowKeyTable_data()
    {
        QTest::addColumn<int>("colour"); // index in the key table's colours, or -1
        QTest::addColumn<int>("font");   // index in its font groups, or -1
        for (int i = 0; i < stylekeys::colourKeyCount; ++i)
            QTest::newRow(stylekeys::colourKeys[i].key) << i << -1;
        for (int i = 0; i < stylekeys::fontGroupCount; ++i)
            QTest::newRow(qPrintable(QStringLiteral("font ") + stylekeys::fontGroups[i].prefix)) << -1 << i;
    }

    void rowsFollowKeyTable()
    {
        QFETCH(int, colour);
        QFETCH(int, font);
        int page, y;
        QVector<RowPart> parts;
        if (colour >= 0) {
            const stylekeys::ColourKey &key = stylekeys::colourKeys[colour];
            QCOMPARE(rows.colours[colour].transparency != nullptr, *key.transparency != '\0');
            page = key.page;
            y = key.y;
            parts = colourRowParts(key, rows.colours[colour]);
        } else {
            const stylekeys::FontGroupKey &group = stylekeys::fontGroups[font];
            page = group.page;
            y = group.y;
            parts = fontRowParts(group, rows.fonts[font]);
        }

        int previousX = -1;
        for (const RowPart &part : parts) {
            QVERIFY2(part.widget, qPrintable(part.name));
            if (!part.name.isEmpty())
                QCOMPARE(window.findChildren<QWidget *>(part.name), QList<QWidget *>{part.widget});
            QCOMPARE(QString::fromLatin1(part.widget->metaObject()->className()),
                     QString::fromLatin1(part.className));
            QCOMPARE(part.widget->parentWidget(), ui.tabWidget->widget(page));
            QCOMPARE(part.widget->y(), y);
            QCOMPARE(part.widget->property("text").toString(), part.text);
            QVERIFY2(part.widget->x() > previousX, qPrintable(part.name)); // left to right
            previousX = part.widget->x();
        }
        if (font >= 0)
            QCOMPARE(rows.fonts[font].caption->x(), stylekeys::fontGroups[font].x);
        // The transparency button belongs to the pick button just right of it.
        if (colour >= 0 && rows.colours[colour].transparency) {
            const ColourRow &row = rows.colours[colour];
            QVERIFY(row.transparency->geometry().right() >= row.pick->x() - 1);
        }
    }

    void rowsDoNotOverlapAndStayVisible()
    {
        // Only the current page of a tab widget is laid out; all share its size.
        QCOMPARE(ui.tabWidget->currentWidget(), ui.tab_7);
        const QRect visible = ui.tab_7->rect();

        // The rows that only exist for the table's sake lie below the visible page.
        const QStringList hidden =
            names("label_46 label_39 label_48 label_54 list_insert_caption listinsertbutton "
                  "listinsert_line label_63 resetlistinsert");
        for (const QString &name : hidden) {
            QWidget *widget = window.findChild<QWidget *>(name);
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
            if (!hidden.contains(widget->objectName()))
                QVERIFY2(visible.contains(widget->geometry()), qPrintable(widget->objectName()));
            for (QObject *child : widget->parentWidget()->children()) {
                auto *other = qobject_cast<QWidget *>(child);
                if (!other || other == widget || isLine(other))
                    continue;
                QVERIFY2(
                    !inner(widget).intersects(inner(other)),
                    qPrintable(widget->objectName() + QLatin1String(" overlaps ") + other->objectName()));
            }
        }
    }

    void textsAreNotCut()
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
            if (stylekeys::colourKeys[i].alpha || rows.colours[i].transparency)
                QVERIFY(fits(rows.colours[i].value, QStringLiteral("#ff202020")));
        for (const FontRow &row : rows.fonts)
            QVERIFY(fits(row.weight, QStringLiteral("Weight : Normal")));
    }
};

QTEST_MAIN(FormTest)
#include "tst_form.moc"
