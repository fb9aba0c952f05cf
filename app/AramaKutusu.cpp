#include "AramaKutusu.h"

#include "StokKurallari.h"

#include <QKeyEvent>

AramaKutusu::AramaKutusu(QWidget *parent) : QLineEdit(parent)
{
    setAccessibleName(QStringLiteral("Arama metni"));
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = cursorPosition();
            setText(upper);
            setCursorPosition(cursor);
        }
    });
}

void AramaKutusu::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT aramaIstendi();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QChar taken = araHarfCevir(typed.at(0));
        if (taken != typed.at(0)) {
            insert(QString(taken));
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}
