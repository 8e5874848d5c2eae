#include "editcommand.h"

EditCommand::EditCommand(Show show, EditorValues before, EditorValues after, const QString &text,
                         int mergeKey)
    : show(std::move(show)), before(std::move(before)), after(std::move(after)), mergeKey(mergeKey)
{
    setText(text);
}

bool EditCommand::mergeWith(const QUndoCommand *other)
{
    after = static_cast<const EditCommand *>(other)->after;
    return true;
}
