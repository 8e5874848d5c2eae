// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing a user chose is lost: cancelled file dialogs, a save that does not happen before the
// edits would be replaced, settings written as they change, the window's place, and files named
// on the command line or dropped on the window.

#include "app/fileopenevents.h"
#include "skin/layout/browserblock.h"
#include "windowfixture.h"

#include <QFileOpenEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QUrl>

class UserChoicesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> f;
    const QString m_sample = fixtures::sampleSkin();

    QString profile(const QString &name) const { return f->profilesFolder() + "/" + name; }
    QString settings() const { return QString::fromUtf8(fixtures::readFile(f->settingsPath())); }

    // Everything the window shows of its choices, and the settings file.
    QStringList shown() const
    {
        QStringList state{f->title(), settings()};
        for (QWidget *widget : f->window->findChildren<QWidget *>()) {
            const QString name = widget->objectName();
            if (auto *label = qobject_cast<QLabel *>(widget))
                state << name + ": " + label->text();
            else if (auto *edit = qobject_cast<QLineEdit *>(widget))
                state << name + ": " + edit->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                state << name + QString(": %1 %2").arg(button->isChecked()).arg(button->isEnabled());
        }
        for (QAction *action : f->window->findChildren<QAction *>())
            state << action->objectName() +
                         QString(": %1 %2").arg(action->isChecked()).arg(action->isEnabled());
        return state;
    }

