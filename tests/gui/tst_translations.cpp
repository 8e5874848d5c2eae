// The program speaks German and French: the translations are complete, the window follows LANG,
// and every text the window and the CLI show can be translated. The last is found with a
// pseudo-translation made from the German .ts file, which marks every word of every text it
// holds: a text shown without the mark either does not go through tr() or is missing from the
// .ts files (run the update_translations target).

#include "app/about.h"
#include "style/resources.h"
#include "style/translations.h"
#include "windowfixture.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>

namespace {

const QString mark = QStringLiteral("\u27e6");

QString tsFile(const QString &language)
{
    return fixtures::readFile(qEnvironmentVariable("PANELCRAFT_SOURCE_DIR") + "/translations/panelcraft_" +
                              language + ".ts");
}

// A message of a .ts file, as written there: source (1), translation's attributes (2), translation (3).
const QRegularExpression message(R"(<source>(.*?)</source>\s*<translation([^>]*)>(.*?)</translation>)",
                                 QRegularExpression::DotMatchesEverythingOption);

// The mark before every word outside (escaped) tags, entities and placeholders, so that a text
// shown in pieces or wrapped over lines carries it in each.
QString pseudo(const QString &source)
{
    static const QRegularExpression words(QStringLiteral("&lt;.*?&gt;|&\\w+;|%\\d|(\\w+)"));
    QString text = source;
    int shift = 0;
    for (auto it = words.globalMatch(source); it.hasNext();) {
        const auto match = it.next();
        if (match.capturedLength(1)) {
            text.insert(match.capturedStart(1) + shift, mark);
            shift += mark.size();
        }
    }
    return text;
}

// Compiles the German .ts file, each translation replaced by the pseudo-translation, into
// panelcraft_<language>.qm files in `folder`.
bool writePseudoTranslation(const QString &folder, const QStringList &languages)
{
    QString ts = tsFile(QStringLiteral("de"));
    for (auto it = message.globalMatch(QString(ts)); it.hasNext();) {
        const auto match = it.next();
        ts.replace(match.captured(), "<source>" + match.captured(1) + "</source><translation>" +
                                         pseudo(match.captured(1)) + "</translation>");
    }
    const QString lrelease = QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/lrelease");
    bool written = fixtures::writeFile(folder + "/pseudo.ts", ts.toUtf8());
    for (const QString &language : languages)
        written = written && QProcess::execute(lrelease, {"-silent", folder + "/pseudo.ts", "-qm",
                                                          folder + "/panelcraft_" + language + ".qm"}) == 0;
    return written;
}

// A text a person reads: two letters or more once markup, colour values and names are taken out.
bool readable(QString text)
{
    static const QRegularExpression untranslated(
        QStringLiteral("<[^>]*>|&\\w+;|#[0-9a-fA-F]{3,8}\\b|Panelcraft|panelcraft-cli|skin\\.zip"));
    return text.remove(untranslated).count(QRegularExpression(QStringLiteral("[A-Za-z]"))) >= 2;
}

QStringList unmarkedTexts(QWidget *root)
{
    QStringList unmarked;
    const auto check = [&](const QObject *object, const QString &text) {
        if (readable(text) && !text.contains(mark))
            unmarked << object->objectName() + QStringLiteral(": ") + text;
    };
    QWidgetList widgets = root->findChildren<QWidget *>();
    widgets << root;
    for (QWidget *widget : widgets) {
        for (const QString &text : {widget->toolTip(), widget->whatsThis(), widget->windowTitle()})
            check(widget, text);
        if (auto *label = qobject_cast<QLabel *>(widget))
            check(widget, label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            check(widget, button->text());
        if (auto *tabs = qobject_cast<QTabWidget *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                check(widget, tabs->tabText(i));
    }
    for (const QAction *action : root->findChildren<QAction *>()) // menus' too
        check(action, action->text());
    return unmarked;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir data;

private slots:
    void initTestCase() { initPanelcraftResources(); }

    // Finished, and keeping each placeholder: a lost "%1" drops a file name from a message.
    void translationsAreComplete_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << "de";
        QTest::newRow("French") << "fr";
    }
    void translationsAreComplete()
    {
        QFETCH(QString, language);
        const QString ts = tsFile(language);
        QVERIFY(ts.count("<source>") > 250 && ts.count("<source>") == ts.count(message));
        const auto placeholders = [](const QString &text) {
            QStringList found;
            for (auto it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text); it.hasNext();)
                found << it.next().captured();
            found.sort();
            return found;
        };
        for (auto it = message.globalMatch(ts); it.hasNext();) {
            const auto match = it.next();
            QVERIFY2(match.captured(2).isEmpty() && !match.captured(3).isEmpty(),
                     qPrintable(match.captured(1)));
            QVERIFY2(placeholders(match.captured(1)) == placeholders(match.captured(3)),
                     qPrintable(match.captured()));
        }
    }

    // main() below gives this program LANG=de_DE.UTF-8 and nothing else that names a language.
    void windowStartsInGerman()
    {
        QCOMPARE(loadTranslations(), QStringLiteral("de_DE"));
        WindowFixture f;
        f.start();
        QCOMPARE(f.find<QAbstractButton>("createSkinButton")->text(), QStringLiteral("Skin &erstellen"));
        QCOMPARE(f.find<QAbstractButton>("resetbackcolor")->text(), QStringLiteral("Standard"));
        QVERIFY(f.find<QWidget>("chooseSkinButton")
                    ->toolTip()
                    .startsWith(QStringLiteral("Das ist der erste Schritt")));
        // Qt's own texts, for the standard dialogs.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    void windowTextsAreTranslatable()
    {
        QVERIFY(QDir().mkpath(data.path() + "/panelcraft/translations"));
        QVERIFY(writePseudoTranslation(data.path() + "/panelcraft/translations", {"de", "eo"}));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        QCOMPARE(loadTranslations(), QStringLiteral("de_DE"));
        WindowFixture f;
        f.writeOldSettings("themenumber=0\nshowtooltips=1\n");
        f.start();
        f.showEveryPage();
        f.showPreview();
        f.click("createSkinButton"); // a warning: no skin selected
        f.trigger("actionWhiteTable");
        QStringList unmarked = unmarkedTexts(f.window.get());
        About about(nullptr);
        unmarked += unmarkedTexts(&about);
        for (const Dialogs::Request &request : Dialogs::requests())
            if (readable(request.text) && !request.text.contains(mark))
                unmarked << request.text;
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join('\n')));
    }

