// SPDX-License-Identifier: GPL-3.0-or-later
// Editing in the window: colour and font rows, transparency toggles, the linked list rows, the
// percentage fields and undo; and the style tables behind them, the "Browser Profile" menu.

#include "app/startup.h"
#include "colour/scheme.h"
#include "colour/stylefrompalette.h"
#include "filesizelimit.h"
#include "skin/layout/browserblock.h"
#include "style/contrast.h"
#include "style/tablefile.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QValidator>
#include <functional>

using stylekeys::FontPart;
using stylekeys::RowPart;
using stylekeys::widgetName;

class EditingTest : public QObject
{
    Q_OBJECT

    WindowFixture *f = nullptr;

    bool enabled(const QString &name) const { return f->find<QObject>(name)->property("enabled").toBool(); }
    bool checked(const char *action) const { return f->find<QAction>(action)->isChecked(); }
    QString sheet(const char *name) const
    {
        f->showPreview();
        return f->find<QWidget>(name)->styleSheet();
    }
    QString text(const char *key) const { return f->colourValue(key)->text(); }
    const Style &style() const { return f->window->currentStyle(); }
    void pick(const char *button, const char *colour) const
    {
        Dialogs::setNextColor(QColor(colour));
        f->click(button);
    }
    QString path(const QString &name) const { return f->profilesFolder() + "/" + name; }

    // Writes a profile (unless content is empty) and opens it through the menu.
    QString open(const QString &name, const QByteArray &content)
    {
        if (!content.isEmpty())
            fixtures::writeFile(path(name), content);
        f->choose("actionOpenProfile", path(name));
        return path(name);
    }
    void saveAs(const QString &name) { f->choose("actionSaveAs", path(name)); }

private slots:
    void initTestCase()
    {
        QApplication::setFont(formFont()); // which the rows and pages are laid out for
    }
    void init()
    {
        f = new WindowFixture;
        f->start();
    }
    void cleanup() { delete f; }

    // Each row shows with its page (rows are built when a page is first shown), changes its own key
    // only, shows it, and its reset brings back the whole table (the font rows are below, with the
    // preview).
    void everyRowPicksAndResets()
    {
        const Style start = style();
        f->window->show();
        for (const auto &key : stylekeys::colourKeys) {
            f->find<QTabWidget>("settingsPages")->setCurrentIndex(int(key.page));
            QVERIFY2(f->find<QWidget>(widgetName(key, RowPart::Pick))->isVisible(), key.key);
            Dialogs::setNextColor(QColor("#0a0b0c"));
            f->click(widgetName(key, RowPart::Pick));
            QCOMPARE(style().colour(key.key), QColor("#0a0b0c"));
            QCOMPARE(f->find<QLabel>(widgetName(key, RowPart::Value))->text(),
                     QString(key.alpha ? "#ff0a0b0c" : "#0a0b0c"));
            QCOMPARE(f->find<QWidget>(widgetName(key, RowPart::Swatch))->palette().color(QPalette::Base),
                     QColor("#0a0b0c"));
            f->click(widgetName(key, RowPart::Reset)); // a disabled button ignores the click
            QVERIFY2(style().colours == start.colours && !enabled(widgetName(key, RowPart::Reset)), key.key);
        }
        // Choosing the table's own value leaves the row unmodified; a cancelled pick changes nothing.
        pick("listTextPick", "#ffffff");
        f->click("listTextPick");
        QVERIFY(!enabled("listTextReset") && style().colours == start.colours);
    }

