#pragma once

class QKeyEvent;
class QString;
class QWidget;

// The keys that every window of the program answers alike, from whichever of
// its controls has no use for them: F1 opens the window's help page (the
// contents page while it has none of its own), and Enter, on either key,
// presses the focused button as Space does. Text boxes and grids keep their
// own Enter, as they use it before the window hears it.
namespace WindowKeys {

// Answers the key for `window`; false when it is none of these keys.
bool Answer(QWidget& window, const QKeyEvent& event, const QString& helpPage);

} // namespace WindowKeys
