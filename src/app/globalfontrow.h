#pragma once

// The "Global font" row of "Create Skin": whether the skin's own fonts are replaced, by which
// family (chosen in the font dialog) and at which size.

#include <QFont>
#include <QObject>

namespace Ui {
class MainWindow;
}
class QWidget;

class GlobalFontRow : public QObject
{
    Q_OBJECT

public:
    // `form` is the window's form: the row works on its own widgets in it only.
    GlobalFontRow(Ui::MainWindow &form, QWidget *window);

    // The family chosen, empty until one is.
    QString name() const { return m_name; }
    void setTheme(int themenumber) { m_theme = themenumber; }

private:
    void choose();
    void toggled();

    Ui::MainWindow &ui;
    QWidget *m_window;
    int m_theme = 0;
    QFont m_font;
    QString m_name;
};
