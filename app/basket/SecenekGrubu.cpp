#include "app/basket/SecenekGrubu.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

SecenekGrubu::SecenekGrubu(const QString &baslik, QWidget *parent)
    : QGroupBox(baslik, parent), m_duzen(new QVBoxLayout(this)), m_grup(new QButtonGroup(this))
{
    m_grup->setExclusive(true);
    m_duzen->addStretch();
    connect(m_grup, &QButtonGroup::buttonClicked, this, [this] { Q_EMIT tiklandi(); });
}

void SecenekGrubu::temizle()
{
    for (QRadioButton *d : std::as_const(m_dugmeler)) {
        m_grup->removeButton(d);
        delete d;
    }
    m_dugmeler.clear();
    m_idler.clear();
}

void SecenekGrubu::ekle(const QString &metin, int id)
{
    auto *d = new QRadioButton(metin, this);
    d->setAccessibleName(title() + QLatin1Char(' ') + metin);
    m_grup->addButton(d, int(m_dugmeler.size()));
    m_duzen->insertWidget(m_duzen->count() - 1, d);
    d->show(); // items come after the group is on screen
    m_dugmeler.append(d);
    m_idler.append(id);
}

int SecenekGrubu::seciliIndeks() const
{
    return m_grup->checkedId();
}

void SecenekGrubu::secIndeks(int indeks)
{
    if (QRadioButton *d = m_dugmeler.value(indeks))
        d->setChecked(true);
}

int SecenekGrubu::seciliId() const
{
    return m_idler.value(seciliIndeks(), 0);
}

QString SecenekGrubu::seciliMetin() const
{
    const QRadioButton *d = m_dugmeler.value(seciliIndeks());
    return d ? d->text() : QString();
}
