// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One editor edit on the undo stack: the values before and after it. Undo and redo hand either
// to the window, which shows them; the editing rules themselves live in StyleEdit.

#include "style/styleedit.h"

#include <QUndoCommand>
#include <functional>

class EditCommand : public QUndoCommand
{
public:
    using Show = std::function<void(const EditorValues &)>;
    // Consecutive edits of the same mergeKey (typing into the line height) become one step.
    EditCommand(Show show, EditorValues before, EditorValues after, const QString &text, int mergeKey = -1);

    void undo() override { show(before); }
    void redo() override { show(after); }
    int id() const override { return mergeKey; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    Show show;
    EditorValues before;
    EditorValues after;
    int mergeKey;
};
