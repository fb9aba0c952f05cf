#include "app/basket/TONAYSIP.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QFont kalinYazi(int piksel, bool sabitAralik)
{
    QFont yazi;
    if (sabitAralik) {
        yazi.setFamily(QStringLiteral("Courier New"));
        yazi.setStyleHint(QFont::TypeWriter);
        yazi.setFixedPitch(true);
    }
    yazi.setPixelSize(piksel);
    yazi.setBold(true);
    return yazi;
}
} // namespace

TONAYSIP::TONAYSIP(const QString &ozet, const QString &uyari, QWidget *parent)
    : QDialog(parent, Qt::Tool)
{
    setWindowTitle(QStringLiteral("Sipariş Onay"));
    resize(527, 444);
    setModal(true);

    auto *cerceve = new QFrame(this);
    cerceve->setFrameShape(QFrame::StyledPanel);
    m_label2 = new QLabel(ozet, cerceve);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(kalinYazi(16, true));
    m_label2->setTextFormat(Qt::PlainText);
    m_label2->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_label2->setAccessibleName(QStringLiteral("Sipariş bilgileri"));
    auto *cerceveDuzeni = new QVBoxLayout(cerceve);
    cerceveDuzeni->addWidget(m_label2);

    m_label3 = new QLabel(uyari, this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setFont(kalinYazi(16, true));
    m_label3->setStyleSheet(QStringLiteral("color: red;"));
    m_label3->setWordWrap(true);
    m_label3->setTextFormat(Qt::PlainText);
    m_label3->setAccessibleName(QStringLiteral("Bakiye uyarısı"));

    m_label1 = new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFont(kalinYazi(20, false));
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setWordWrap(true);

    m_evet = new QPushButton(QStringLiteral("Evet"), this);
    m_hayir = new QPushButton(QStringLiteral("Hayır"), this);
    m_evet->setDefault(true);
    connect(m_evet, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_hayir, &QPushButton::clicked, this, &QDialog::reject);

    auto *tuslar = new QHBoxLayout;
    tuslar->addWidget(m_evet);
    tuslar->addStretch();
    tuslar->addWidget(m_hayir);

    auto *duzen = new QVBoxLayout(this);
    duzen->addWidget(cerceve, 1);
    duzen->addWidget(m_label3);
    duzen->addWidget(m_label1);
    duzen->addLayout(tuslar);

    if (parent) {
        const QRect ana = parent->window()->frameGeometry();
        move(ana.center() - rect().center());
    }
}
