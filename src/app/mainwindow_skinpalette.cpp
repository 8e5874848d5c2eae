// The selected skin's palette: offered as the colour dialog's custom colours, and drawn into a
// whole style by "Style from Selected Skin".

#include "backgroundjob.h"
#include "colour/stylefrompalette.h"
#include "createskinpanel.h"
#include "dialogs.h"
#include "mainwindow.h"
#include "profilespanel.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QColorDialog>

void MainWindow::setUpSkinPalette()
{
    QAction *after = ui->actionSave;
    const std::pair<const char *, bool> actions[] = {{"actionStyle_from_Skin", false},
                                                     {"actionStyle_from_Skin_with_Accent", true}};
    for (const auto &[name, pickAccent] : actions) {
        auto *action = new QAction(pickAccent ? tr("Style from Selected Skin with Accent ...")
                                              : tr("Style from Selected Skin"),
                                   this);
        action->setObjectName(QLatin1String(name));
        ui->menuProfile->insertAction(after, action);
        connect(action, &QAction::triggered, this,
                [this, pickAccent = pickAccent] { styleFromSkin(pickAccent); });
    }
}

void MainWindow::readSkinPalette(const QString &path)
{
    const int request = ++m_paletteReading;
    m_paletteSwatches.clear();
    m_paletteSkin.clear();
    if (path.isEmpty()) {
        restoreCustomColours();
        return;
    }
    // A large skin takes a moment to read: the window stays usable meanwhile, and a reading
    // overtaken by the choice of another skin is dropped.
    runInBackground(
        this, [path] { return skinpalette::readSkin(path); },
        [this, path, request](const skinpalette::Result &result) {
            if (request == m_paletteReading)
                offerSkinPalette(path, result);
        });
}

void MainWindow::offerSkinPalette(const QString &path, const skinpalette::Result &result)
{
    // After a failure "Style from Selected Skin" reads again and says why.
    m_paletteSkin = result.error.isEmpty() ? path : QString();
    m_paletteSwatches = result.swatches;
    if (m_paletteSwatches.isEmpty()) {
        restoreCustomColours();
        return;
    }
    if (m_userCustomColours.isEmpty()) {
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            m_userCustomColours << QColorDialog::customColor(i).rgba();
    }
    // The skin's colours first, the user's own in the slots they leave.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(
            i, i < m_paletteSwatches.size()
                   ? m_paletteSwatches[i].colour
                   : QColor::fromRgba(m_userCustomColours[i - m_paletteSwatches.size()]));
}

void MainWindow::restoreCustomColours()
{
    for (int i = 0; i < m_userCustomColours.size(); ++i)
        QColorDialog::setCustomColor(i, QColor::fromRgba(m_userCustomColours[i]));
    m_userCustomColours.clear();
}

void MainWindow::styleFromSkin(bool pickAccent)
{
    if (m_createSkin->selectedSkin().isEmpty()) {
        Dialogs::warning(this, programName, tr("Select a skin with the Browse button first."));
        return;
    }
    if (!m_profiles->askToKeepEdits(tr("Save them before a style is drawn from the skin?")))
        return;
    std::optional<QColor> accent;
    if (pickAccent) {
        const QColor picked = Dialogs::getColor(m_style.colour(QStringLiteral("list_selected")), this,
                                                tr("Accent for the Style"));
        if (!picked.isValid())
            return;
        accent = picked;
    }
    if (m_paletteSkin == m_createSkin->selectedSkin()) {
        applyStyleFromPalette(accent);
        return;
    }
    // The palette is still being read (or could not be): read it now, as a job.
    const int request = ++m_paletteReading;
    m_createSkin->startJob(
        tr("Reading the skin's colours ..."),
        runInBackground(
            this, [path = m_createSkin->selectedSkin()] { return skinpalette::readSkin(path); },
            [this, accent, request, path = m_createSkin->selectedSkin()](const skinpalette::Result &result) {
                m_createSkin->finishJob();
                ui->statuslabel->clear();
                if (request != m_paletteReading)
                    return;
                if (!result.error.isEmpty()) {
                    Dialogs::warning(this, programName, result.error);
                    return;
                }
                offerSkinPalette(path, result);
                applyStyleFromPalette(accent);
            }));
}

void MainWindow::applyStyleFromPalette(const std::optional<QColor> &accent)
{
    const EditorValues after{stylefrompalette::generate(m_paletteSwatches, accent, m_style), m_lineHeight};
    pushEdit(editorValues(), after, tr("Style from skin"));
}
