#pragma once

class QWidget;

namespace TextBoxes {

// The most characters a text box keeps: at least the longest field a project
// file holds, so that opening a file never cuts a text unannounced, as Qt's
// default of 32,767 would.
constexpr int MaxLength = 65536;

// Lets `widget`, when it is a text box, and every text box within it keep
// texts up to MaxLength characters.
void KeepLongTexts(QWidget& widget);

} // namespace TextBoxes
