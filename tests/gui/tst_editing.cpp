// Colour and font rows, transparency toggles, the linked list rows and the percentage fields.

#include "skin/browserblock.h"
#include "skinfixtures.h"
#include "style/resources.h"
#include "windowfixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QValidator>

class EditingTest : public QObject
{
    Q_OBJECT

    WindowFixture *f = nullptr;

    QLabel *label(const char *name) const { return f->find<QLabel>(name); }
    QPushButton *button(const char *name) const { return f->find<QPushButton>(name); }
    QString sheet(const char *name) const
    {
        f->showPreview();
        return f->find<QWidget>(name)->styleSheet();
    }
    QColor swatch(const char *name) const
    {
        return f->find<QLineEdit>(name)->palette().color(QPalette::Base);
    }

private slots:
    void initTestCase() { initPanelcraftResources(); }
    void init()
    {
        f = new WindowFixture;
        f->start();
    }
    void cleanup() { delete f; }

    void everyRowPicksAndResets()
    {
        for (const auto &key : stylekeys::colourKeys) {
            const QColor table = tablefile::tableColour(f->window->styleTable(), key.key);
            Dialogs::setNextColor(QColor("#0a0b0c"));
            f->click(key.pick);
            QCOMPARE(f->window->currentStyle().colour(key.key), QColor("#0a0b0c"));
            QCOMPARE(label(key.value)->text(), QString(key.alpha ? "#ff0a0b0c" : "#0a0b0c"));
            QCOMPARE(swatch(key.swatch), QColor("#0a0b0c"));
            QVERIFY2(button(key.reset)->isEnabled(), key.key);
            f->click(key.reset);
            QCOMPARE(f->window->currentStyle().colour(key.key), table);
            QVERIFY2(!button(key.reset)->isEnabled(), key.key);
        }
        QCOMPARE(Dialogs::requests().first().title, QString("Pick a color"));
        QCOMPARE(Dialogs::requests().at(1).title, QString());
        QCOMPARE(Dialogs::requests().at(1).initialColor, QColor("#7e7e7e"));
    }

    // A page's rows are built when it is first shown, and must show with it.
    void rowsShowWithTheirPage()
    {
        f->window->show();
        for (const auto &key : stylekeys::colourKeys) {
            f->find<QTabWidget>("tabWidget")->setCurrentIndex(int(key.page));
            QVERIFY2(button(key.pick)->isVisible(), key.pick);
        }
    }

    void choosingTheTableColourKeepsResetDisabled()
    {
        Dialogs::setNextColor(QColor("#ffffff"));
        f->click("listtextbutton");
        QVERIFY(!button("resetlisttext")->isEnabled());
        f->click("listtextbutton"); // cancelled: nothing changes
        QCOMPARE(f->colourValue("list_text")->text(), QString("#ffffff"));
    }

    void resetRestoresRowAndPreview()
    {
        const QString before = sheet("searchbarbox");
        Dialogs::setNextColor(QColor("#112233"));
        f->click("search_text_but");
        QVERIFY(sheet("searchbarbox").contains("color: #112233;"));
        f->click("reset_search_text");
        QCOMPARE(sheet("searchbarbox"), before);
        QCOMPARE(label("search_text_value")->text(), QString("#ffffff"));
        QCOMPARE(swatch("search_text_color"), QColor("#ffffff"));
    }

    void rowsWithoutPreviewOnlyChangeTheirRow()
    {
        f->showPreview();
        f->showEveryPage();
        QStringList before;
        const QList<QWidget *> all = f->window->findChildren<QWidget *>();
        for (QWidget *w : all)
            before << w->styleSheet();
        for (const char *pick : {"listdownloadbutton", "listscanbutton", "listinsertbutton"}) {
            Dialogs::setNextColor(QColor("#abcabc"));
            f->click(pick);
        }
        for (int i = 0; i < all.size(); ++i)
            QCOMPARE(all[i]->styleSheet(), before[i]);
        QCOMPARE(f->colourValue("list_insert")->text(), QString("#abcabc"));
    }

