#include "about.h"

#include "dialogs.h"
#include "textfit.h"
#include "theme.h"
#include "ui_about.h"

#include <QCoreApplication>
#include <QDesktopServices>

namespace {

// The dialog keeps its black look whatever theme the main window wears: it has no parent, and
// its sheet is its own.
QString aboutStyleSheet()
{
    return QStringLiteral("#About {border:1px solid white; background-color: black; }"
                          "QLabel {color: white; background-color:transparent;}"
                          // Its message boxes inherit the white labels: give them the dark ground.
                          "QMessageBox {background-color: black;}"
                          "#line,#line_2 {background-color:rgb(90,90,90);}") +
           buttonRules();
}

} // namespace

About::About(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::About>())
{
    ui->setupUi(this);
    ui->label_2->setText(ui->label_2->text().arg(QCoreApplication::applicationVersion()));
    fitFormTexts(this);
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

void About::on_pushButton_clicked()
{
    openLink(aboutlinks::updates);
}

void About::on_pushButton_2_clicked()
{
    openLink(aboutlinks::support);
}

void About::on_pushButton_3_clicked()
{
    openLink(aboutlinks::website);
}

void About::on_pushButton_4_clicked()
{
    // Close first: a widget whose native window is already gone cannot hide, and would go on
    // claiming to be visible after exec has returned.
    close();
    destroy(true, true);
}
