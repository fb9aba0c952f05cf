#include "signin/Ttarihsec.h"

#include <QDateEdit>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
QDateEdit *tarihKutusu(QWidget *ebeveyn)
{
    auto *kutu = new QDateEdit(ebeveyn);
    kutu->setCalendarPopup(true);
    kutu->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return kutu;
}
} // namespace

Ttarihsec::Ttarihsec(QWidget *owner) : QDialog(owner, Qt::Tool)
{
    setWindowTitle(QStringLiteral("Tarih Seç"));

    m_DateTimePicker1 = tarihKutusu(this);
    m_DateTimePicker2 = tarihKutusu(this);
    m_Label1 = new QLabel(QStringLiteral("Tarih 1:"), this);
    m_Label1->setBuddy(m_DateTimePicker1);
    // Both labels have always read "Tarih 1:"; the second box still gets its own name.
    m_Label2 = new QLabel(QStringLiteral("Tarih 1:"), this);
    m_Label2->setBuddy(m_DateTimePicker2);
    m_DateTimePicker2->setAccessibleName(QStringLiteral("Tarih 2"));

    m_Button1 = new QPushButton(QStringLiteral("Seç"), this);
    m_Button1->setDefault(true);
    connect(m_Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto *duzen = new QGridLayout(this);
    duzen->addWidget(m_Label1, 0, 0);
    duzen->addWidget(m_DateTimePicker1, 0, 1);
    duzen->addWidget(m_Label2, 1, 0);
    duzen->addWidget(m_DateTimePicker2, 1, 1);
    duzen->addWidget(m_Button1, 2, 1, Qt::AlignRight);

    FormCreate();
}

void Ttarihsec::FormCreate()
{
    const QDateTime simdi = QDateTime::currentDateTime();
    m_DateTimePicker1->setDateTime(simdi);
    m_DateTimePicker2->setDateTime(simdi);
}

void Ttarihsec::tekTarih()
{
    m_Label2->hide();
    m_DateTimePicker2->hide();
}

QDate Ttarihsec::tarih1() const
{
    return m_DateTimePicker1->date();
}

QDate Ttarihsec::tarih2() const
{
    return m_DateTimePicker2->date();
}
