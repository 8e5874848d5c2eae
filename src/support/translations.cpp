// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

namespace {

QStringList translationFolders()
{
    QStringList folders =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("panelcraft/translations"), QStandardPaths::LocateDirectory);
    folders << QStringLiteral(":/translations");
    return folders;
}

bool loadFrom(QTranslator &translator, const QString &name, const QStringList &folders)
{
    for (const QString &folder : folders)
        if (translator.load(name, folder))
            return true;
    return false;
}

} // namespace

QString loadTranslations()
{
    // Static, so a second call replaces what the first installed rather than adding to it.
    static QTranslator own;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    const QStringList folders = translationFolders();
    // Walked by hand: QTranslator::load(QLocale) would pass over English, which has no file,
    // and take the user's second choice instead.
    for (const QString &language : QLocale::system().uiLanguages()) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English)
            return {};
        // "de_DE" is looked for as panelcraft_de_DE.qm, then panelcraft_de.qm.
        if (loadFrom(own, QStringLiteral("panelcraft_") + locale.name(), folders)) {
            QCoreApplication::installTranslator(&own);
            // Numbers and units in the messages then read as the language around them does,
            // even where the user's number format names another language.
            QLocale::setDefault(locale);
            if (qt.load(QStringLiteral("qtbase_") + locale.name(),
                        QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&qt);
            return locale.name();
        }
    }
    return {};
}