    void editsRestyleWhatTheColourFeeds()
    {
        Dialogs::setNextColor(QColor("#102030"));
        f->click("toolbarbackcolorbutton");
        for (const char *w : {"toolbar_back", "search_back", "sideview_back", "automix_back"})
            QVERIFY2(sheet(w).contains("background-color: #102030"), w);
        Dialogs::setNextColor(QColor("#203040"));
        f->click("gridoverbutton");
        QCOMPARE(sheet("grid_tracknormal_back_2"), QString("background-color:#203040"));
        const QString lists = sheet("listWidget_2");
        Dialogs::setNextColor(QColor("#304050"));
        f->click("plugin_back_button");
        QCOMPARE(sheet("plugin_background"), QString("background-color:#304050"));
        QCOMPARE(sheet("listWidget_2"), lists);
    }

    void backgroundTransparency()
    {
        f->click("background_transp");
        QCOMPARE(f->colourValue("backgroundcolor")->text(), QString("#00000000"));
        QVERIFY(button("resetbackcolor")->isEnabled());
        for (const char *w : {"scroll_back", "scroll_back_2", "browser_backview", "gridbackgroun_label"})
            QCOMPARE(sheet(w), QString("background-color: #00000000"));
        QVERIFY(sheet("listWidget").startsWith("#listWidget {border:0px;  background-color: #00000000; }"));
        f->click("resetbackcolor");
        QCOMPARE(f->colourValue("backgroundcolor")->text(), QString("#ff202020"));
        QCOMPARE(sheet("browser_backview"), QString("background-color: #ff202020"));
    }

    void transparencySurvivesSaveAndReopen()
    {
        f->click("list_background_transp");
        f->click("list_over_transp");
        QCOMPARE(f->colourValue("list_background")->text(), QString("#00000000"));
        QCOMPARE(f->colourValue("list_over")->text(), QString("#00000000"));
        QVERIFY(sheet("listWidget").contains("hover:!selected { background-color: #00000000"));
        const QString path = f->profilesFolder() + "/clear.pcp";
        Dialogs::setNextFileName(path);
        f->trigger("actionSave_as");
        const QByteArray saved = f->readFile(path);
        QVERIFY(saved.contains("\r\nlist_background=#00000000\r\n"));
        QVERIFY(saved.contains("\r\nlist_over=#00000000\r\n"));
        Dialogs::setNextFileName(path);
        f->trigger("actionCustom");
        for (const char *key : {"list_background", "list_over"})
            QCOMPARE(f->window->currentStyle().colour(key).alpha(), 0);
        QCOMPARE(f->colourValue("list_over")->text(), QString("#00000000"));
    }

    void fontPickResolvesWhatTheSystemGives()
    {
        const QString family = QFontInfo(QFont("Arial")).family();
        QFont light(family, 14);
        light.setWeight(QFont::Light);
        Dialogs::setNextFont(light);
        f->click("fontbutton");
        const FontSpec picked = f->window->currentStyle().font("skin");
        QCOMPARE(picked.weight, QString("Normal"));
        QCOMPARE(picked.family, QFontInfo(light).family());
        QCOMPARE(label("fontsize_label")->text(), "Size : " + QString::number(QFontInfo(light).pointSize()));
        QVERIFY(button("resetfont")->isEnabled());
        QCOMPARE(Dialogs::requests().last().initialFont.family(), QString("Arial"));
        QCOMPARE(Dialogs::requests().last().initialFont.pointSize(), 20);
        QCOMPARE(Dialogs::requests().last().initialFont.weight(), int(QFont::Normal));

        // The family has Regular and Bold faces only: DemiBold and Black resolve to Bold.
        for (const QFont::Weight weight : {QFont::DemiBold, QFont::Black}) {
            Dialogs::setNextFont(QFont(family, 14, weight));
            f->click("fontsearchbutton");
            QCOMPARE(f->window->currentStyle().font("skinsearch").weight, QString("Bold"));
            QCOMPARE(label("fontsearchweight_label")->text(), QString("Weight : Bold"));
        }
    }

