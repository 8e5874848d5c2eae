// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include "longwords.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QPushButton>
#include <QQueue>
#include <QScreen>
#include <algorithm>

namespace Dialogs {
namespace {

struct Answers
{
    bool testing = false;
    QQueue<QColor> colors;
    QQueue<QFont> fonts;
    QQueue<QString> files;
    QQueue<QMessageBox::StandardButton> buttons;
    QVector<Request> requests;
};

Answers &answers()
{
    static Answers a;
    return a;
}

template <typename T> T take(QQueue<T> &queue, const T &cancelled)
{
    return queue.isEmpty() ? cancelled : queue.dequeue();
}

void record(Kind kind, const QString &title, const QString &text = {}, const QString &dir = {},
            const QString &filter = {}, const QColor &color = {}, const QFont &font = {})
{
    answers().requests.append({kind, title, text, dir, filter, color, font});
}

// A long file name or path would make a box as wide as the screen, and on a small screen run off
// it: such a name is shortened in its middle, and the whole text is under "Show Details".
void keepWithinScreen(QMessageBox &box)
{
    const QString text = box.text();
    const int room = std::min(box.screen()->availableGeometry().width() / 2, 480);
    const QString fitting = shortenLongWords(text, box.fontMetrics(), room);
    if (fitting == text)
        return;
    box.setText(fitting);
    box.setDetailedText(text);
}

QMessageBox::StandardButton message(Kind kind, QWidget *parent, const QString &title, const QString &text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok)
{
    if (answers().testing) {
        record(kind, title, text);
        const auto refusal = buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
        return take(answers().buttons, kind == Kind::Question ? refusal : QMessageBox::Ok);
    }
    const QMessageBox::Icon icon = kind == Kind::Question  ? QMessageBox::Question
                                   : kind == Kind::Warning ? QMessageBox::Warning
                                                           : QMessageBox::Information;
    QMessageBox box(icon, title, text, buttons, parent);
    keepWithinScreen(box);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

QColor getColor(const QColor &initial, QWidget *parent, const QString &title, bool alpha)
{
    if (answers().testing) {
        record(Kind::Color, title, {}, {}, {}, initial);
        answers().requests.last().alphaShown = alpha;
        return take(answers().colors, QColor());
    }
    return QColorDialog::getColor(
        initial, parent, title, alpha ? QColorDialog::ShowAlphaChannel : QColorDialog::ColorDialogOptions());
}

QFont getFont(bool *ok, const QFont &initial, QWidget *parent)
{
    if (answers().testing) {
        record(Kind::Font, {}, {}, {}, {}, {}, initial);
        *ok = !answers().fonts.isEmpty();
        return take(answers().fonts, initial);
    }
    return QFontDialog::getFont(ok, initial, parent);
}

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (answers().testing) {
        record(Kind::OpenFile, caption, {}, dir, filter);
        return take(answers().files, QString());
    }
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                        const QString &defaultSuffix)
{
    if (answers().testing) {
        record(Kind::SaveFile, caption, {}, dir, filter);
        // Answered as the dialog would: its default suffix completes a bare name.
        const QString path = take(answers().files, QString());
        const bool bare = !path.isEmpty() && QFileInfo(path).suffix().isEmpty() && !defaultSuffix.isEmpty();
        return bare ? path + QLatin1Char('.') + defaultSuffix : path;
    }
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QMessageBox::StandardButton information(QWidget *parent, const QString &title, const QString &text)
{
    return message(Kind::Information, parent, title, text);
}

bool informationOffering(QWidget *parent, const QString &title, const QString &text, const QString &offer)
{
    if (answers().testing)
        return message(Kind::Information, parent, title, text) == QMessageBox::Open;
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    const QAbstractButton *offered = box.addButton(offer, QMessageBox::ActionRole);
    keepWithinScreen(box);
    box.exec();
    return box.clickedButton() == offered;
}

QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text)
{
    return message(Kind::Warning, parent, title, text);
}

bool confirm(QWidget *parent, const QString &title, const QString &text, const QString &action)
{
    if (answers().testing)
        return message(Kind::Question, parent, title, text, QMessageBox::Yes | QMessageBox::Cancel) ==
               QMessageBox::Yes;
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Cancel, parent);
    const QAbstractButton *confirmed = box.addButton(action, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    keepWithinScreen(box);
    box.exec();
    return box.clickedButton() == confirmed;
}

QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons)
{
    return message(Kind::Question, parent, title, text, buttons);
}

int exec(QDialog &dialog)
{
    if (answers().testing) {
        record(Kind::Dialog, dialog.windowTitle());
        return QDialog::Rejected;
    }
    return dialog.exec();
}

void setTesting(bool on)
{
    answers().testing = on;
}
void setNextColor(const QColor &color)
{
    answers().colors.enqueue(color);
}
void setNextFont(const QFont &font)
{
    answers().fonts.enqueue(font);
}
void setNextFileName(const QString &path)
{
    answers().files.enqueue(path);
}
void setNextAnswer(QMessageBox::StandardButton button)
{
    answers().buttons.enqueue(button);
}
const QVector<Request> &requests()
{
    return answers().requests;
}

void clear()
{
    const bool testing = answers().testing;
    answers() = Answers();
    answers().testing = testing;
}

bool unchangedInFontDialog(const QFont &chosen, const QFont &initial)
{
    const QFontInfo shown(initial);
    const QFontInfo confirmed(chosen);
    return confirmed.family() == shown.family() && confirmed.pointSize() == shown.pointSize() &&
           confirmed.weight() == shown.weight() && confirmed.italic() == shown.italic();
}

} // namespace Dialogs
