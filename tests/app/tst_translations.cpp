// SPDX-License-Identifier: GPL-3.0-or-later
// The program speaks German and French: the translations are complete, the window follows LANG,
// and every text the window and the CLI show can be translated. The last is found with a
// pseudo-translation made from the German .ts file, which marks every word of every text it
// holds: a text shown without the mark either does not go through tr() or is missing from the
// .ts files (run the update_translations target).

#include "app/about.h"
#include "support/translations.h"
#include "windowfixture.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTranslator>

namespace {

const QString mark = QStringLiteral("\u27e6");

QString tsFile(const QString &language)
{
    return fixtures::readFile(fixtures::sourcePath("translations/panelcraft_" + language + ".ts"));
}

// A message of a .ts file, as written there: source (1), comment (2), translation's attributes (3),
// translation (4), which for a count holds one <numerusform> per plural form.
const QRegularExpression
    message(R"(<source>(.*?)</source>\s*(<comment>.*?</comment>\s*)?<translation([^>]*)>(.*?)</translation>)",
            QRegularExpression::DotMatchesEverythingOption);
const QRegularExpression numerusForm(QStringLiteral("<numerusform>(.*?)</numerusform>"),
                                     QRegularExpression::DotMatchesEverythingOption);

struct Message
{
    QString context, source, comment, attributes;
    QStringList forms; // one, or one per plural form
};

QList<Message> messages(const QString &language)
{
    static const QRegularExpression context(R"(<context>\s*<name>(.*?)</name>(.*?)</context>)",
                                            QRegularExpression::DotMatchesEverythingOption);
    QList<Message> found;
    for (auto c = context.globalMatch(tsFile(language)); c.hasNext();) {
        const auto inContext = c.next();
        for (auto m = message.globalMatch(inContext.captured(2)); m.hasNext();) {
            const auto match = m.next();
            Message text{inContext.captured(1), match.captured(1), match.captured(2), match.captured(3), {}};
            for (auto f = numerusForm.globalMatch(match.captured(4)); f.hasNext();)
                text.forms << f.next().captured(1);
            if (text.forms.isEmpty())
                text.forms << match.captured(4);
            found << text;
        }
    }
    return found;
}

// The mark before every word outside (escaped) tags, entities and placeholders, so that a text
// shown in pieces or wrapped over lines carries it in each.
QString pseudo(const QString &source)
{
    static const QRegularExpression words(QStringLiteral("&lt;.*?&gt;|&\\w+;|%[\\dn]|(\\w+)"));
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
        const QString marked = pseudo(match.captured(1));
        const QString forms =
            match.captured(4).contains(QLatin1String("<numerusform>"))
                ? "<numerusform>" + marked + "</numerusform><numerusform>" + marked + "</numerusform>"
                : marked;
        ts.replace(match.captured(), "<source>" + match.captured(1) + "</source>" + match.captured(2) +
                                         "<translation>" + forms + "</translation>");
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
        QStringLiteral("<[^>]*>|&\\w+;|#[0-9a-fA-F]{3,8}\\b|[Pp]anelcraft(-cli)?|skin\\.zip"));
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
        const QList<Message> texts = messages(language);
        QVERIFY(texts.size() > 250 && texts.size() == tsFile(language).count("<source>"));
        const auto placeholders = [](const QString &text) {
            QStringList found;
            for (auto it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text); it.hasNext();)
                found << it.next().captured();
            found.sort();
            return found;
        };
        for (const Message &text : texts) {
            // A count (%n) needs a form for one and one for more in both languages.
            QVERIFY2(text.attributes.isEmpty() && (text.forms.size() > 1) == text.source.contains("%n"),
                     qPrintable(text.source));
            for (const QString &form : text.forms)
                QVERIFY2(!form.isEmpty() && placeholders(text.source) == placeholders(form),
                         qPrintable(text.source + " / " + form));
        }
    }

    // What a reader of the language notices at once, as a pattern no translation of a context may
    // match (or, for counts, no source written without %n).
    void typography_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("context"); // a pattern; empty: all
        QTest::addColumn<bool>("inSource");
        QTest::addColumn<QString>("pattern");
        // French puts a no-break space before a colon and inside guillemets, a narrow one before ; ? !
        // A list of the characters a name may not hold keeps them apart with ordinary spaces.
        QTest::newRow("French space before : ; ? !")
            << "fr" << QString() << false << "(?<! [^\\w\\s]) [:;?!]";
        QTest::newRow("French space inside guillemets") << "fr" << QString() << false << "« | »";
        // Room is short, but "But.Füll." makes a caption read like a code.
        QTest::newRow("German caption abbreviated") << "de"
                                                    << "stylekeys" << false << "[^\\W\\d]\\.";
        QTest::newRow("French caption abbreviated") << "fr"
                                                    << "stylekeys" << false << "[^\\W\\d]\\.";
        // The caption of the new skin's name says "Save as", in the words of the profile menu.
        QTest::newRow("German Save as caption") << "de"
                                                << "BuildBar" << false << "^Speichern(?! unter:$)";
        QTest::newRow("French Save as caption") << "fr"
                                                << "BuildBar" << false << "^Enregistrer(?! sous&#xa0;:$)";
        // A number before a plural noun ("%1 floating windows") reads wrong for one, in English and
        // in every translation, unless it is a %n with plural forms. Bounds ("more than 100
        // entries") and sizes stay plural; the verbs are not nouns.
        QTest::newRow("count without plural forms")
            << "de" << QString() << true
            << R"((?<!than |most |x |and )%\d (\w+ )?(?!is |was |has |holds )[a-z]+s\b)";
        // One word on several controls of the window reads differently in another language ("Par
        // défaut" or "Valeur par défaut"): each needs a comment saying what it stands for.
        QTest::newRow("bare word on several controls")
            << "fr"
            << "^(CreateSkinPanel|EditorPanel|MainWindow)$" << true << "^(Default|White)$";
    }
    void typography()
    {
        QFETCH(QString, language);
        QFETCH(QString, context);
        QFETCH(bool, inSource);
        QFETCH(QString, pattern);
        const QRegularExpression bad(pattern), inContext(context);
        // Markup and access-key marks are not what a reader sees.
        static const QRegularExpression tags(QStringLiteral("&lt;.*?&gt;|&amp;"));
        QStringList found;
        for (const Message &text : messages(language)) {
            if (!inContext.match(text.context).hasMatch())
                continue;
            for (QString form : inSource ? QStringList{text.source + text.comment} : text.forms)
                if (form.remove(tags).contains(bad))
                    found << form;
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }

    // Alt and a letter reaches one thing only, in every language, and every menu entry has one: the menus of
    // the menu bar with the controls of the form (both answer Alt there) and of the page shown, the entries
    // of one menu. Runs before any test below installs a translation, so English is the program's own.
    void mnemonicsReachOneThing_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "fr"})
            QTest::newRow(language) << language;
    }
    void mnemonicsReachOneThing()
    {
        QFETCH(QString, language);
        QTranslator translation;
        if (language != "en") {
            QVERIFY(translation.load("panelcraft_" + language, ":/translations"));
            QCoreApplication::installTranslator(&translation);
        }
        WindowFixture f;
        f.start();
        f.showEveryPage();
        f.showPreview();
        // Texts by where their letters count: "" for the form and the menu bar, else a page or menu.
        QMap<QString, QStringList> areas;
        for (const QAction *menu : f.window->menuBar()->actions())
            areas[""] << menu->text();
        // Every menu entry has a letter, and "…" says exactly where more is asked before it acts.
        const QStringList asking{"actionFind",
                                 "actionOpenProfile",
                                 "actionSaveAs",
                                 "actionStyleFromSkinWithAccent",
                                 "actionStyleFromScheme",
                                 "actionExportScheme"};
        QStringList unreachable;
        for (const QMenu *menu : f.window->findChildren<QMenu *>())
            for (const QAction *action : menu->actions()) {
                areas["menu " + menu->title()] << action->text();
                const bool dots = action->text().endsWith(QChar(0x2026)) &&
                                  !action->text().contains(QRegularExpression(QStringLiteral("\\s…|\\.\\.")));
                if (!action->isSeparator() && (QKeySequence::mnemonic(action->text()).isEmpty() ||
                                               dots != asking.contains(action->objectName())))
                    unreachable << action->text();
            }
        QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable.join('\n')));
        for (QWidget *widget : f.window->findChildren<QWidget *>()) {
            QString text;
            if (auto *button = qobject_cast<QAbstractButton *>(widget))
                text = button->text();
            else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
                text = label->text();
            QWidget *page = widget;
            while (page && !qobject_cast<QStackedWidget *>(page->parentWidget()))
                page = page->parentWidget();
            areas[page ? "page " + page->objectName() : ""] << text;
            if (widget->contextMenuPolicy() == Qt::ActionsContextMenu)
                for (const QAction *action : widget->actions())
                    areas["menu of " + widget->objectName()] << action->text();
        }
        QStringList clashes;
        for (auto area = areas.cbegin(); area != areas.cend(); ++area) {
            QStringList texts = area.value();
            if (area.key().startsWith("page "))
                texts += areas[""];
            QMap<QKeySequence, QString> reached;
            for (const QString &text : texts) {
                const QKeySequence keys = QKeySequence::mnemonic(text);
                if (!keys.isEmpty() && reached.contains(keys))
                    clashes << area.key() + ": " + reached[keys] + " / " + text;
                reached.insert(keys, text);
            }
        }
        QCoreApplication::removeTranslator(&translation);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join('\n')));
    }

    // main() below gives this program LANG=de_DE.UTF-8 and nothing else that names a language.
    void windowStartsInGerman()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows takes the user's language from its settings, not from the environment a test "
              "can set");
