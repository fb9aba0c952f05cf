#pragma once

class QEvent;

// True for a key press of Enter or Return, the key the sign-in windows' boxes act on.
bool EnterTusuMu(const QEvent *olay);
