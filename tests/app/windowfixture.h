// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A real MainWindow on temporary documents and program folders, with dialogs answered by the test.

#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "skinfixtures.h"
#include "style/contrast.h"
#include "style/stylekeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <memory>

// The contrast of the text drawn in `widget` as it shows on screen, measured as a reader sees it:
// the most frequent colour is the ground, and the text is the colour furthest from it that a few
// pixels (glyph cores, not one stray pixel) reach. The widget's edges, where a neighbour's frame
// may show, are left out.
inline double shownContrast(QWidget *widget)
{
    const QImage shot = widget->window()->grab().toImage().copy(
        QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size()).adjusted(2, 2, -2, -2));
    QHash<QRgb, int> counts;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ++counts[shot.pixel(x, y) | 0xff000000];
    const QRgb ground = std::max_element(counts.cbegin(), counts.cend()).key();
    QVector<QPair<double, int>> reached;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        reached.append({contrast::ratio(QColor(it.key()), QColor(ground)), it.value()});
    std::sort(reached.begin(), reached.end(), std::greater<>());
    int pixels = 0;
    for (const auto &[ratio, count] : reached)
        if ((pixels += count) >= 4)
            return ratio;
    return 1;
}

// How plainly `widget` shows its focus: of the pixels across its left edge at half its height,
// those the focus changes, the one that stands out most from the ground beside the widget (1 when
// the focus changes none). The focus is set as a program sets it, not by a key.
inline double focusContrast(QWidget *widget)
{
    const auto edge = [widget] {
        const QImage shot = widget->window()->grab().toImage();
        const QPoint at = widget->mapTo(widget->window(), QPoint(0, widget->height() / 2));
        return QVector<QColor>{shot.pixelColor(at - QPoint(2, 0)), shot.pixelColor(at),
                               shot.pixelColor(at + QPoint(1, 0)), shot.pixelColor(at + QPoint(2, 0))};
    };
    widget->clearFocus();
    const QVector<QColor> unfocused = edge();
    widget->setFocus();
    const QVector<QColor> focused = edge();
    double most = 1;
    for (int i = 1; i < focused.size(); ++i)
        if (focused[i] != unfocused[i])
            most = std::max(most, contrast::ratio(focused[i], focused[0]));
    return most;
}

class WindowFixture
{
public:
    QTemporaryDir documents;
    QTemporaryDir appDir; // the executable's folder
    QTemporaryDir config;
    std::unique_ptr<MainWindow> window;

    WindowFixture()
    {
        Dialogs::setTesting(true);
        Dialogs::clear();
    }

    MainWindow &start()
    {
        window = std::make_unique<MainWindow>(paths());
        return *window;
    }

    AppPaths paths() const { return {documents.path(), appDir.path(), config.path()}; }

    template <typename T = QWidget> T *find(const QString &name) const
    {
        T *object = window->findChild<T *>(name);
        if (!object) {
            showEveryPage();
            object = window->findChild<T *>(name);
        }
        if (!object)
            qWarning("no object named %s", qPrintable(name));
        return object;
    }

    // A settings page gets its rows when first shown: shows each, then the one shown before.
    void showEveryPage() const
    {
        auto *pages = window->findChild<QTabWidget *>(QStringLiteral("settingsPages"));
        const int shown = pages->currentIndex();
        for (int page = 0; page < pages->count(); ++page)
            pages->setCurrentIndex(page);
        pages->setCurrentIndex(shown);
    }

    // The title as shown: "[*]" becomes the modified mark or nothing.
    QString title() const
    {
        return window->windowTitle().replace(QStringLiteral("[*]"),
                                             window->isWindowModified() ? QStringLiteral("*") : QString());
    }

    // The label showing a colour row's value, found through the key table.
    QLabel *colourValue(const char *key) const
    {
        return find<QLabel>(
            stylekeys::widgetName(stylekeys::colourKey(QLatin1String(key)), stylekeys::RowPart::Value));
    }

    void click(const QString &buttonName) const { find<QAbstractButton>(buttonName)->click(); }
    // The preview's widgets join the window when it is first shown.
    void showPreview() const
    {
        if (!find<QAbstractButton>(QStringLiteral("showPreviewBox"))->isChecked())
            click(QStringLiteral("showPreviewBox"));
    }
    void trigger(const QString &actionName) const { find<QAction>(actionName)->trigger(); }
    // A menu action by its "action" name, else a button.
    void act(const QString &name) const { name.startsWith("action") ? trigger(name) : click(name); }
    // Acts and answers the file dialog it opens with `path` (empty: cancelled).
    void choose(const QString &opener, const QString &path) const
    {
        Dialogs::setNextFileName(path);
        act(opener);
        QTRY_VERIFY(!window->isBusy());
    }
    // Drops the file on the window; whether the window takes it.
    bool drop(const QString &path) const
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &dropped);
        return enter.isAccepted();
    }
    // Shown and active, as the keyboard and the clipboard need it.
    void showActive() const
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // The text of the last dialog of a kind, empty when there was none.
    static QString lastText(Dialogs::Kind kind)
    {
        const auto &requests = Dialogs::requests();
        const auto found =
            std::find_if(requests.crbegin(), requests.crend(),
                         [kind](const Dialogs::Request &request) { return request.kind == kind; });
        return found == requests.crend() ? QString() : found->text;
    }

    // Where an earlier version kept its settings, and where they are now.
    QString oldSettingsPath() const { return appDir.path() + QStringLiteral("/settings.dat"); }
    QString settingsPath() const { return config.path() + QStringLiteral("/settings.ini"); }
    QString profilesFolder() const { return documents.path() + QStringLiteral("/Panelcraft/projects"); }

    void writeOldSettings(const QByteArray &content) const
    {
        QVERIFY(fixtures::writeFile(oldSettingsPath(), content));
    }
};
