#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// Acts on the windows a test does not open itself: every dialog shown while this object lives
// is noted, and a dialog of a class the test asked for gets the test's action once its own
// (possibly nested, modal) event loop runs.
class ModalBekleyici : public QObject
{
public:
    ModalBekleyici() { qApp->installEventFilter(this); }
    ~ModalBekleyici() override { qApp->removeEventFilter(this); }

    template<class T>
    void uzerine(std::function<void(T *)> eylem)
    {
        m_eylemler.append([eylem](QDialog *w) {
            if (auto *t = qobject_cast<T *>(w)) {
                eylem(t);
                return true;
            }
            return false;
        });
    }

    // Class names of the dialogs shown, in the order they first appeared.
    const QStringList &gorulenler() const { return m_gorulenler; }

protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override
    {
        auto *pencere = qobject_cast<QDialog *>(nesne);
        if (olay->type() != QEvent::Show || !pencere || !pencere->isWindow() || m_islenenler.contains(pencere))
            return false;
        m_islenenler.append(pencere);
        m_gorulenler.append(QString::fromLatin1(pencere->metaObject()->className()));
        QPointer<QDialog> korunan(pencere);
        QTimer::singleShot(0, this, [this, korunan] {
            if (!korunan)
                return;
            for (const auto &eylem : std::as_const(m_eylemler)) {
                if (eylem(korunan))
                    break;
            }
        });
        return false;
    }

private:
    QList<std::function<bool(QDialog *)>> m_eylemler;
    QList<QPointer<QDialog>> m_islenenler;
    QStringList m_gorulenler;
};
