// SPDX-License-Identifier: GPL-3.0-or-later
#include "skinstyles.h"

#include "apppaths.h"
#include "backgroundjob.h"
#include "colour/stylefrompalette.h"
#include "dialogs.h"
#include "profilespanel.h"
#include "skin/layout/browserblockreader.h"
#include "style/lineheight.h"
#include "styledocument.h"

#include <QAction>
#include <QColorDialog>
#include <QFutureWatcherBase>
#include <QMenu>

SkinStyles::SkinStyles(QWidget *window, ProfilesPanel &profiles, StyleDocument &document)
    : QObject(window), m_window(window), m_profiles(profiles), m_document(document)
{
    auto *colours = new QAction(tr("&Colours from Selected Skin"), this);
    colours->setObjectName(QStringLiteral("actionColoursFromSkin"));
    connect(colours, &QAction::triggered, this, &SkinStyles::takeColoursFromSkin);
    m_actions << colours;
    const std::pair<const char *, bool> actions[] = {{"actionStyleFromSkin", false},
                                                     {"actionStyleFromSkinWithAccent", true}};
    for (const auto &[name, pickAccent] : actions) {
        // The accent is picked in the colour dialog first.
        auto *action = new QAction(pickAccent ? tr("Style from Selected Skin &with Accent…")
                                              : tr("S&tyle from Selected Skin"),
                                   this);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this,
                [this, pickAccent = pickAccent] { styleFromSkin(pickAccent); });
        m_actions << action;
    }
}

SkinStyles::~SkinStyles()
{
    // The colour dialog keeps its custom colours as the user's when the program ends.
    restoreCustomColours();
}

void SkinStyles::takeColoursFromSkin()
{
    if (m_selectedSkin.isEmpty()) {
        Dialogs::warning(m_window, programName, tr("Select a skin with the Browse button first."));
        return;
    }
    if (!m_profiles.askToKeepEdits(ProfilesPanel::beforeReplacing()))
        return;
    // Unpacking a large skin takes a while: read it off the GUI thread, like a build.
    struct Reading
    {
        QString error;
        browserblock::ReadValues read;
    };
    emit jobStarted(tr("Reading the skin's colours ..."),
                    runInBackground(
                        this,
                        [path = m_selectedSkin] {
                            const Result<browserblock::ReadValues> read = browserblock::readSkinBlock(path);
                            return read ? Reading{QString(), *read} : Reading{read.error(), {}};
                        },
                        [this](const Reading &reading) {
                            emit jobFinished();
                            if (!reading.error.isEmpty()) {
                                Dialogs::warning(m_window, programName, reading.error);
                                return;
                            }
                            // What the block lacks comes from the active table; a block without a line
                            // height has the host's own.
                            const EditorValues after{
                                browserblock::applyBlock(reading.read, tablefile::derive(m_document.table())),
                                reading.read.lineHeight > 0 ? reading.read.lineHeight : lineheight::standard};
                            m_document.edit(after, tr("Colours from skin"));
                        }));
}

void SkinStyles::readPalette(const QString &path)
{
    m_selectedSkin = path;
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
                offerPalette(path, result);
        });
}

void SkinStyles::offerPalette(const QString &path, const skinpalette::Result &result)
{
    // After a failure "Style from Selected Skin" reads again and says why.
    m_paletteSkin = result.error.isEmpty() ? path : QString();
    m_paletteSwatches = result.swatches;
    if (m_paletteSwatches.isEmpty()) {
        restoreCustomColours();
        return;
    }
    QVector<QColor> colours;
    for (const skinpalette::Swatch &swatch : qAsConst(m_paletteSwatches))
        colours << swatch.colour;
    offerColours(colours);
}

void SkinStyles::offerColours(const QVector<QColor> &colours)
{
    if (m_userCustomColours.isEmpty()) {
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            m_userCustomColours << QColorDialog::customColor(i).rgba();
    }
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(
            i, i < colours.size() ? colours[i] : QColor::fromRgba(m_userCustomColours[i - colours.size()]));
}

void SkinStyles::restoreCustomColours()
{
    for (int i = 0; i < m_userCustomColours.size(); ++i)
        QColorDialog::setCustomColor(i, QColor::fromRgba(m_userCustomColours[i]));
    m_userCustomColours.clear();
}

void SkinStyles::styleFromSkin(bool pickAccent)
{
    if (m_selectedSkin.isEmpty()) {
        Dialogs::warning(m_window, programName, tr("Select a skin with the Browse button first."));
        return;
    }
    if (!m_profiles.askToKeepEdits(tr("Save them before a style is drawn from the skin?")))
        return;
    std::optional<QColor> accent;
    if (pickAccent) {
        const QColor picked = Dialogs::getColor(m_document.style().colour(QStringLiteral("list_selected")),
                                                m_window, tr("Accent for the Style"));
        if (!picked.isValid())
            return;
        accent = picked;
    }
    if (m_paletteSkin == m_selectedSkin) {
        applyStyleFromPalette(accent);
        return;
    }
    // The palette is still being read (or could not be): read it now, as a job.
    const int request = ++m_paletteReading;
    emit jobStarted(tr("Reading the skin's colours ..."),
                    runInBackground(
                        this, [path = m_selectedSkin] { return skinpalette::readSkin(path); },
                        [this, accent, request, path = m_selectedSkin](const skinpalette::Result &result) {
                            emit jobFinished();
                            if (request != m_paletteReading)
                                return;
                            if (!result.error.isEmpty()) {
                                Dialogs::warning(m_window, programName, result.error);
                                return;
                            }
                            offerPalette(path, result);
                            applyStyleFromPalette(accent);
                        }));
}

void SkinStyles::applyStyleFromPalette(const std::optional<QColor> &accent)
{
    const EditorValues before = m_document.values();
    const EditorValues after{stylefrompalette::generate(m_paletteSwatches, accent, before.style),
                             before.lineHeight};
    m_document.edit(after, tr("Style from skin"));
}