    // The focus starts on the first step, F10 opens the menus, the standard keys reach the menu
    // actions, Enter builds, and a screen reader reads a row's buttons by the row's page and caption.
    void keyboardAndScreenReaders()
    {
        f->showActive();
        QCOMPARE(QApplication::focusWidget(), f->find<QWidget>("chooseSkinButton"));
        QTest::keyClick(f->window.get(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), f->find<QWidget>("findColour"));
        QTest::keyClick(f->window.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(Dialogs::requests().last().kind, Dialogs::Kind::OpenFile);
        pick("listTextPick", "#010203");
        QCOMPARE(f->find<QAction>("actionUndo")->text(), QString("&Undo Lists › Text colour")); // as read
        f->trigger("actionUndo");
        QTest::keyClick(f->window.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(text("list_text"), QString("#010203"));
        for (const char *focused : {"saveAsField", "createSkinButton"}) {
            Dialogs::clear();
            QTest::keyClick(f->find<QWidget>(focused), Qt::Key_Return);
            QCOMPARE(Dialogs::requests().size(), 1);
            QCOMPARE(Dialogs::requests().last().text, QString("You have not selected a skin"));
        }

        QCOMPARE(f->find<QWidget>("listOverPick")->accessibleName(), QString("Lists, Over: colour"));
        // Focus shows plainly on the dark theme's black.
        for (const char *name : {"createSkinButton", "floatingBrowserBox"}) {
            QWidget *focused = f->find<QWidget>(name);
            focused->setFocus();
            const auto orange = [](QRgb pixel) { return QColor(pixel) == QColor(255, 170, 0); };
            QVERIFY2(fixtures::pixelsWhere(focused->grab().toImage(), orange) > 20, name);
        }
        // An option's label ticks the box beside it by its mnemonic.
        QTest::keyClick(f->window.get(), Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(f->find<QAbstractButton>("globalFontBox")->isChecked());
        Dialogs::setNextAnswer(QMessageBox::Discard);
        QTest::keyClick(f->window.get(), Qt::Key_Q, Qt::ControlModifier); // asks, as closing does
        QVERIFY(!f->window->isVisible());
        f->showActive();
        QTest::keyClick(f->window.get(), Qt::Key_F10);
        QTRY_COMPARE(QApplication::activePopupWidget(), f->find<QWidget>("menuProfile"));
        QApplication::activePopupWidget()->close();
    }

    // Copy and paste a row's value as text: a colour sets it as a pick would (undoable), anything
    // else, or alpha on a row that cannot be transparent, is refused and the old value stays.
    void copyAndPasteColours()
    {
        f->showActive();
        QClipboard *clipboard = QGuiApplication::clipboard();
        const auto paste = [&](const char *row, const QString &value) {
            clipboard->setText(value);
            f->find<QWidget>(row)->actions().at(1)->trigger();
        };
        paste("listTextPick", "not a colour");
        paste("listTextPick", "#80ff0000");
        paste("listTextPick", "#fff");
        QCOMPARE(text("list_text"), QString("#ffffff"));
        auto *status = f->find<QLabel>("statusLabel");
        QVERIFY((status->text() + status->toolTip()).contains("is not a colour") &&
                !enabled("listTextReset"));
        paste("listOverPick", "#80ff0000");
        QCOMPARE(text("list_over"), QString("#80ff0000"));
        clipboard->setText("navy");
        QWidget *textRow = f->find<QWidget>("listTextPick");
        textRow->setFocus();
        QTest::keyClick(textRow, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text("list_text"), QString("#000080"));
        f->find<QWidget>("listOverSwatch")->actions().at(0)->trigger(); // the swatch's menu
        QCOMPARE(clipboard->text(), QString("#80ff0000"));
        f->trigger("actionUndo");
        QCOMPARE(text("list_text"), QString("#ffffff"));

        // The value can be typed over in place, by the same rules: a double-click on it, or F2 or
        // Enter on the focused row, which has the focus back afterwards.
        const std::tuple<Qt::Key, const char *, const char *> typings[] = {
            {Qt::Key_unknown, "#123", "#ffffff"},
            {Qt::Key_F2, "#204060", "#204060"},
            {Qt::Key_Return, "#306090", "#306090"}};
        for (const auto &[key, typed, shown] : typings) {
            textRow->setFocus();
            if (key == Qt::Key_unknown)
                QTest::mouseDClick(f->colourValue("list_text"), Qt::LeftButton);
            else
                QTest::keyClick(textRow, key);
            auto *field = f->find<QLineEdit>(f->colourValue("list_text")->objectName() + "Typing");
            QVERIFY2(field && field->hasFocus(), typed);
            field->setText(typed);
            QTest::keyClick(field, Qt::Key_Return);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the field is gone
            QCOMPARE(text("list_text"), QString(shown));
            if (key != Qt::Key_unknown)
                QCOMPARE(QApplication::focusWidget(), textRow);
        }
        // Edit › Copy and Paste act on the focused row.
        f->trigger("actionCopy");
        QCOMPARE(clipboard->text(), QString("#306090"));
        f->find<QWidget>("listOverPick")->setFocus();
        f->trigger("actionPaste");
        QCOMPARE(text("list_over"), QString("#306090"));
        f->trigger("actionUndo");
        f->trigger("actionUndo");
        QCOMPARE(text("list_text"), QString("#204060"));
    }

    // Find lists the matching rows of every page by caption or value, in a list made with the first
    // search; Enter shows the first one's page, Escape clears.
    void findAColour()
    {
        f->showActive();
        auto *field = f->find<QLineEdit>("findColour");
        QTest::keyClick(field, Qt::Key_Return); // nothing found yet: nothing to show
        QCOMPARE(f->find<QTabWidget>("settingsPages")->currentIndex(), int(stylekeys::Page::Lists));
        QVERIFY(!f->window->findChild<QListWidget *>("findResults"));
        field->setText("selected");
        auto *results = f->find<QListWidget>("findResults");
        const auto listed = [results] {
            QStringList items;
            for (int i = 0; i < results->count(); ++i)
                items << results->item(i)->text();
            return items;
        };
        QVERIFY(field->isClearButtonEnabled());
        QVERIFY(listed().contains("Lists › Selected   #555555") &&
                listed().contains("Lists › Text Selected   #ffffff"));
        QCOMPARE(listed().filter("selected", Qt::CaseInsensitive), listed());
        field->setText("#4080C4");
        QCOMPARE(listed(), QStringList{"Lists › Automix   #4080c4"});
        field->setText("no such row");
        QCOMPARE(listed(), QStringList{"No colour matches \"no such row\""});
        field->setText("info back");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(f->find<QTabWidget>("settingsPages")->currentIndex(), int(stylekeys::Page::Info));
        QVERIFY(field->text().isEmpty() && results->isHidden());
        field->setText("text");
        QVERIFY(listed().size() > 5);
        field->setFocus(); // as when typing
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(field->text().isEmpty() && results->isHidden());
    }

    // Every control says what it does: to a screen reader by a name of its own, and by a tooltip
    // (a tab bar's is its tab widget's). The scroll area around the form, a tab bar's own arrows,
    // popups and the preview, a picture of the Browser, are no controls of their own. Help lists every
    // key an action answers.
    void everyControlIsNamedAndExplained()
    {
        f->showEveryPage();
        f->showPreview();
        QMap<QString, QString> named;
        QStringList faults;
        for (QWidget *control : f->window->findChildren<QWidget *>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || control->focusProxy() ||
                qobject_cast<QScrollArea *>(control) || qobject_cast<QTabBar *>(control->parentWidget()) ||
                control->window() != f->window.get())
                continue;
            const QWidget *tipped = qobject_cast<QTabBar *>(control) ? control->parentWidget() : control;
            const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            if (name.isEmpty() || named.contains(name))
                faults << control->objectName() + " is read as \"" + name + "\", as " + named.value(name);
            named.insert(name, control->objectName());
            if (tipped->toolTip().isEmpty())
                faults << control->objectName() + " has no tooltip";
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

        f->trigger("actionKeyboardShortcuts");
        const QString list = Dialogs::requests().last().text;
        for (const QAction *action : f->window->findChildren<QAction *>())
            for (const QKeySequence &keys :
                 action->text().isEmpty() ? QList<QKeySequence>() : action->shortcuts())
                QVERIFY2(list.contains(keys.toString(QKeySequence::NativeText)), qPrintable(action->text()));
    }

    void transparencyAndLineHeightSurviveSaveAndReopen()
    {
        const QString before = sheet("browserBack");
        f->click("backgroundcolorTransparent");
        QVERIFY(sheet("browserBack").contains("#00000000"));
        f->click("backgroundcolorReset");
        QCOMPARE(sheet("browserBack"), before);
        // Any opacity on a row with an "x", over a checkerboard; opaque colours elsewhere.
        pick("listOverPick", "#80ff0000");
        QVERIFY(Dialogs::requests().last().alphaShown);
        QCOMPARE(text("list_over"), QString("#80ff0000"));
        f->window->show(); // laid out, the swatch has its size
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
        const QImage swatch = f->find<QWidget>("listOverSwatch")->grab().toImage();
        QVERIFY(swatch.pixel(swatch.width() / 2 - 5, swatch.height() / 2) !=
                swatch.pixel(swatch.width() / 2, swatch.height() / 2));
        pick("listTextPick", "#0a0b0c");
        QVERIFY(!Dialogs::requests().last().alphaShown);
        f->click("backgroundcolorTransparent");
        f->click("listOverTransparent");
        QCOMPARE(text("list_over"), QString("#00000000"));
        f->find<QLineEdit>("lineHeightField")->setText("180");
        saveAs("clear.pcp");
        QVERIFY(fixtures::readFile(path("clear.pcp")).contains("\r\nlist_over=#00000000\r\n"));
        f->trigger("actionDefaultTable");
        QCOMPARE(f->window->lineHeightValue(), 100);
        QCOMPARE(f->find<QLineEdit>("lineHeightField")->text(), QString("100"));
        open("clear.pcp", {});
        for (const char *key : {"backgroundcolor", "list_over"})
            QCOMPARE(style().colour(key).alpha(), 0);
        QCOMPARE(f->window->lineHeightValue(), 180);
        // Odd values show as the editor shows them.
        open("odd.pcp", "list_over=#80ff0000\r\ninfo_background=#FF393939\r\n");
        QCOMPARE(f->window->lineHeightValue(), 100);           // a profile without one
        QCOMPARE(text("list_over"), QString("#80ff0000"));     // a row with transparency keeps alpha
        QCOMPARE(text("info_background"), QString("#393939")); // the others do not
        QVERIFY(enabled("infoBackgroundReset") && !enabled("listOverReset"));
    }

    // The dialogs open at the current font; confirming the stand-in shown for a font that is not
    // installed keeps the font.
    void fontDialogsKeepTheCurrentFont()
    {
        f->click("globalFontBox");
        QCOMPARE(f->window->globalFontName(), QString());
        Dialogs::setNextFont(QFont(QFontInfo(QFont("Arial", 20)).family(), 20));
        f->click("globalFontButton");
        QCOMPARE(f->window->globalFontName(), QString("Arial"));
        Dialogs::setNextFont(QFont("Liberation Serif", 12));
        f->click("globalFontButton");
        QCOMPARE(f->window->globalFontName(), QString("Liberation Serif"));
        f->click("globalFontButton");
        QCOMPARE(Dialogs::requests().last().initialFont, QFont("Liberation Serif", 12));

        open("missing.pcp", "skinfontname=No Such Face\r\nskinfontsize=14\r\nskinfontweight=Normal\r\n");
        Dialogs::setNextFont(QFont(QFontInfo(QFont("No Such Face", 14)).family(), 14));
        f->click("skinFontPick");
        QCOMPARE(style().font("skin").family, QString("No Such Face"));
        QCOMPARE(f->title(), QString("Panelcraft (missing)"));
    }

    void percentageFieldsTakeOneToThreeDigits()
    {
        for (const char *field : {"globalSizeField", "lineHeightField"})
            for (QString text : {"1", "95", "110", "999", "0", "05", "1000", "-5", "abc"}) {
                int pos = 0;
                QCOMPARE(f->find<QLineEdit>(field)->validator()->validate(text, pos) ==
                             QValidator::Acceptable,
                         QStringList({"1", "95", "110", "999"}).contains(text));
            }
    }

    // After any table load every row state and the preview follow the table again; a theme switch
    // changes none of them.
    void loadsUndoTransparentStripes_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("load");
        for (const char *action :
             {"resetAllButton", "actionDefaultTable", "actionWhiteTable", "actionOpenProfile"})
            QTest::newRow(action) << action << true;
        for (const char *theme : {"actionBrightTheme", "actionDarkTheme"})
            QTest::newRow(theme) << theme << false;
    }

    void loadsUndoTransparentStripes()
    {
        QFETCH(QString, action);
        QFETCH(bool, load);
        saveAs("plain.pcp");
        Dialogs::setNextFont(QFont("Arial", 31));
        f->click("skinFontPick");
        f->click("listStripesTransparent");
        Dialogs::setNextAnswer(QMessageBox::Discard); // the loads ask first
        Dialogs::setNextFileName(path("plain.pcp"));
        action.startsWith("action") ? f->trigger(action) : f->click(action);
        f->showPreview();
        QCOMPARE(f->find<QListWidget>("trackList")->alternatingRowColors(), load);
        QCOMPARE(enabled("listOverstripesPick"), load);
        QCOMPARE(enabled("listStripesReset"), !load);
        QCOMPARE(enabled("skinFontReset"), !load);
        QVERIFY(!enabled("listOverstripesReset"));
    }

    // One Undo takes back exactly the last edit, one Redo brings back exactly that one.
    void undoAndRedoOneEditAtATime()
    {
        QVector<QPair<Style, int>> states{{style(), 100}}; // after each edit, the unedited one first
        const auto edit = [&](const std::function<void()> &act) {
            act();
            states.append({style(), f->window->lineHeightValue()});
        };
        const auto showsState = [&](int i) {
            return style().colours == states[i].first.colours && style().fonts == states[i].first.fonts &&
                   f->window->lineHeightValue() == states[i].second;
        };
        edit([&] { pick("listTextPick", "#010203"); });
        edit([&] { f->click("listStripesTransparent"); });
        edit([&] {
            Dialogs::setNextFont(QFont("Arial", 31));
            f->click("skinFontPick");
        });
        edit([&] { pick("infoTextPick", "#040506"); });
        edit([&] { f->click("listTextReset"); });
        edit([&] {
            f->find<QLineEdit>("lineHeightField")->setText("1");
            f->find<QLineEdit>("lineHeightField")->setText("12"); // typing merges into one step
        });
        QCOMPARE(f->title(), QString("Panelcraft*"));

        for (int i = states.size() - 2; i >= 0; --i) {
            f->trigger("actionUndo");
            QVERIFY2(showsState(i), qPrintable(QString("undone down to edit %1").arg(i)));
        }
        QVERIFY(!f->find<QAction>("actionUndo")->isEnabled());
        QVERIFY(sheet("trackList").contains(":alternate") && !enabled("skinFontReset"));
        QCOMPARE(f->title(), QString("Panelcraft"));

        for (int i = 1; i < states.size(); ++i) {
            f->trigger("actionRedo");
            QVERIFY2(showsState(i), qPrintable(QString("redone up to edit %1").arg(i)));
        }
        QVERIFY(!enabled("listOverstripesPick") && enabled("skinFontReset"));

        // Saved when asked, the edits let the load go on, which clears the history.
        Dialogs::setNextAnswer(QMessageBox::Save);
        Dialogs::setNextFileName(path("kept"));
        f->trigger("actionWhiteTable");
        QVERIFY(fixtures::readFile(path("kept.pcp")).contains("lineheight=12"));
        QVERIFY(checked("actionWhiteTable") && !enabled("actionUndo"));
    }

    void coloursFromSelectedSkin()
    {
        Style skin = style();
        skin.setColour("list_text", QColor("#123456"));
        skin.font("skin").size = 33;
        const QString zip = f->documents.filePath("deck.zip");
        const QString noBrowser = f->documents.filePath("compact.zip");
        const fixtures::ZipEntry compact{"a.xml", fixtures::xml({"<skin>", "<panel/>", "</skin>"})};
        fixtures::writeZip(noBrowser, {compact});
        f->choose("chooseSkinButton", noBrowser);
        f->trigger("actionColoursFromSkin");
        QTRY_VERIFY(!f->window->isBusy());
        QCOMPARE(Dialogs::requests().last().kind, Dialogs::Kind::Warning);
        QCOMPARE(f->title(), QString("Panelcraft")); // nothing changed

        fixtures::writeZip(zip,
                           {compact,
                            {"b.xml", fixtures::xml(QStringList{"<skin>", "<browser lineheight=\"120%\">"} +
                                                    browserblock::contentBlock(skin, 40) +
                                                    QStringList{"</browser>", "</skin>"})}});
        f->choose("chooseSkinButton", zip);
        f->trigger("actionColoursFromSkin");
        QTRY_VERIFY(!f->window->isBusy());
        QCOMPARE(text("list_text"), QString("#123456"));
        QCOMPARE(style().font("skin").size, 33);
        QCOMPARE(f->window->lineHeightValue(), 120);
        QVERIFY(enabled("listTextReset"));
        f->trigger("actionUndo");
        QCOMPARE(text("list_text"), QString("#ffffff"));
    }

    // The palette of the selected skin fills the colour dialog's custom colours and is drawn into a
    // style; the user's own custom colours come back with the window's end.
    void skinPaletteOffersColoursAndDrawsAStyle()
    {
        QColorDialog::setCustomColor(0, QColor("#010101"));
        const auto skinOf = [this](const QString &name, const QColor &colour) {
            const QString zip = f->documents.filePath(name);
            fixtures::writeZip(zip, {{"s.xml", fixtures::xml({"<skin image=\"s.png\"/>"})},
                                     {"s.png", fixtures::png(64, 64, colour)}});
            f->choose("chooseSkinButton", zip);
        };
        skinOf("red.zip", QColor(200, 30, 30));
        skinOf("blue.zip", QColor(30, 30, 200));
        QTRY_COMPARE(QColorDialog::customColor(0), QColor(30, 30, 200));
        QCOMPARE(QColorDialog::customColor(1), QColor("#010101"));

        pick("listTextPick", "#010203");
        const Style before = style();
        Dialogs::setNextAnswer(QMessageBox::Discard);
        f->trigger("actionStyleFromSkin");
        QTRY_VERIFY(!f->window->isBusy());
        const Style drawn = stylefrompalette::generate({{QColor(30, 30, 200), 1.0}}, std::nullopt, before);
        QCOMPARE(style().colours, drawn.colours);
        QCOMPARE(style().fonts, before.fonts);
        f->trigger("actionUndo");
        QCOMPARE(style().colours, before.colours);
        Dialogs::setNextAnswer(QMessageBox::Discard);
        Dialogs::setNextColor(QColor("#20c040"));
        f->trigger("actionStyleFromSkinWithAccent");
        QCOMPARE(style().colours,
                 stylefrompalette::generate({{QColor(30, 30, 200), 1.0}}, QColor("#20c040"), before).colours);

        delete f;
        f = nullptr;
        QCOMPARE(QColorDialog::customColor(0), QColor("#010101"));
        f = new WindowFixture;
        f->start();
    }

    // A file that is not a scheme changes nothing; the style goes out as a scheme, and a scheme
    // dropped on the window comes in as one edit, after the unsaved-edits question, its colours
    // offered in the colour dialog.
    void schemesOutAndIn()
    {
        const QString bad = f->documents.filePath("bad.yaml"), mine = f->documents.filePath("mine.gpl");
        QVERIFY(fixtures::writeFile(bad, "scheme: \"x\"\nbase00: \"zz\"\n"));
        pick("listTextPick", "#010203");
        const Style before = style();
        Dialogs::clear();
        Dialogs::setNextFileName(bad);
        f->trigger("actionStyleFromScheme");
        QVERIFY2(Dialogs::requests().last().text.contains("Line 2:"),
                 qPrintable(Dialogs::requests().last().text));
        QCOMPARE(style().colours, before.colours);

        Dialogs::setNextFileName(mine);
        f->trigger("actionExportScheme");
        const scheme::ReadResult exported = scheme::read(mine);
        QCOMPARE(exported.error, QString());
        QCOMPARE(exported.scheme.colours[5], QColor("#010203")); // list_text is base05

        Dialogs::setNextAnswer(QMessageBox::Discard); // unsaved edits: a Cancel is the user-choices test's
        QVERIFY(f->drop(mine));
        QCOMPARE(style().colour("backgroundcolor").name(), exported.scheme.colours[0].name());
        QVERIFY(contrast::ratio(style().colour("list_text"), style().colour("backgroundcolor")) >= 4.5);
        QCOMPARE(QColorDialog::customColor(5), QColor("#010203"));
        f->trigger("actionUndo");
        QCOMPARE(style().colours, before.colours);
    }

    // "View as" redraws the preview only; rows alike under a simulation get a sign naming it.
    void viewAsSimulatesThePreviewAndWarnsOfAlikeRows()
    {
        pick("listTextPick", "#ff0000");
        const QString normal = sheet("trackList");
        auto *viewAs = f->find<QComboBox>("viewAsBox");
        viewAs->setCurrentIndex(viewAs->findText("Achromatopsia"));
        QVERIFY(sheet("trackList") != normal);
        QCOMPARE(text("list_text"), QString("#ff0000"));
        viewAs->setCurrentIndex(0);
        QCOMPARE(sheet("trackList"), normal);

        auto *sign = f->find<QLabel>("listFocusVisionSign");
        QVERIFY(sign->isHidden());
        pick("listOverPick", "#b07040");
        pick("listFocusPick", "#708840");
        QVERIFY(!sign->isHidden());
        QVERIFY2(sign->toolTip().startsWith(
                     "With Protanopia, \"Over\" on the Lists page and \"Focus\" on the Lists page"),
                 qPrintable(sign->toolTip()));
        QVERIFY(!f->find<QLabel>("listOverVisionSign")->isHidden());
        QVERIFY(f->find<QLabel>("listSelectedVisionSign")->isHidden());
    }

    // A font, and the line height, change the preview's pixels where they are drawn and nowhere
    // else. Which widget shows which font group is the preview sheets' test; here the sheets reach
    // the window's widgets.
    void previewFollowsFontsAndLineHeight_data()
    {
        QTest::addColumn<QString>("group"); // a font prefix; none for the line height
        QTest::addColumn<QString>("drawnOn");
        const char *lists = "folderList trackList automixList automixPlayedRow";
        QTest::newRow("skin") << "skin" << lists;
        QTest::newRow("line height") << "" << lists;
        QTest::newRow("plugin") << "plugin"
                                << "pluginTitle";
    }

    void previewFollowsFontsAndLineHeight()
    {
        QFETCH(QString, group);
        QFETCH(QString, drawnOn);
        f->showPreview();
        auto *pages = f->find<QTabWidget>("previewPages");
        const auto shots = [pages] {
            QVector<QImage> images;
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                images.append(pages->widget(page)->grab().toImage());
            }
            return images;
        };
        const auto &font = stylekeys::fontGroups[qMax(0, stylekeys::fontGroupIndex(group))];
        const Style start = style();
        const QVector<QImage> before = shots();
        if (group.isEmpty()) {
            f->find<QLineEdit>("lineHeightField")->setText("180");
        } else {
            Dialogs::setNextFont(QFont("Liberation Serif", 30, QFont::Bold));
            f->click(widgetName(font, FontPart::Pick));
            QCOMPARE(style().font(group), (FontSpec{"Liberation Serif", "Bold", 30}));
            QCOMPARE(f->find<QLabel>(widgetName(font, FontPart::Size))->text(), QString("Size : 30"));
        }
        const QVector<QImage> after = shots();
        bool changed = false;
        for (int page = 0; page < pages->count(); ++page) {
            QImage was = before[page], is = after[page];
            changed |= !fixtures::nearlyEqual(was, is, 8, 1.0);
            QPainter painterWas(&was), painterIs(&is);
            for (const QString &name : drawnOn.split(' '))
                if (auto *widget = f->find<QWidget>(name); pages->widget(page)->isAncestorOf(widget))
                    for (QPainter *painter : {&painterWas, &painterIs})
                        painter->fillRect(QRect(widget->mapTo(pages->widget(page), QPoint()), widget->size()),
                                          Qt::black);
            painterWas.end(), painterIs.end();
            QVERIFY2(fixtures::nearlyEqual(was, is, 8, 0.001), qPrintable(pages->tabText(page)));
        }
        QVERIFY(changed);
        f->click(group.isEmpty() ? "resetLineHeightButton" : widgetName(font, FontPart::Reset));
        QVERIFY(style().fonts == start.fonts && !enabled(widgetName(font, FontPart::Reset)));
        QCOMPARE(shots(), before);
    }

    void contrastSignWarnsOfUnreadableText()
    {
        f->window->show(); // the signs stand where the layout puts their rows
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
        auto *sign = f->find<QLabel>("listTextContrastSign");
        QVERIFY(sign->isHidden());
        for (int key : contrast::textKeys()) { // inside its own row, short of the column's end
            const stylekeys::ColourKey &row = stylekeys::colourKeys[key];
            const QRect place = f->find<QWidget>(widgetName(row, RowPart::ContrastSign))->geometry();
            QVERIFY2(place.left() >= f->find<QWidget>(widgetName(row, RowPart::Pick))->x() &&
                         place.right() <=
                             f->find<QWidget>(widgetName(row, RowPart::Reset))->geometry().right(),
                     row.key);
        }
        pick("listTextPick", "#2a2a2a");
        QVERIFY(!sign->isHidden()); // what it says is the translations' test
        f->trigger("actionUndo");
        QVERIFY(sign->isHidden());
    }

    // Labels keep their state through a theme switch, in the colours of the new theme: enabled
    // text reaches 4.5:1, greyed text 3:1 and still reads fainter. The "%" signs sit in white fields.
    // The focus shows at 3:1 on the ground.
    void themesKeepTextReadable_data()
    {
        QTest::addColumn<QString>("switchTo");
        QTest::newRow("dark to bright") << "actionBrightTheme";
        QTest::newRow("bright to dark") << "actionDarkTheme";
    }

    void themesKeepTextReadable()
    {
        QFETCH(QString, switchTo);
        f->trigger(switchTo == "actionBrightTheme" ? "actionDarkTheme" : "actionBrightTheme");
        f->window->show();
        f->window->resize(1024, 770); // wider than the test screen: every label in sight
        f->find<QTabWidget>("settingsPages")->setCurrentWidget(f->find<QWidget>("fontsPage"));
        f->find<QLineEdit>("lineHeightField")->setText("1"); // no digit under its "%"
        const QStringList options{"importWindowsBox", "globalFontBox"};
        const QStringList labels{"windowSkinCaption", "globalFontLabel", "globalSizeCaption",
                                 "globalSizePercent"};
        for (const QString &option : options)
            f->click(option);
        f->trigger(switchTo);
        if (switchTo == "actionDarkTheme") {
            // A checked box shows a mark: a few dark pixels on the white box, not a dark square.
            auto *box = f->find<QCheckBox>("importWindowsBox");
            QStyleOptionButton option;
            option.initFrom(box);
            const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
            const QImage shot = box->grab(indicator).toImage();
            const int dark = fixtures::pixelsWhere(shot, [](QRgb pixel) { return qGray(pixel) < 96; });
            QVERIFY(dark > 4 && dark * 5 < shot.width() * shot.height());
        }
        for (const QString &label : labels + QStringList{"lineHeightPercent"})
            QVERIFY2(shownContrast(f->find<QWidget>(label)) >= 4.5, qPrintable(label));
        // The button that has the focus at start shows it from the first moment: shown afresh.
        f->window->hide();
        f->showActive();
        QVERIFY(focusContrast(f->find<QWidget>("chooseSkinButton")) >= 3);
        for (const QString &option : options)
            f->click(option);
        for (const QString &label : labels) {
            const double ratio = shownContrast(f->find<QWidget>(label));
            QVERIFY2(ratio >= 3 && ratio < shownContrast(f->find<QWidget>("globalFontCaption")) - 1,
                     qPrintable(label));
        }
    }

    // Noise holds control characters, which would break the skin's XML: refused, nothing changes.
    // A partial profile goes over the default table, whatever was open before: the white table
    // here. A line whose value cannot stand for its key keeps the default, and is named once.
    void aPartialProfileMergesOverTheDefaultTable()
    {
        open("noise.pcp", fixtures::noise(20 << 20) + "\nlist_text=#00ff00\n");
        QVERIFY(Dialogs::requests().last().text.contains("holds a control character"));
        QCOMPARE(text("list_text"), QString("#ffffff"));
        QCOMPARE(f->title(), QString("Panelcraft"));
        f->trigger("actionWhiteTable");
        open("red.pcp",
             "list_text=#ff0000\r\nlist_over=notacolour\r\nskinfontname=Caf\xe9\r\nskinfontsize=1e3\r\n");
        const QString warning = Dialogs::requests().last().text;
        QCOMPARE(warning.count("\n- "), 3);
        QVERIFY2(warning.contains("\"list_over=notacolour\" is not a colour; the default \"#"),
                 qPrintable(warning));
        QCOMPARE(text("list_text"), QString("#ff0000"));
        Style expected = fixtures::defaultStyle();
        expected.setColour("list_text", QColor("#ff0000"));
        QVERIFY(f->window->currentStyle().colours == expected.colours);
        QVERIFY(f->window->currentStyle().fonts == expected.fonts);
        for (const auto &key : stylekeys::colourKeys)
            QVERIFY2(!f->find<QWidget>(widgetName(key, RowPart::Reset))->isEnabled(), key.key);
        QCOMPARE(f->title(), QString("Panelcraft (red)"));
        QVERIFY(!checked("actionDefaultTable") && !checked("actionWhiteTable"));
    }

    // The saved file is the style the window shows, in the profiles folder; a dotted name is
    // titled by its first part. Delete asks first.
    void whiteThenSaveAsThenDelete()
    {
        f->trigger("actionWhiteTable");
        QCOMPARE(text("list_automix"), QString("#56a7b3"));
        saveAs("my.best.pcp");
        QCOMPARE(Dialogs::requests().at(0).dir, f->profilesFolder());
        QCOMPARE(fixtures::readFile(path("my.best.pcp")), tablefile::profileText(style(), 100));
        QCOMPARE(f->title(), QString("Panelcraft (my)"));
        QVERIFY(checked("actionWhiteTable") && enabled("actionSave") && enabled("actionDelete"));
        Dialogs::setNextAnswer(QMessageBox::No);
        f->trigger("actionDelete");
        QVERIFY(QFile::exists(path("my.best.pcp")));
        // Save, said in passing with no box, keeps the Save-as values for single resets.
        pick("listTextPick", "#123456");
        Dialogs::clear();
        f->trigger("actionSave");
        QVERIFY(fixtures::readFile(path("my.best.pcp")).contains("list_text=#123456\r\n"));
        auto *status = f->find<QLabel>("statusLabel");
        QVERIFY(Dialogs::requests().isEmpty() &&
                (status->text() + status->toolTip()).contains("Profile saved"));
        f->click("listTextReset");
        QCOMPARE(text("list_text"), QString("#000000"));
        f->click("resetAllButton");
        QCOMPARE(text("list_text"), QString("#123456"));
        Dialogs::setNextAnswer(QMessageBox::Discard); // reset all is an edit too
        Dialogs::setNextAnswer(QMessageBox::Yes);
        f->trigger("actionDelete");
        QVERIFY(!QFile::exists(path("my.best.pcp")));
        // Exactly one built-in is checked, and it is the table loaded, which Reset reloads.
        QVERIFY(checked("actionDefaultTable") && !checked("actionWhiteTable"));
        QCOMPARE(f->title(), QString("Panelcraft"));
        f->click("resetAllButton");
        QCOMPARE(text("list_automix"), QString("#4080c4"));
    }

    // Open Recent: the last five opened or saved, newest first, across runs; a vanished file is
    // dropped with a message.
    void openRecentListsTheLastFiveProfiles()
    {
        for (const char *name : {"a.pcp", "b.pcp", "c.pcp", "d.pcp", "e.pcp", "f.pcp"})
            saveAs(name);
        open("c.pcp", {});
        f->window->close();
        f->start();
        const auto recent = [this] {
            QStringList names;
            for (QAction *action : f->find<QMenu>("menuRecent")->actions())
                names << action->text();
            return names;
        };
        QCOMPARE(recent(), (QStringList{"&1 c.pcp", "&2 f.pcp", "&3 e.pcp", "&4 d.pcp", "&5 b.pcp"}));
        f->trigger("actionRecent4");
        QCOMPARE(f->title(), QString("Panelcraft (d)"));
        QFile::remove(path("f.pcp"));
        f->trigger("actionRecent3");
        QVERIFY(Dialogs::requests().last().text.contains("f.pcp is gone"));
        QCOMPARE(recent(), (QStringList{"&1 d.pcp", "&2 c.pcp", "&3 e.pcp", "&4 b.pcp"}));
        QCOMPARE(f->title(), QString("Panelcraft (d)"));
    }

    // Faults that hold for root too: a folder that is a file, a full disk. Each is reported and
    // leaves every file and the window as they were.
    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("save as, below a file") << false;
        QTest::newRow("save, disk full") << true;
    }

