#include "inlineedit.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

class TypeOver : public QObject
{
public:
    TypeOver(QLabel *label, std::function<void(const QString &)> commit)
        : QObject(label), label(label), commit(std::move(commit))
    {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool open =
            event->type() == QEvent::MouseButtonDblClick ||
            (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F2);
        if (watched != label || !open)
            return false;
        openField();
        return true;
    }

private:
    void openField()
    {
        auto *field = new QLineEdit(label->text(), label->parentWidget());
        field->setObjectName(label->objectName() + QLatin1String("_typing"));
        field->setGeometry(label->geometry());
        field->selectAll();
        field->show();
        field->setFocus();
        // Enter hands the text on; Escape or losing focus only closes the field.
        auto *escape = new QAction(field);
        escape->setShortcut(Qt::Key_Escape);
        escape->setShortcutContext(Qt::WidgetShortcut);
        field->addAction(escape);
        connect(escape, &QAction::triggered, field, [field] { field->clearFocus(); });
        connect(field, &QLineEdit::returnPressed, this, [this, field] {
            const QString typed = field->text();
            field->deleteLater();
            field->hide();
            commit(typed);
        });
        connect(field, &QLineEdit::editingFinished, field, [field] {
            field->hide();
            field->deleteLater();
        });
    }

    QLabel *label;
    std::function<void(const QString &)> commit;
};

} // namespace

void makeTypable(QLabel *label, std::function<void(const QString &typed)> commit)
{
    new TypeOver(label, std::move(commit));
}
