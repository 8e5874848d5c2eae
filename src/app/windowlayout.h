#pragma once

// The three heights of the window: options only, options + editor, options + editor + preview.

class QMainWindow;
class QWidget;

enum class WindowLayout { Compact, Editing, Full };

// Puts the window's form into a scroll area, so that what a small screen cannot show can be
// scrolled to. The form keeps its own (transparent) background: the window's shows through.
void makeFormScrollable(QMainWindow *window);

// Moves the bottom band (output name, "Create Skin", status) and sizes the form for the layout.
// The window takes the layout's size where its screen has room, and never more than the room.
void applyWindowLayout(QMainWindow *window, WindowLayout layout);