#endif
        QCOMPARE(loadTranslations(), QStringLiteral("de_DE"));
        WindowFixture f;
        f.start();
        QCOMPARE(f.find<QAbstractButton>("createSkinButton")->text(), QStringLiteral("Skin &erstellen"));
        QCOMPARE(f.find<QAbstractButton>("backgroundcolorReset")->text(), QStringLiteral("Standard"));
        QVERIFY(f.find<QWidget>("chooseSkinButton")
                    ->toolTip()
                    .startsWith(QStringLiteral("Das ist der erste Schritt")));
        // A row's name is its page and caption, each from where it is translated; numbers are
        // written as in German.
        Dialogs::setNextColor(QColor(0x2a2a2a)); // the stripes' colour
        f.click("listTextPick");
        QCOMPARE(f.find<QLabel>("listTextContrastSign")->toolTip(),
                 QStringLiteral("Kontrast 1,0:1 auf Listen › Streifen: im Browser schwer lesbar"));
        // Rows are found by the names shown, and by their English captions; the colour dialog and
        // the undo entry name them as shown.
        const QString selected = "Listen › " + QCoreApplication::translate("stylekeys", "Selected");
        auto *find = f.find<QLineEdit>("findColour");
        for (const QString &typed :
             {selected, QStringLiteral("selected"), QStringLiteral("Listen selected")}) {
            find->setText(typed);
            auto *results = f.find<QListWidget>("findResults");
            QVERIFY2(!results->findItems(selected + "   ", Qt::MatchStartsWith).isEmpty(), qPrintable(typed));
        }
        // The field's clear button fades in; Qt deletes the fading only when it has run its course.
        QTest::qWait(300);
        Dialogs::setNextColor(QColor(0x123456));
        f.click("listSelectedPick");
        QCOMPARE(Dialogs::requests().last().title, selected);
        QVERIFY(f.find<QAction>("actionUndo")->text().contains(selected));
        // The system's reason too: no one may create a file in /sys, root neither.
        Dialogs::setNextFileName(QStringLiteral("/sys/s.yaml"));
        f.trigger("actionExportScheme");
        QCOMPARE(Dialogs::requests().last().text,
                 QStringLiteral("Das Schema wurde nicht geschrieben.\nKeine Berechtigung"));
        // Qt's own texts, for the standard dialogs.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    void windowTextsAreTranslatable()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows gives a program its data folders from the user's profile, not from the "
              "environment a test can set");
