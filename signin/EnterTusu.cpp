#include "signin/EnterTusu.h"

#include <QKeyEvent>

bool EnterTusuMu(const QEvent *olay)
{
    if (olay->type() != QEvent::KeyPress)
        return false;
    const int tus = static_cast<const QKeyEvent *>(olay)->key();
    return tus == Qt::Key_Return || tus == Qt::Key_Enter;
}