    void failedSaveChangesNothing()
    {
        QFETCH(bool, fullDisk);
        fixtures::writeFile(path("blocked"), "not a folder");
        if (fullDisk)
            saveAs("whole.pcp");
        pick("listTextPick", "#abcdef");
        const auto files = fixtures::filesBelow(f->profilesFolder());
        const QString title = f->title();
        if (fullDisk) {
#ifdef Q_OS_WIN
            QSKIP("Windows has no file-size limit to stand in for a full disk");
#else
            FileSizeLimit limit(100);
            f->trigger("actionSave");
#endif
        } else {
            saveAs("blocked/x.pcp");
        }
        QVERIFY(Dialogs::requests().last().text.startsWith("The Profile could not be saved to " +
                                                           path(fullDisk ? "whole.pcp" : "blocked")));
        QCOMPARE(fixtures::filesBelow(f->profilesFolder()), files);
        QCOMPARE(f->title(), title);
        QCOMPARE(enabled("actionSave"), fullDisk);
    }

    // A profile gone from disk (Reset and Delete then load the default table) or one that cannot
    // be deleted (a folder in its place) is reported.
    void profileFileFaultsAreReported_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("gone");
        QTest::newRow("Reset, gone") << "resetAllButton" << true;
        QTest::newRow("Delete, gone") << "actionDelete" << true;
        QTest::newRow("Delete, a folder in its place") << "actionDelete" << false;
    }

    void profileFileFaultsAreReported()
    {
        QFETCH(QString, action);
        QFETCH(bool, gone);
        const QString profile = open("stuck.pcp", "list_text=#ff0000\r\n");
        QVERIFY(QFile::remove(profile) && (gone || QDir().mkpath(profile + "/inside")));
        Dialogs::clear();
        Dialogs::setNextAnswer(QMessageBox::Yes);
        action == "resetAllButton" ? f->click(action) : f->trigger(action);
        QCOMPARE(Dialogs::requests().size(), gone ? 1 : 2); // a delete asks first
        QVERIFY(Dialogs::requests().last().text.startsWith("The Profile " + profile +
                                                           (gone ? " is gone" : " could not")));
        QCOMPARE(f->title(), QString(gone ? "Panelcraft" : "Panelcraft (stuck)"));
        QCOMPARE(text("list_text"), QString(gone ? "#ffffff" : "#ff0000"));
        QCOMPARE(enabled("actionDelete"), !gone);
    }
};

QTEST_MAIN(EditingTest)
#include "tst_editing.moc"
