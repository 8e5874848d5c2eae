// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The "Create Skin" part of the window: the skin to modify and the skins icons and windows come
// from, the options read into SkinBuildOptions, the build on a worker, its progress and the status
// line. Two forms: the option rows (the panel itself) and the band below the editor with the new
// skin's name, "Create Skin" and the status (buildBar). The style and line height come from the
// document, never from the editor's widgets.

#include "theme.h"

#include <QHash>
#include <QMap>
#include <QPointer>
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>

namespace Ui {
class CreateSkinPanel;
class BuildBar;
} // namespace Ui
class GlobalFontRow;
class QFutureWatcherBase;
class QTimer;
class StyleDocument;
struct BuildResult;
struct SkinBuildOptions;
enum class BuildStep;

class CreateSkinPanel : public QWidget
{
    Q_OBJECT

public:
    CreateSkinPanel(const QString &documentsFolder, const StyleDocument &document, QWidget *parent = nullptr);
    ~CreateSkinPanel() override;

    // The band with the name, "Create Skin" and the status; the window places it below the editor.
    QWidget *buildBar() const { return m_bar; }
    // Whether the skin takes the document's colours and fonts ("Change Browser Colors and Fonts").
    void setChangeColours(bool change) { m_changeColours = change; }

    QString selectedSkin() const { return m_selectedSkin; }
    QString globalFontName() const;
    // The folder each skin dialog last chose from ("skin", "icons", "windows"), kept in the settings.
    QMap<QString, QString> dialogFolders() const { return m_dialogFolders; }
    void setDialogFolders(const QMap<QString, QString> &folders) { m_dialogFolders = folders; }
    void setTheme(ThemeChoice theme);

    // Background work (a build, a scan, reading a skin's colours): while it runs, nothing that
    // would start more work can be used. Other parts start their own reading through startJob.
    bool isBusy() const { return m_job != nullptr; }
    void startJob(const QString &status, QFutureWatcherBase *job);
    void finishJob();
    // False while a job runs: a build is stopped, and the window closes once the job has ended.
    bool closeWhenIdle();

    // The status line beside "Create Skin": every text fits, and a passing remark goes by itself.
    enum class StatusLasts { UntilReplaced, FewSeconds };
    void showStatus(const QString &text, StatusLasts lasts = StatusLasts::UntilReplaced);

    // The skin "Create Skin" modifies, and the name suggested for the new one.
    void selectSkin(const QString &path);

signals:
    void skinSelected(const QString &path);
    void dialogFoldersChanged(); // a skin dialog chose from another folder
    void busyChanged(bool busy);

private:
    void chooseSkin();
    void createSkin();
    void stopBuild(); // "Stop" or Escape: nothing is written and the work folder goes
    std::optional<SkinBuildOptions> buildOptions(QString *problem) const;
    void showBuildStep(BuildStep step, const QString &file);
    void showBuildResult(const BuildResult &result, const QString &skinName);
    QString dialogFolder(const QString &dialog) const;
    QString chooseSkinFile(const QString &dialog, const QString &caption);
    void builtInIconsChosen();
    void otherSkinIconsChosen();
    void chooseIconSkin();
    void floatingBrowserToggled(bool on);
    void windowsToggled();
    void chooseWindowSkin();
    void showWindowScan(const QString &error, const QStringList &names);
    void greyLabel(QWidget *label, bool greyed);

    std::unique_ptr<Ui::CreateSkinPanel> ui;
    std::unique_ptr<Ui::BuildBar> m_barForm;
    QPointer<QWidget> m_bar; // placed by the window, and so owned by it once placed
    QString m_documentsFolder;
    bool m_changeColours = true;
    const StyleDocument &m_document;
    ThemeChoice m_theme = ThemeChoice::Dark;

    QString m_selectedSkin; // the skin archive "Create Skin" modifies
    QString m_iconSkin;     // last chosen icon source, and whether it declares custom icons
    bool m_customIconsFound = false;
    QString m_windowSkin; // last chosen window source and whether floating windows were found in it
    bool m_windowsFound = false;
    GlobalFontRow *m_globalFont;
    QMap<QString, QString> m_dialogFolders;

    QTimer *m_statusTimer; // clears a passing status text
    QFutureWatcherBase *m_job = nullptr;
    std::shared_ptr<std::atomic_bool> m_stopRequest; // the running build's, shared with its worker
    QHash<QWidget *, bool> m_enabledBeforeJob;
    bool m_closeWhenDone = false;
};
