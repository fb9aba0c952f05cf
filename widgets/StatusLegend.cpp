#include "widgets/StatusLegend.h"

#include "widgets/StatusPictures.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
constexpr int pictureSize = 18;
} // namespace

QList<QPair<int, QString>> StatusLegend::entries()
{
    return {
        {1, tr(" Stok mevcut  ")},
        {2, tr(" Telefon Açınız  ")},
        {3, tr(" Yolda  ")},
        {5, tr(" Tedarik Sürecinde ")},
        {4, tr(" Özel Sipariş  ")},
        {0, tr(" Yok  ")},
    };
}

StatusLegend::StatusLegend(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(27);
    setAccessibleName(tr("Durum Açıklaması"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(0);
    layout->addWidget(new QLabel(tr("Durum Açıklaması:    "), this));
    for (const auto &[code, words] : entries()) {
        auto *picture = new QLabel(this);
        picture->setPixmap(StatusPictures::pixmap(code, pictureSize));
        picture->setAccessibleName(StatusPictures::caption(code));
        picture->setObjectName(QStringLiteral("durum%1").arg(code));
        layout->addWidget(picture);
        layout->addWidget(new QLabel(words, this));
    }
    layout->addStretch(1);
}
