// The main window form as the rest of the program relies on it: pictures that load, and a layout
// that neither overlaps nor cuts a text.

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
        QVERIFY(pictures > 0);
    }

    void rowsDoNotOverlapAndStayVisible()
    {
        // Only the current page of a tab widget is laid out; all share its size.
        QCOMPARE(ui.tabWidget->currentWidget(), ui.tab_7);
        const QRect visible = ui.tab_7->rect();

        QVector<QWidget *> rowWidgets;
        for (const ColourRow &row : rows.colours)
            rowWidgets << row.caption << row.pick << row.swatch << row.value << row.reset << row.transparency;
        for (const FontRow &row : rows.fonts)
            rowWidgets << row.caption << row.font << row.reset << row.name << row.weight << row.size;
        rowWidgets.removeAll(nullptr);

        // Neighbouring widgets of a row may share their edge pixel column, nothing more.
        auto inner = [](const QWidget *widget) { return widget->geometry().adjusted(0, 0, -1, 0); };
        for (QWidget *widget : rowWidgets) {
            // Rows that only exist for the table's sake lie wholly below the visible page.
            QVERIFY2(visible.contains(widget->geometry()) || widget->y() >= visible.height(),
                     qPrintable(widget->objectName()));
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
