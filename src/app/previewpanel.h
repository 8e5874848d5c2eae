#pragma once

// The browser preview: its pages, styled from the document's values as the chosen eyes would see
// them ("View as"). Its form is built the first time it is shown, so that start-up neither makes,
// styles nor polishes its pages.

#include "colour/colourvision.h"

#include <QHash>
#include <QObject>
#include <memory>

namespace Ui {
class MainWindow;
class Preview;
} // namespace Ui
class QTabWidget;
class QWidget;
class StyleDocument;

// A vision's name, translated.
QString visionName(colourvision::Vision vision);

class PreviewPanel : public QObject
{
    Q_OBJECT

public:
    // `form` is the window's form: its `previewPlace` says where the pages go.
    PreviewPanel(Ui::MainWindow &form, const StyleDocument &document, QObject *parent);
    ~PreviewPanel() override;

    // The first time it is shown its pages are built into the window, fitted to the window's fonts,
    // then styled.
    void setShown(bool shown);

private:
    void buildPages();
    void setUpViewAs();
    void restyle();

    Ui::MainWindow &ui;
    std::unique_ptr<Ui::Preview> m_form; // null until first shown
    QTabWidget *m_pages = nullptr;
    QHash<QString, QWidget *> m_widgets; // by object name, for the style sheets
    const StyleDocument &m_document;
    colourvision::Vision m_viewAs = colourvision::Vision::Normal;
};
