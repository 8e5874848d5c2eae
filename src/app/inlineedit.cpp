// SPDX-License-Identifier: GPL-3.0-or-later
#include "inlineedit.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace {

class TypeOver : public QObject
{
public:
    TypeOver(QLabel *typedOver, std::function<void(const QString &)> whenTyped)
        : QObject(typedOver), label(typedOver), commit(std::move(whenTyped))
    {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != label || event->type() != QEvent::MouseButtonDblClick)
            return false;
        openField();
        return true;
    }

    void openField()
    {
        // Focus goes back where it was (the row, when opened from the keyboard) once the field closes.
        const QPointer<QWidget> before = QApplication::focusWidget();
        auto *field = new QLineEdit(label->text(), label->parentWidget());
        field->setObjectName(label->objectName() + QLatin1String("Typing"));
        field->setGeometry(label->geometry());
        field->selectAll();
        field->show();
        field->setFocus();
        // Enter hands the text on; Escape or losing focus only closes the field.
        auto *escape = new QAction(field);
        escape->setShortcut(Qt::Key_Escape);
        escape->setShortcutContext(Qt::WidgetShortcut);
        field->addAction(escape);
        const auto drop = [field] {
            field->hide();
            field->deleteLater();
        };
        // Focus taken elsewhere stays there; Enter or Escape give it back.
        const auto close = [field, before, drop] {
            if (before && field->hasFocus())
                before->setFocus();
            drop();
        };
        connect(escape, &QAction::triggered, field, close);
        connect(field, &QLineEdit::returnPressed, this, [this, field, close] {
            const QString typed = field->text();
            close();
            commit(typed);
        });
        connect(field, &QLineEdit::editingFinished, field, drop);
    }

private:
    QLabel *label;
    std::function<void(const QString &)> commit;
};

} // namespace

std::function<void()> makeTypable(QLabel *label, std::function<void(const QString &typed)> commit)
{
    auto *typeOver = new TypeOver(label, std::move(commit));
    return [typeOver] { typeOver->openField(); };
}
