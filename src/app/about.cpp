// SPDX-License-Identifier: GPL-3.0-or-later
#include "about.h"

#include "dialogs.h"
#include "theme.h"
#include "ui_about.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QPushButton>

namespace {

// The dialog keeps its black look whatever theme the main window wears: its sheet is its own.
// Its layout gives each text the room its language needs.
QString aboutStyleSheet()
{
    return QStringLiteral("#About {border:1px solid white; background-color: black; }"
                          "QLabel {color: white; background-color:transparent;}"
                          // Its message boxes inherit the white labels: give them the dark ground.
                          "QMessageBox {background-color: black;}"
                          "#topDivider, #bottomDivider {background-color:rgb(90,90,90);}") +
           buttonRules();
}

} // namespace

About::About(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::About>())
{
    ui->setupUi(this);
    ui->versionLabel->setText(ui->versionLabel->text().arg(QCoreApplication::applicationVersion()));
    const std::pair<QPushButton *, QUrl> links[] = {
        {ui->updatesButton, aboutlinks::updates},
        {ui->supportButton, aboutlinks::support},
        {ui->websiteButton, aboutlinks::website},
    };
    for (const auto &[button, url] : links)
        connect(button, &QPushButton::clicked, this, [this, url = url] { openLink(url); });
    connect(ui->closeButton, &QPushButton::clicked, this, &About::closeDialog);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setStyleSheet(aboutStyleSheet());
}

About::~About() = default;

void About::openLink(const QUrl &url)
{
    if (!QDesktopServices::openUrl(url))
        Dialogs::warning(this, windowTitle(),
                         tr("No web browser could open %1.\nYou can copy the address into one yourself.")
                             .arg(url.toString()));
}

void About::closeDialog()
{
    // Close first: a widget whose native window is already gone cannot hide, and would go on
    // claiming to be visible after exec has returned.
    close();
    destroy(true, true);
}