private slots:
    void init()
    {
        f = std::make_unique<WindowFixture>();
        f->start();
    }
    void cleanup() { f.reset(); }

    void cancelledFileDialogsChangeNothing_data()
    {
        QTest::addColumn<QString>("dialog");
        for (const char *opener :
             {"chooseSkinButton", "chooseIconSkinButton", "chooseWindowSkinButton", "actionOpenProfile",
              "actionSaveAs", "actionStyleFromScheme", "actionExportScheme"})
            QTest::newRow(opener) << opener;
    }

    void cancelledFileDialogsChangeNothing()
    {
        QFETCH(QString, dialog);
        f->choose("chooseSkinButton", m_sample);
        f->find<QLineEdit>("saveAsField")->setText("my-new-skin");
        f->click("otherSkinIconsButton");
        f->choose("chooseIconSkinButton", m_sample);
        f->click("importWindowsBox");
        f->choose("chooseWindowSkinButton", m_sample);
        QVERIFY(fixtures::writeFile(profile("mine.pcp"), "list_text=#000001\r\n"));
        f->choose("actionOpenProfile", profile("mine.pcp"));
        const QStringList before = shown();
        Dialogs::clear();
        f->act(dialog); // unanswered: cancelled
        QCOMPARE(Dialogs::requests().size(), 1);
        QVERIFY(Dialogs::requests().first().kind == Dialogs::Kind::OpenFile ||
                Dialogs::requests().first().kind == Dialogs::Kind::SaveFile);
        QCOMPARE(shown(), before);
    }

    // Whatever replaces the edits asks first. Cancel, or Save with its dialog cancelled (a built-in
    // table is saved as a new profile) or its writing failed (the open profile's file is now a
    // folder): the edits stay, with their undo, and the action goes no further.
    void unsavedEditsStayWhenTheSaveDoesNotHappen_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("answer");
        for (const char *action : {"close", "actionDefaultTable", "actionWhiteTable", "actionOpenProfile",
                                   "actionDelete", "actionRecent1", "actionColoursFromSkin",
                                   "actionStyleFromSkin", "actionStyleFromSkinWithAccent",
                                   "actionStyleFromScheme", "drop scheme", "drop profile", "named profile"})
            for (const char *answer : {"cancel", "save cancelled", "save failed"})
                if (strcmp(answer, "save cancelled") != 0 || strcmp(action, "actionDelete") != 0)
                    QTest::addRow("%s, %s", action, answer)
                        << action << answer; // Delete needs an open profile
    }

    void unsavedEditsStayWhenTheSaveDoesNotHappen()
    {
        QFETCH(QString, action);
        QFETCH(QString, answer);
        const QString deck = f->documents.filePath("deck.zip");
        fixtures::writeZip(
            deck, {{"a.xml", fixtures::xml(browserblock::contentBlock(f->window->currentStyle(), 0))}});
        f->choose("chooseSkinButton", deck);
        const QString scheme = f->documents.filePath("dark.gpl");
        QVERIFY(fixtures::writeFile(scheme, "GIMP Palette\n0 0 0\n255 255 255\n"));
        QVERIFY(fixtures::writeFile(profile("other.pcp"), "list_text=#000002\r\n"));
        QVERIFY(fixtures::writeFile(profile("mine.pcp"), "list_text=#000001\r\n"));
        f->choose("actionOpenProfile", profile("mine.pcp"));
        if (answer == "save cancelled")
            f->trigger("actionDefaultTable"); // no edits yet: no question
        Dialogs::setNextColor(QColor("#010203"));
        f->click("listTextPick");
        if (answer == "save failed")
            QVERIFY(QFile::remove(profile("mine.pcp")) && QDir().mkpath(profile("mine.pcp")));
        const QString title = f->title();
        QVERIFY(title.endsWith("*"));

        Dialogs::clear();
        Dialogs::setNextAnswer(answer == "cancel" ? QMessageBox::Cancel : QMessageBox::Save);
        if (action == "close")
            QVERIFY(!f->window->close());
        else if (action == "drop scheme" || action == "drop profile")
            f->drop(action == "drop scheme" ? scheme : profile("other.pcp"));
        else if (action == "named profile")
            f->window->openFiles({profile("other.pcp")});
        else if (action == "actionStyleFromScheme")
            f->choose(action, scheme);
        else
            f->act(action);
        QTRY_VERIFY(!f->window->isBusy());

        const auto &asked = Dialogs::requests();
        const auto question = std::find_if(asked.cbegin(), asked.cend(), [](const Dialogs::Request &request) {
            return request.kind == Dialogs::Kind::Question;
        });
        QVERIFY(question != asked.cend() &&
                question->text.startsWith("The Browser Profile has unsaved edits."));
        // Then only the save's dialog or its failure.
        QCOMPARE(asked.cend() - question, answer == "cancel" ? 1 : 2);
        QVERIFY(answer == "cancel" ||
                asked.last().kind ==
                    (answer == "save failed" ? Dialogs::Kind::Warning : Dialogs::Kind::SaveFile));
        QCOMPARE(f->colourValue("list_text")->text(), QString("#010203"));
        QCOMPARE(f->title(), title);
        QVERIFY(f->find<QAction>("actionUndo")->isEnabled());
    }

    // Each file dialog opens where it last chose from, in this run and the next: the skin's, and
    // the profiles' (Open and Save as share theirs); another skin dialog keeps its own. The next run's
    // window opens where this one was, at its size. Each choice is in the settings file as soon as it
    // is made, with the window still open.
    void dialogFoldersAndTheWindowsPlaceAreRemembered()
    {
        f->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
        const QRect placed(40, 50, 600, 400);
        f->window->setGeometry(placed);
        const QString elsewhere = f->documents.filePath("elsewhere");
        QVERIFY(QDir().mkpath(elsewhere));
        f->act("actionOpenProfile");
        QCOMPARE(Dialogs::requests().last().dir, f->profilesFolder());
        f->choose("actionSaveAs", elsewhere + "/mine.pcp");
        QVERIFY(settings().contains("profiles=" + elsewhere) &&
                settings().contains("recentProfiles=" + elsewhere + "/mine.pcp"));
        f->choose("chooseSkinButton", elsewhere + "/a.zip");
        QVERIFY(settings().contains("skin=" + elsewhere));
        f->trigger("actionBrightTheme");
        QVERIFY(settings().contains("themenumber=1"));
        f->trigger("actionShowTooltips");
        QVERIFY(settings().contains("showtooltips=0"));
        f->click("otherSkinIconsButton");
        f->choose("chooseIconSkinButton", QString());
        QVERIFY(Dialogs::requests().last().dir != elsewhere); // its own folder, none chosen yet
        for (int run = 0; run < 2; ++run) {
            for (const char *opener : {"actionOpenProfile", "chooseSkinButton"}) {
                f->act(opener);
                QCOMPARE(Dialogs::requests().last().dir, elsewhere);
            }
            QVERIFY(f->window->close());
            f->start().show();
        }
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
        QCOMPARE(f->window->geometry(), placed);
    }

    // Files named on the command line or dropped: a skin is selected, a profile opened; anything
    // else is refused with its reason.
    void namedAndDroppedFilesOpen()
    {
        QVERIFY(fixtures::writeFile(profile("mine.pcp"), "list_text=#000001\r\n"));
        QVERIFY(fixtures::writeFile(profile("notes.txt"), "x"));
        QVERIFY(!f->drop("/tmp/notes.txt")); // refused at once, with a remark that goes by itself
        auto *status = f->find<QLabel>("statusLabel");
        QVERIFY(status->text().startsWith("Only a skin's .zip file"));
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString(), 6000);
        QVERIFY(f->drop(m_sample));
        QCOMPARE(f->find<QLabel>("skinName")->text(), QString("sample-skin"));
        QVERIFY(QFile::copy(m_sample, profile("other.zip")));
        f->window->openFiles(
            {profile("gone.pcp"), profile("notes.txt"), profile("other.zip"), profile("mine.pcp")});
        QCOMPARE(Dialogs::requests().size(), 2);
        QVERIFY(
            Dialogs::requests().at(0).text.endsWith("gone.pcp\" cannot be opened: there is no such file."));
        QVERIFY(Dialogs::requests().at(1).text.contains("notes.txt\" cannot be opened: Panelcraft opens"));
        QCOMPARE(f->find<QLabel>("skinName")->text(), QString("other"));
        QCOMPARE(f->title(), QString("Panelcraft (mine)"));

        f->trigger("actionDefaultTable");
        f->drop(profile("mine.pcp"));
        QCOMPARE(f->title(), QString("Panelcraft (mine)"));

        f->trigger("actionDefaultTable");
        const FileOpenEvents fileOpenEvents(f->window.get()); // as macOS's Finder hands a file over
        QFileOpenEvent opened(profile("mine.pcp"));
        QVERIFY(QCoreApplication::sendEvent(qApp, &opened));
        QCOMPARE(f->title(), QString("Panelcraft (mine)"));
    }

    // The program hands the files it is started with to its window: the profile opened is at once
    // among the recent ones in the settings.
    void theProgramOpensTheFilesItIsStartedWith()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows gives a program its settings folder from the user's profile, not from the "
              "environment a test can set");
#endif
        const QString mine = f->documents.filePath("mine.pcp");
        QVERIFY(fixtures::writeFile(mine, "list_text=#000001\r\n"));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", f->documents.path());
        env.insert("XDG_CONFIG_HOME", f->config.path());
        program.setProcessEnvironment(env);
        program.start(QFileInfo(qEnvironmentVariable("PANELCRAFT_CLI")).dir().filePath("panelcraft"), {mine});
        const QString written = f->config.path() + "/panelcraft/settings.ini";
        QTRY_VERIFY_WITH_TIMEOUT(fixtures::readFile(written).contains(mine.toUtf8()), 30000);
        program.kill();
        program.waitForFinished();
    }
};

QTEST_MAIN(UserChoicesTest)
#include "tst_userchoices.moc"
