// The selected skin's palette: offered as the colour dialog's custom colours, and drawn into a
// whole style by "Style from Selected Skin".

#include "backgroundjob.h"
#include "colour/stylefrompalette.h"
#include "createskinpanel.h"
#include "dialogs.h"
#include "mainwindow.h"
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
    const int request = ++palettereading;
    paletteswatches.clear();
    paletteskinfile.clear();
    if (path.isEmpty()) {
        restoreCustomColours();
        return;
    }
    // A large skin takes a moment to read: the window stays usable meanwhile, and a reading
    // overtaken by the choice of another skin is dropped.
    runInBackground(
        this, [path] { return skinpalette::readSkin(path); },
        [this, path, request](const skinpalette::Result &result) {
            if (request == palettereading)
                offerSkinPalette(path, result);
        });
}

void MainWindow::offerSkinPalette(const QString &path, const skinpalette::Result &result)
{
    // After a failure "Style from Selected Skin" reads again and says why.
    paletteskinfile = result.error.isEmpty() ? path : QString();
    paletteswatches = result.swatches;
    if (paletteswatches.isEmpty()) {
        restoreCustomColours();
        return;
    }
    if (usercustomcolours.isEmpty()) {
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            usercustomcolours << QColorDialog::customColor(i).rgba();
    }
    // The skin's colours first, the user's own in the slots they leave.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(
            i, i < paletteswatches.size() ? paletteswatches[i].colour
                                          : QColor::fromRgba(usercustomcolours[i - paletteswatches.size()]));
}

void MainWindow::restoreCustomColours()
{
    for (int i = 0; i < usercustomcolours.size(); ++i)
        QColorDialog::setCustomColor(i, QColor::fromRgba(usercustomcolours[i]));
    usercustomcolours.clear();
}

void MainWindow::styleFromSkin(bool pickAccent)
{
    if (createSkin->selectedSkin().isEmpty()) {
        Dialogs::warning(this, programName, tr("Select a skin with the Browse button first."));
        return;
    }
    if (!askToKeepEdits(tr("Save them before a style is drawn from the skin?")))
        return;
    std::optional<QColor> accent;
    if (pickAccent) {
        const QColor picked = Dialogs::getColor(style.colour(QStringLiteral("list_selected")), this,
                                                tr("Accent for the Style"));
        if (!picked.isValid())
            return;
        accent = picked;
    }
    if (paletteskinfile == createSkin->selectedSkin()) {
        applyStyleFromPalette(accent);
        return;
    }
    // The palette is still being read (or could not be): read it now, as a job.
    const int request = ++palettereading;
    createSkin->startJob(
        tr("Reading the skin's colours ..."),
        runInBackground(
            this, [path = createSkin->selectedSkin()] { return skinpalette::readSkin(path); },
            [this, accent, request, path = createSkin->selectedSkin()](const skinpalette::Result &result) {
                createSkin->finishJob();
                ui->statuslabel->clear();
                if (request != palettereading)
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
    const EditorValues after{stylefrompalette::generate(paletteswatches, accent, style), lineheight};
    pushEdit(editorValues(), after, tr("Style from skin"));
}
