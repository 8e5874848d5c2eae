// The style table in the editor and the "Browser Profile" menu.

#include "filesizelimit.h"
#include "style/resources.h"
#include "windowfixture.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <csignal>
#include <sys/resource.h>

namespace {
QByteArray builtInTable(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Writes a profile and opens it through the menu.
QString openProfile(const WindowFixture &f, const QString &name, const QByteArray &content)
{
    const QString path = f.profilesFolder() + "/" + name;
    writeFile(path, content);
    Dialogs::setNextFileName(path);
    f.trigger("actionCustom");
    return path;
}

bool anyResetEnabled(const WindowFixture &f)
{
    for (const auto &key : stylekeys::colourKeys)
        if (f.find<QPushButton>(key.reset)->isEnabled())
            return true;
    for (const auto &group : stylekeys::fontGroups)
        if (f.find<QPushButton>(group.resetButton)->isEnabled())
            return true;
    return false;
}
} // namespace

class ProfilesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initPanelcraftResources(); }

    void saveAsRightAfterStartWritesTheDefaultTable()
    {
        WindowFixture f;
        f.start();
        const QString path = f.profilesFolder() + "/fresh.pcp";
        Dialogs::setNextFileName(path);
        f.trigger("actionSave_as");
        const auto &save = Dialogs::requests().at(0);
        QCOMPARE(save.kind, Dialogs::Kind::SaveFile);
        QCOMPARE(save.title, QString("Save your Panelcraft Profile"));
        QCOMPARE(save.dir, f.profilesFolder());
        QCOMPARE(save.filter, QString("Profiles (*.pcp)"));
        QCOMPARE(Dialogs::requests().at(1).text, QString("Profile saved"));

        QList<QByteArray> expected = builtInTable(tablefile::defaultTablePath).split('\n');
        expected[0] = "backgroundcolor=#ff202020\r";
        expected[17] = "list_stripes=#ff2a2a2a\r";
        QCOMPARE(f.readFile(path).split('\n'), expected);
        QCOMPARE(f.title(), QString("Panelcraft (fresh)"));
        QVERIFY(f.find<QAction>("actionSave")->isEnabled());
        QVERIFY(f.find<QAction>("actionDelete")->isEnabled());
        QVERIFY(!f.find<QAction>("actionDefault_2")->isChecked());
    }

    void aPartialProfileMergesOverTheLoadedTable()
    {
        WindowFixture f;
        f.start();
        openProfile(f, "red.pcp", "list_text=#ff0000\r\n");
        QCOMPARE(Dialogs::requests().at(0).title, QString("Select a Panelcraft Profile"));
        QCOMPARE(f.colourValue("list_text")->text(), QString("#ff0000"));
        QCOMPARE(f.colourValue("seperatorline")->text(), QString("#7e7e7e"));
        QCOMPARE(f.colourValue("backgroundcolor")->text(), QString("#ff202020"));
        QCOMPARE(f.window->currentStyle().colour("list_automix"), QColor("#4080c4"));
        QVERIFY(!anyResetEnabled(f));
        QCOMPARE(f.title(), QString("Panelcraft (red)"));
        QVERIFY(!f.find<QAction>("actionDefault_2")->isChecked());
        QVERIFY(!f.find<QAction>("actionWhiteBrowser")->isChecked());
    }

    void oddValuesShowAsTheEditorShowsThem()
    {
        WindowFixture f;
        f.start();
        const QString path = f.profilesFolder() + "/odd.pcp";
        writeFile(path, "skinfontsize=abc\r\nbackgroundcolor=#80ff0000\r\nlist_over=#80ff0000\r\n"
                        "info_background=#FF393939\r\n");
        Dialogs::setNextFileName(path);
        f.trigger("actionCustom");
        QCOMPARE(f.find<QLabel>("fontsize_label")->text(), QString("Size : 0"));
        QCOMPARE(f.colourValue("backgroundcolor")->text(), QString("#80ff0000"));
        QCOMPARE(f.colourValue("list_over")->text(), QString("#80ff0000"));
        QCOMPARE(f.window->currentStyle().colour("list_over").alpha(), 0x80);
        QCOMPARE(f.find<QLabel>("infobackground_lb")->text(), QString("#393939"));
        QVERIFY(f.find<QPushButton>("resetinfobackground")->isEnabled());
        QVERIFY(!f.find<QPushButton>("resetlistover")->isEnabled());
    }

    void whiteThenSaveAsThenDelete()
    {
        WindowFixture f;
        f.start();
        f.trigger("actionWhiteBrowser");
        QCOMPARE(f.title(), QString("Panelcraft (White Browser)"));
        QCOMPARE(f.colourValue("list_automix")->text(), QString("#56a7b3"));
        QCOMPARE(f.window->currentStyle().font("toolbar"), (FontSpec{"Arial", "Bold", 16}));

        const QString path = f.profilesFolder() + "/my.best.pcp";
        Dialogs::setNextFileName(path);
        f.trigger("actionSave_as");
        QCOMPARE(f.title(), QString("Panelcraft (my)"));
        QVERIFY(f.find<QAction>("actionWhiteBrowser")->isChecked());
        QVERIFY(!f.find<QAction>("actionDefault_2")->isChecked());

        Dialogs::clear();
        Dialogs::setNextAnswer(QMessageBox::Yes);
        f.trigger("actionDelete");
        QCOMPARE(Dialogs::requests().at(0).kind, Dialogs::Kind::Question);
        QCOMPARE(Dialogs::requests().at(0).text, QString("Are you sure you want to delete Profile my ?"));
        QCOMPARE(Dialogs::requests().at(1).text, "Profile " + path + " deleted.\n\nDefault Profile loaded");
        QVERIFY(!QFile::exists(path));
        // Exactly one built-in is checked, and it is the table loaded, which Reset reloads.
        QVERIFY(f.find<QAction>("actionDefault_2")->isChecked());
        QVERIFY(!f.find<QAction>("actionWhiteBrowser")->isChecked());
        QCOMPARE(f.title(), QString("Panelcraft"));
        QCOMPARE(f.colourValue("list_automix")->text(), QString("#4080c4"));
        f.click("pushButton");
        QCOMPARE(f.colourValue("list_automix")->text(), QString("#4080c4"));
    }

    void cancelledDialogsChangeNothing()
    {
        WindowFixture f;
        f.start();
        const QString before = f.title();
        f.trigger("actionSave_as");
        f.trigger("actionCustom");
        QCOMPARE(Dialogs::requests().size(), 2); // the two file dialogs, no message
        QCOMPARE(f.title(), before);
        QVERIFY(QDir(f.profilesFolder()).entryList(QDir::Files).isEmpty());

        writeFile(f.profilesFolder() + "/keep.pcp", "list_text=#ff0000\r\n");
        Dialogs::setNextFileName(f.profilesFolder() + "/keep.pcp");
        f.trigger("actionCustom");
        Dialogs::clear();
        Dialogs::setNextAnswer(QMessageBox::No);
        f.trigger("actionDelete");
        QCOMPARE(Dialogs::requests().size(), 1);
        QVERIFY(QFile::exists(f.profilesFolder() + "/keep.pcp"));
        QCOMPARE(f.title(), QString("Panelcraft (keep)"));
    }

    void saveKeepsTheSaveAsValuesForSingleResets()
    {
        WindowFixture f;
        f.start();
        const QString path = f.profilesFolder() + "/edit.pcp";
        Dialogs::setNextFileName(path);
        f.trigger("actionSave_as");
        Dialogs::setNextColor(QColor("#123456"));
        f.click("listtextbutton");
        f.trigger("actionSave");
        QVERIFY(f.readFile(path).contains("list_text=#123456\r\n"));
        QVERIFY(f.find<QPushButton>("resetlisttext")->isEnabled());
        f.click("resetlisttext");
        QCOMPARE(f.colourValue("list_text")->text(), QString("#ffffff"));
        f.click("pushButton");
        QCOMPARE(f.colourValue("list_text")->text(), QString("#123456"));
    }

    // A profile lacking keys takes the defaults for them, whatever table was open before.
    void aPartialProfileFallsBackToTheDefaults()
    {
        WindowFixture f;
        f.start();
        f.trigger("actionWhiteBrowser");
        const QString path = f.profilesFolder() + "/partial.pcp";
        writeFile(path, "list_text=#00ff00\n");
        Dialogs::setNextFileName(path);
        f.trigger("actionCustom");
        QCOMPARE(f.colourValue("list_text")->text(), QString("#00ff00"));
        QCOMPARE(f.colourValue("seperatorline")->text(), QString("#7e7e7e"));
    }

    // Noise holds control characters, which would break the skin's XML: refused, nothing changes.
    void randomBytesAreRefusedWithoutHarm()
    {
        WindowFixture f;
        f.start();
        QByteArray noise(20 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(42);
        generator.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        noise += "\nlist_text=#00ff00\n";
        const QString path = f.profilesFolder() + "/noise.pcp";
        writeFile(path, noise);
        Dialogs::setNextFileName(path);
        f.trigger("actionCustom");
        QCOMPARE(Dialogs::requests().last().kind, Dialogs::Kind::Warning);
        QVERIFY(Dialogs::requests().last().text.contains("holds a control character"));
        QCOMPARE(f.colourValue("list_text")->text(), QString("#ffffff"));
        QCOMPARE(f.title(), QString("Panelcraft"));
    }

    void failedSaveIsReportedAndChangesNothing()
    {
        WindowFixture f;
        f.start();
        // A folder path that is a file refuses the write whoever runs the test, root too.
        const QString folder = f.profilesFolder() + "/blocked";
        writeFile(folder, "not a folder");
        const QString path = folder + "/x.pcp";
        Dialogs::setNextFileName(path);
        f.trigger("actionSave_as");
        QCOMPARE(Dialogs::requests().size(), 2);
        QCOMPARE(Dialogs::requests().at(1).kind, Dialogs::Kind::Warning);
        QVERIFY(Dialogs::requests().at(1).text.startsWith("The Profile could not be saved to " + path));
        QCOMPARE(f.title(), QString("Panelcraft"));
        QVERIFY(!f.find<QAction>("actionSave")->isEnabled());
        QVERIFY(f.find<QAction>("actionDefault_2")->isChecked());
        QVERIFY(!QFile::exists(path));
    }

    void failedSaveKeepsTheOldProfileWhole()
    {
        WindowFixture f;
        f.start();
        const QString path = f.profilesFolder() + "/whole.pcp";
        Dialogs::setNextFileName(path);
        f.trigger("actionSave_as");
        const QByteArray saved = f.readFile(path);
        Dialogs::clear();
        Dialogs::setNextColor(QColor("#abcdef"));
        f.click("listtextbutton");
        {
            // Even root cannot write past a file size limit: the disk is as good as full.
            FileSizeLimit limit(100);
            f.trigger("actionSave");
        }
        QCOMPARE(Dialogs::requests().last().kind, Dialogs::Kind::Warning);
        QCOMPARE(f.readFile(path), saved);
        QCOMPARE(QDir(f.profilesFolder()).entryList(QDir::Files), QStringList{"whole.pcp"});
    }

    void failedDeleteIsReportedAndChangesNothing()
    {
        WindowFixture f;
        f.start();
        const QString path = f.profilesFolder() + "/stuck.pcp";
        writeFile(path, "list_text=#00ff00\n");
        Dialogs::setNextFileName(path);
        f.trigger("actionCustom");
        // A folder in the place of the profile cannot be removed as a file, whoever asks.
        QVERIFY(QFile::remove(path) && QDir().mkpath(path + "/inside"));
        Dialogs::clear();
        Dialogs::setNextAnswer(QMessageBox::Yes);
        f.trigger("actionDelete");
        QCOMPARE(Dialogs::requests().size(), 2);
        QCOMPARE(Dialogs::requests().last().kind, Dialogs::Kind::Warning);
        QVERIFY(Dialogs::requests().last().text.startsWith("The Profile " + path + " could not be deleted"));
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(f.title(), QString("Panelcraft (stuck)"));
        QVERIFY(f.find<QAction>("actionDelete")->isEnabled());
    }

    void aBareNameIsSavedAsAProfile()
    {
        WindowFixture f;
        f.start();
        Dialogs::setNextFileName(f.profilesFolder() + "/myprofile");
        f.trigger("actionSave_as");
        QCOMPARE(QDir(f.profilesFolder()).entryList({"*.pcp"}, QDir::Files), QStringList{"myprofile.pcp"});
    }

    void aProfileGoneFromDiskIsReported_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("Reset") << "pushButton";
        QTest::newRow("Delete") << "actionDelete";
    }

    void aProfileGoneFromDiskIsReported()
    {
        QFETCH(QString, action);
        WindowFixture f;
        f.start();
        const QString path = openProfile(f, "gone.pcp", "list_text=#ff0000\r\n");
        QFile::remove(path);
        Dialogs::clear();
        Dialogs::setNextAnswer(QMessageBox::Yes);
        if (action == "pushButton")
            f.click(action);
        else
            f.trigger(action);
        QCOMPARE(Dialogs::requests().size(), 1);
        QCOMPARE(Dialogs::requests().last().kind, Dialogs::Kind::Warning);
        QVERIFY(Dialogs::requests().last().text.startsWith("The Profile " + path + " is gone"));
        QCOMPARE(f.title(), QString("Panelcraft"));
        QCOMPARE(f.colourValue("list_text")->text(), QString("#ffffff"));
        QVERIFY(!f.find<QAction>("actionDelete")->isEnabled());
    }
};

QTEST_MAIN(ProfilesTest)
#include "tst_profiles.moc"
