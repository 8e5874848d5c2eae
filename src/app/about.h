// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About dialog: name, version, three links to the add-on's web pages and "Close".

#include <QDialog>
#include <QUrl>
#include <memory>

namespace Ui {
class About;
}

// Where the About dialog's buttons lead. The add-on has no pages of its own yet; these stand in
// under a reserved domain, so a click can never reach a stranger's site.
namespace aboutlinks {
inline const QUrl updates(QStringLiteral("https://turnwise.example/addons/panelcraft"));
inline const QUrl support(QStringLiteral("https://turnwise.example/forum/panelcraft"));
inline const QUrl website(QStringLiteral("https://turnwise.example"));
} // namespace aboutlinks

class About : public QDialog
{
    Q_OBJECT

public:
    explicit About(QWidget *parent = nullptr);
    ~About() override;

private:
    void closeDialog();
    void openLink(const QUrl &url);

    std::unique_ptr<Ui::About> ui;
};
