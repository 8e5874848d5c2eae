#pragma once

// The three heights of the window: options only, options + editor, options + editor + preview.

class QMainWindow;
class QWidget;

enum class WindowLayout { Compact, Editing, Full };

// Puts the window's form into a scroll area, so that what a small screen cannot show can be
// scrolled to, and what a large one offers is used: the form grows with the window, the lines and
// pages across it widen, and the settings pages spread their columns. The form keeps its own
// (transparent) background: the window's shows through. The wheel over a tab bar scrolls the form
// rather than switching pages under the pointer.
void makeFormScrollable(QMainWindow *window);

// Moves the bottom band (output name, "Create Skin", status) and sizes the form for the layout.
// The window takes the layout's size where its screen has room, and never more than the room,
// its frame included, from the moment it first shows. A maximised window keeps its size.
void applyWindowLayout(QMainWindow *window, WindowLayout layout);

// The window's place and size were restored from an earlier run: its first showing keeps them
// instead of fitting the window to its layout again.
void keepRestoredPlace(QMainWindow *window);

// Lays the form out again for the window's width: after a page got its rows.
void stretchForm(QMainWindow *window);
