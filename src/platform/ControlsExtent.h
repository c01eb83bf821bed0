#pragma once

#include <QSize>

class QWidget;

// The room the controls of a window take, at any depth; controls that lay out
// parts of their own (grids, lists, edit boxes) count as a whole.

// The size that shows every control that shows with `container`, with the
// margins left of and above them repeated right and below.
QSize ControlsExtent(const QWidget& container);

// How far, at most, controls of `window` reach past the right and the bottom of
// the control holding them.
QSize ControlsOverflow(const QWidget& window);