    void confirmingTheTableFontDisablesReset()
    {
        const FontSpec table = f->window->currentStyle().font("skingrid");
        QFont same(table.family, table.size, QFont::Normal);
        const QString resolvedFamily = QFontInfo(same).family();
        Dialogs::setNextFont(same);
        f->click("fontgridtitlesbutton");
        QCOMPARE(button("resetfontgridtites")->isEnabled(), resolvedFamily != table.family);
        f->click("fontgridtitlesbutton"); // cancelled
        QCOMPARE(f->window->currentStyle().font("skingrid").family, resolvedFamily);
    }

    void pluginFontResetRedrawsThePluginZoneOnly()
    {
        Dialogs::setNextFont(QFont("Arial", 30, QFont::Bold));
        f->click("pluginfont_button");
        QVERIFY(sheet("plugin_fxtitle").startsWith("font: normal Bold 22px"));
        Dialogs::setNextFont(QFont("Arial", 31));
        f->click("pluginfontknob_button");
        const QString knobSize = label("pluginknobfont_size")->text();
        f->click("resetpluginfont");
        QCOMPARE(label("pluginfont_name")->text(), QString("Name : Arial"));
        QCOMPARE(label("pluginfont_size")->text(), QString("Size : 20"));
        QCOMPARE(label("pluginfont_weight")->text(), QString("Weight : Normal"));
        QVERIFY(sheet("plugin_fxtitle").startsWith("font: normal Normal 12px \"Arial\""));
        QCOMPARE(label("pluginknobfont_size")->text(), knobSize);
        QVERIFY(!button("resetpluginfont")->isEnabled());
    }

    void globalFontAlwaysOpensOnArial20()
    {
        f->click("checkBox_globalfont");
        QVERIFY(button("globalfontbutton")->isEnabled());
        QCOMPARE(label("label_82")->styleSheet(), QString("color: #dcdcdc"));
        Dialogs::setNextFont(QFont("Liberation Serif", 12));
        f->click("globalfontbutton");
        QCOMPARE(label("font_label_2")->text(),
                 "Name : " + QFontInfo(QFont("Liberation Serif", 12)).family());
        f->click("globalfontbutton");
        const QFont initial = Dialogs::requests().last().initialFont;
        QCOMPARE(initial.family(), QString("Arial"));
        QCOMPARE(initial.pointSize(), 20);
        QCOMPARE(initial.weight(), int(QFont::Normal));
        QCOMPARE(f->window->globalFontName(), QFontInfo(QFont("Liberation Serif", 12)).family());
        f->click("checkBox_globalfont");
        QVERIFY(!button("globalfontbutton")->isEnabled());
        QVERIFY(f->find<QWidget>("floatlabel_4")->isHidden());
    }

    void percentageFieldsTakeOneToThreeDigits()
    {
        for (const char *field : {"globalsize", "lineheight"}) {
            const QValidator *validator = f->find<QLineEdit>(field)->validator();
            QVERIFY(validator);
            for (QString text : {"0", "05", "1000", "-5", "abc"}) {
                int pos = 0;
                QVERIFY2(validator->validate(text, pos) != QValidator::Acceptable, qPrintable(text));
            }
            for (QString text : {"95", "110", "1", "999"}) {
                int pos = 0;
                QCOMPARE(validator->validate(text, pos), QValidator::Acceptable);
            }
        }
        f->find<QLineEdit>("lineheight")->setText("250");
        f->click("resetfontgridtites_2");
        QCOMPARE(f->find<QLineEdit>("lineheight")->text(), QString("100"));
        QCOMPARE(f->window->lineHeightValue(), 100);
    }

    void resetButtonReloadsTheTable()
    {
        Dialogs::setNextColor(QColor("#010101"));
        f->click("listtextbutton");
        f->click("background_transp");
        f->click("pushButton");
        QCOMPARE(f->colourValue("list_text")->text(), QString("#ffffff"));
        QCOMPARE(f->colourValue("backgroundcolor")->text(), QString("#ff202020"));
        QVERIFY(!button("resetlisttext")->isEnabled());
    }