#endif
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
    // for Esperanto. The window's program answers --help and --version and ends, without a window.
    void cliTextsAreTranslatable_data()
    {
        const QString cli = qEnvironmentVariable("PANELCRAFT_CLI");
        const QString window = QFileInfo(cli).dir().filePath("panelcraft");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("languages");
        QTest::newRow("help") << cli << QStringList{"--help"} << "eo";
        QTest::newRow("no skin") << cli << QStringList() << "eo";
        QTest::newRow("bad option value") << cli << QStringList{"skin.zip", "--icons", "purple"} << "eo";
        const QString notAZip = fixtures::sourcePath("README.md");
        QTest::newRow("builder's check") << cli << QStringList{notAZip, "--line-height", "0"} << "eo";
        QTest::newRow("builder's failure") << cli << QStringList{notAZip, "-o", "out.zip"} << "eo";
        // English has no file of its own: the next language must not take its place.
        QTest::newRow("English first") << cli << QStringList{"--help"} << "en:eo";
        QTest::newRow("window's help") << window << QStringList{"--help"} << "eo";
        QTest::newRow("window's version") << window << QStringList{"a.zip", "-v"} << "eo";
    }
    void cliTextsAreTranslatable()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows takes the user's language from its settings, not from the environment a test "
              "can set");
#endif
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, languages);
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANGUAGE", languages);
        cli.setProcessEnvironment(environment);
        cli.start(program, arguments);
        QVERIFY(cli.waitForFinished(20000));
        const QString output = cli.readAllStandardOutput() + cli.readAllStandardError();
        QVERIFY(!output.isEmpty());
        const QStringList qtOwn{"Usage:", "Options:", "Arguments:", "Displays version"};
        QStringList wrong; // lines not in the language asked for
        for (const QString &line : output.split('\n'))
            if (readable(line) && line.contains(mark) == languages.startsWith("en") &&
                std::none_of(qtOwn.begin(), qtOwn.end(),
                             [&](const QString &own) { return line.contains(own); }))
                wrong << line;
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
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
