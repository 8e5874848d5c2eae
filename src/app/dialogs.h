// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every modal dialog the window opens goes through here, so tests can answer them.
// In normal use each call opens the standard dialog, centred on the parent's window: Qt places it
// there once it knows its size (a box placed by hand before that ends up off centre). After
// Dialogs::testing() is switched on, no dialog is shown: calls take the next queued answer (a
// cancel when none is queued) and record what they were asked.

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QString>
#include <QVector>

class QDialog;
class QWidget;

namespace Dialogs {

// `alpha` shows the alpha channel, so that any opacity can be chosen.
QColor getColor(const QColor &initial, QWidget *parent, const QString &title, bool alpha = false);
// ok tells whether the user confirmed; on cancel the initial font comes back.
QFont getFont(bool *ok, const QFont &initial, QWidget *parent);
// The font dialog shows a stand-in for a font that is not installed, and returns the stand-in
// when confirmed without a change: that is no choice of the user's.
bool unchangedInFontDialog(const QFont &chosen, const QFont &initial);
QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
// A name typed without a suffix gets defaultSuffix, so the file shows under the dialog's filter.
QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                        const QString &defaultSuffix = QString());
QMessageBox::StandardButton information(QWidget *parent, const QString &title, const QString &text);
// An information box with OK and one more button, `offer`; true when that one was pressed.
// Tests answer QMessageBox::Open for it.
bool informationOffering(QWidget *parent, const QString &title, const QString &text, const QString &offer);
QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text);
// A question with a button named for what it does (`action`, "Replace") and Cancel; true when
// `action` was pressed. Tests answer QMessageBox::Yes for it.
bool confirm(QWidget *parent, const QString &title, const QString &text, const QString &action);
QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Yes |
                                                                            QMessageBox::No);
int exec(QDialog &dialog);

// --- for tests ---
enum class Kind { Color, Font, OpenFile, SaveFile, Information, Warning, Question, Dialog };

struct Request
{
    Kind kind;
    QString title; // caption or window title
    QString text;  // message text
    QString dir;
    QString filter;
    QColor initialColor;
    QFont initialFont;
    bool alphaShown = false; // a colour dialog with the alpha channel
};

// Unanswered questions are refused: Cancel where offered, else No.
void setTesting(bool on);
void setNextColor(const QColor &color);
void setNextFont(const QFont &font); // answered as confirmed
void setNextFileName(const QString &path);
void setNextAnswer(QMessageBox::StandardButton button);
const QVector<Request> &requests();
void clear(); // forgets queued answers and recorded requests

} // namespace Dialogs