    // --help and the option errors; Qt's own lines stay English, as there is no Qt translation
    // for Esperanto.
    void cliTextsAreTranslatable_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("help") << QStringList{"--help"};
        QTest::newRow("no skin") << QStringList();
        QTest::newRow("bad option value") << QStringList{"skin.zip", "--icons", "purple"};
        const QString notAZip = qEnvironmentVariable("PANELCRAFT_SOURCE_DIR") + "/README.md";
        QTest::newRow("builder's check") << QStringList{notAZip, "--line-height", "0"};
        QTest::newRow("builder's failure") << QStringList{notAZip, "-o", "out.zip"};
    }
    void cliTextsAreTranslatable()
    {
        QFETCH(QStringList, arguments);
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANGUAGE", "eo");
        cli.setProcessEnvironment(environment);
        cli.start(qEnvironmentVariable("PANELCRAFT_CLI"), arguments);
        QVERIFY(cli.waitForFinished());
        const QString output = cli.readAllStandardOutput() + cli.readAllStandardError();
        const QStringList qtOwn{"Usage:", "Options:", "Arguments:", "Displays help", "Displays version"};
        QStringList unmarked;
        for (const QString &line : output.split('\n'))
            if (readable(line) && !line.contains(mark) &&
                std::none_of(qtOwn.begin(), qtOwn.end(),
                             [&](const QString &own) { return line.contains(own); }))
                unmarked << line;
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join('\n')));
    }
};

int main(int argc, char *argv[])
{
    // The language comes from the environment, as a user's session gives it.
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(name);
    qputenv("LANG", "de_DE.UTF-8");
    QApplication app(argc, argv);
    TranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
