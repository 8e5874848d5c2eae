#pragma once

// The browser preview: its pages, styled from the editor's values as the chosen eyes would see
// them ("View as"). It stays out of the window until first shown, so that start-up neither styles
// nor polishes its pages.

#include "colour/colourvision.h"
#include "style/style.h"

#include <QHash>
#include <QObject>
#include <memory>

namespace Ui {
class MainWindow;
}
class QWidget;

// A vision's name, translated.
QString visionName(colourvision::Vision vision);

class PreviewPanel : public QObject
{
    Q_OBJECT

public:
    // `form` is the window's form: the panel works on the preview's pages in it only.
    PreviewPanel(Ui::MainWindow &form, QObject *parent);
    ~PreviewPanel() override;

    // The first time it is shown it joins the window: fitted to the window's fonts, then styled.
    void setShown(bool shown);
    // The editor's values; `stripesShown` says whether the lists draw alternate lines.
    void show(const Style &style, int lineHeight, bool stripesShown);

private:
    void setUpViewAs();
    void restyle();

    Ui::MainWindow &ui;
    std::unique_ptr<QWidget> m_aside;    // the pages until they are first shown
    QHash<QString, QWidget *> m_widgets; // by object name, for the style sheets
    Style m_style;
    int m_lineHeight = 100;
    bool m_stripesShown = true;
    colourvision::Vision m_viewAs = colourvision::Vision::Normal;
};
