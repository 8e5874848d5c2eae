// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The browser preview: its pages, styled from the document's values as the chosen eyes would see
// them ("View as"). Its form is built the first time it is shown, so that start-up neither makes,
// styles nor polishes its pages.

#include "colour/colourvision.h"

#include <QHash>
#include <QWidget>
#include <memory>

namespace Ui {
class Preview;
}
class QTabWidget;
class StyleDocument;

class PreviewPanel : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewPanel(const StyleDocument &document, QWidget *parent = nullptr);
    ~PreviewPanel() override;

    // The first time it is shown its pages are built, fitted to the window's fonts, then styled.
    void setShown(bool shown);

private:
    void buildPages();
    void setUpViewAs();
    void restyle();

    std::unique_ptr<Ui::Preview> m_form; // null until first shown
    QTabWidget *m_pages = nullptr;
    QHash<QString, QWidget *> m_widgets; // by object name, for the style sheets
    const StyleDocument &m_document;
    colourvision::Vision m_viewAs = colourvision::Vision::Normal;
};
