#pragma once

// The three heights of the window: options only, options + editor, options + editor + preview.

class QWidget;

enum class WindowLayout { Compact, Editing, Full };

// Moves the bottom band (output name, "Create Skin", status) and sets the window height.
void applyWindowLayout(QWidget *window, WindowLayout layout);
