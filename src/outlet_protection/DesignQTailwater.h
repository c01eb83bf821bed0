#pragma once

#include "platform/InputChecks.h"

#include <string>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;
class TailwaterChannel;

// The "Design Parameters" frame of the plunge basin and riprap basin windows:
// one design discharge, its tailwater depth and the button that computes the
// depth from the channel (disabled until a channel is given).
struct DesignQFrame {
    QGroupBox* frame;
    QLineEdit* designQ;
    QLineEdit* tailwaterDepth;
    QPushButton* computeTWDepth;
};
DesignQFrame BuildDesignQFrame(QWidget* parent, double left, double top);

// The check of a window's one design Q, as "Compute TW Depth" and the scour
// hole's Compute word it: `required` when the text is blank, then a number
// above 0, held to the bounds.
InputChecks::NumberCheck DesignQCheck(std::string field, std::string text, std::string required);

// "Compute TW Depth" of a window with one design discharge: the channel's
// normal depth for the typed Q, shown in the tailwater box. The box is emptied,
// with a message, when the Q is refused (the Q's box of `window` then takes
// the focus) or the search finds no depth (the message names the Q as
// `designQName`), and left as it is when the channel is refused. A depth equal
// to the one shown changes nothing, so the results computed with it stay.
void ComputeTailwaterDepth(QWidget& window, TailwaterChannel* channel, const QLineEdit& designQ,
                           QLineEdit& tailwaterDepth, const std::string& designQName);
