#pragma once

class QLineEdit;
class TailwaterChannel;

// "Compute TW Depth" of a window with one design discharge: the channel's
// normal depth for the typed Q, shown in the tailwater box. The box is emptied
// first and stays empty, with a message, when the channel or the Q is refused
// or the search finds no depth.
void ComputeTailwaterDepth(TailwaterChannel* channel, const QLineEdit& designQ,
                           QLineEdit& tailwaterDepth);
