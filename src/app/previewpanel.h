#pragma once

// The browser preview: its pages, styled from the editor's values as the chosen eyes would see
// them ("View as"). Its form is built the first time it is shown, so that start-up neither makes,
// styles nor polishes its pages.

#include "colour/colourvision.h"
#include "style/style.h"

#include <QHash>
#include <QObject>
#include <memory>

namespace Ui {
class MainWindow;
class Preview;
} // namespace Ui
class QTabWidget;
class QWidget;

// A vision's name, translated.
QString visionName(colourvision::Vision vision);

class PreviewPanel : public QObject
{
    Q_OBJECT

public:
    // `form` is the window's form: its `previewPlace` says where the pages go.
    PreviewPanel(Ui::MainWindow &form, QObject *parent);
    ~PreviewPanel() override;

    // The first time it is shown its pages are built into the window, fitted to the window's fonts,
    // then styled.
    void setShown(bool shown);
    // The editor's values; `stripesShown` says whether the lists draw alternate lines.
    void show(const Style &style, int lineHeight, bool stripesShown);

private:
    void buildPages();
    void setUpViewAs();
    void restyle();

    Ui::MainWindow &ui;
    std::unique_ptr<Ui::Preview> m_form; // null until first shown
    QTabWidget *m_pages = nullptr;
    QHash<QString, QWidget *> m_widgets; // by object name, for the style sheets
    Style m_style;
    int m_lineHeight = 100;
    bool m_stripesShown = true;
    colourvision::Vision m_viewAs = colourvision::Vision::Normal;
};
