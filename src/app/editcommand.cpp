// SPDX-License-Identifier: GPL-3.0-or-later
#include "editcommand.h"

EditCommand::EditCommand(Show shower, EditorValues from, EditorValues to, const QString &text, int key)
    : show(std::move(shower)), before(std::move(from)), after(std::move(to)), mergeKey(key)
{
    setText(text);
}

bool EditCommand::mergeWith(const QUndoCommand *other)
{
    after = static_cast<const EditCommand *>(other)->after;
    return true;
}