    // After any table load every row state and the preview follow the table again.
    void loadsUndoTransparentStripes_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("Reset") << "pushButton";
        QTest::newRow("Default") << "actionDefault_2";
        QTest::newRow("White") << "actionWhiteBrowser";
        QTest::newRow("Open") << "actionCustom";
    }

    void loadsUndoTransparentStripes()
    {
        QFETCH(QString, action);
        const QString path = f->profilesFolder() + "/plain.pcp";
        Dialogs::setNextFileName(path);
        f->trigger("actionSave_as");
        f->click("list_stripes_transp_2");
        Dialogs::setNextFileName(path);
        if (action.startsWith("action"))
            f->trigger(action);
        else
            f->click(action);
        QVERIFY(sheet("listWidget_3").contains(":alternate"));
        QVERIFY(f->find<QListWidget>("listWidget_2")->alternatingRowColors());
        QVERIFY(button("listoverstripebutton")->isEnabled());
        QCOMPARE(f->find<QLabel>(stylekeys::captionObjectName(stylekeys::colourKey("list_overstripes")))
                     ->styleSheet(),
                 QString("color: #dcdcdc"));
        QVERIFY(!button("resetliststripes")->isEnabled());
    }

    void themeSwitchKeepsResetButtonsTrue()
    {
        Dialogs::setNextFont(QFont("Arial", 31));
        f->click("fontbutton");
        f->click("list_stripes_transp_2");
        for (const char *theme : {"actionWhite", "actionBlack"}) {
            f->trigger(theme);
            QVERIFY2(button("resetfont")->isEnabled(), theme);
            QVERIFY2(!button("resetlistoverstripe")->isEnabled(), theme);
            QVERIFY2(!button("listoverstripebutton")->isEnabled(), theme);
            QVERIFY2(button("resetliststripes")->isEnabled(), theme);
        }
    }

    void undoAndRedoEveryKindOfEdit()
    {
        const EditorValues start{f->window->currentStyle(), "100"};
        Dialogs::setNextColor(QColor("#010203"));
        f->click("listtextbutton");
        f->click("list_stripes_transp_2");
        Dialogs::setNextFont(QFont("Arial", 31));
        f->click("fontbutton");
        f->find<QLineEdit>("lineheight")->setText("1");
        f->find<QLineEdit>("lineheight")->setText("12"); // typing merges into one step
        f->click("resetlisttext");
        QCOMPARE(f->title(), QString("Panelcraft*"));
        const Style edited = f->window->currentStyle();

        auto *undo = f->find<QAction>("actionUndo");
        QCOMPARE(undo->shortcut(), QKeySequence("Ctrl+Z"));
        QCOMPARE(f->find<QAction>("actionRedo")->shortcut(), QKeySequence("Ctrl+Shift+Z"));
        for (int step = 0; step < 5; ++step)
            undo->trigger();
        QVERIFY(!undo->isEnabled());
        QVERIFY(f->window->currentStyle().colours == start.style.colours);
        QVERIFY(f->window->currentStyle().fonts == start.style.fonts);
        QCOMPARE(f->find<QLineEdit>("lineheight")->text(), QString("100"));
        QVERIFY(sheet("listWidget_2").contains(":alternate"));
        QVERIFY(!button("resetfont")->isEnabled());
        QCOMPARE(f->title(), QString("Panelcraft"));

        for (int step = 0; step < 5; ++step)
            f->trigger("actionRedo");
        QVERIFY(f->window->currentStyle().colours == edited.colours);
        QCOMPARE(f->find<QLineEdit>("lineheight")->text(), QString("12"));
        QVERIFY(!button("listoverstripebutton")->isEnabled());
        QVERIFY(button("resetfont")->isEnabled());

        f->trigger("actionWhiteBrowser"); // a load clears the history
        QVERIFY(!undo->isEnabled());
        QCOMPARE(f->title(), QString("Panelcraft (White Browser)"));
    }

    void closingWithUnsavedEditsAsks()
    {
        Dialogs::setNextColor(QColor("#010203"));
        f->click("listtextbutton");
        Dialogs::clear();
        QVERIFY(!f->window->close()); // unanswered: Cancel
        QCOMPARE(Dialogs::requests().last().kind, Dialogs::Kind::Question);
        Dialogs::setNextAnswer(QMessageBox::Save);
        Dialogs::setNextFileName(f->profilesFolder() + "/kept");
        QVERIFY(f->window->close());
        QVERIFY(f->readFile(f->profilesFolder() + "/kept.pcp").contains("list_text=#010203"));
    }

    void coloursFromSelectedSkin()
    {
        Style skin = f->window->currentStyle();
        skin.setColour("list_text", QColor("#123456"));
        skin.font("skin").size = 33;
        const QString zip = f->documents.filePath("deck.zip");
        const QStringList block = browserblock::contentBlock(skin, 40);
        fixtures::writeZip(zip,
                           {{"b.xml", fixtures::xml(QStringList{"<skin>", "<browser lineheight=\"120%\">"} +
                                                    block + QStringList{"</browser>", "</skin>"})},
                            {"c.xml", fixtures::xml({"<skin>", "</skin>"})}});
        Dialogs::setNextFileName(zip);
        f->click("skinfileselect");
        QCOMPARE(Dialogs::requests().last().filter, QString("Skin Files (*.zip)"));
        f->trigger("actionColours_from_Skin");
        QTRY_VERIFY(!f->window->isBusy());
        QCOMPARE(f->colourValue("list_text")->text(), QString("#123456"));
        QCOMPARE(label("fontsize_label")->text(), QString("Size : 33"));
        QCOMPARE(f->find<QLineEdit>("lineheight")->text(), QString("120"));
        QVERIFY(button("resetlisttext")->isEnabled());
        f->trigger("actionUndo");
        QCOMPARE(f->colourValue("list_text")->text(), QString("#ffffff"));

        fixtures::writeZip(zip, {{"a.xml", fixtures::xml({"<skin>", "</skin>"})}});
        f->trigger("actionColours_from_Skin");
        QTRY_VERIFY(!f->window->isBusy());
        QCOMPARE(Dialogs::requests().last().kind, Dialogs::Kind::Warning);
        QVERIFY(Dialogs::requests().last().text.contains("no <browser> block"));
        QCOMPARE(f->colourValue("list_text")->text(), QString("#ffffff"));
    }

    void contrastSignWarnsOfUnreadableText()
    {
        auto *sign = f->find<QLabel>("list_text_contrast");
        QVERIFY(sign->isHidden());
        Dialogs::setNextColor(QColor("#2a2a2a"));
        f->click("listtextbutton");
        QVERIFY(!sign->isHidden());
        QVERIFY2(sign->toolTip().startsWith("Contrast 1.0:1 on "), qPrintable(sign->toolTip()));
        f->trigger("actionUndo");
        QVERIFY(sign->isHidden());
    }

    void gridTextsFitTheirCards_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("artist");
        QTest::newRow("normal") << ""
                                << "label_104";
        QTest::newRow("over") << "_2"
                              << "label_107";
        QTest::newRow("selected") << "_3"
                                  << "label_112";
        QTest::newRow("focus") << "_4"
                               << "label_122";
    }

    void gridTextsFitTheirCards()
    {
        QFETCH(QString, card);
        QFETCH(QString, artist);
        const auto advance = [](const QLabel *l) {
            return QFontMetrics(l->font()).horizontalAdvance(l->text());
        };
        f->showPreview();
        const QRect back = f->find<QLabel>("grid_tracknormal_back" + card)->geometry();
        const QLabel *artistLabel = f->find<QLabel>(artist);
        QVERIFY(advance(artistLabel) <= artistLabel->width());
        QVERIFY(artistLabel->geometry().right() <= back.right());
        const QLabel *captions = f->find<QLabel>("grid_strike_back" + card);
        QVERIFY(captions->x() + advance(captions) <= f->find<QLabel>("grid_strike_text2" + card)->x());
    }

    void darkThemeTextColoursParseAndStayReadable()
    {
        // The theme's label colour must parse both as a colour and in a style sheet.
        QCOMPARE(f->find<QWidget>("selectedfile")->palette().color(QPalette::Text), QColor(220, 220, 220));
        f->click("checkBox_globalfont");
        QCOMPARE(label("label_83")->styleSheet(), QString("color: black")); // inside the white field
    }
};

QTEST_MAIN(EditingTest)
#include "tst_editing.moc"
