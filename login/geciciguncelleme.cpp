#include "geciciguncelleme.h"
#include "server/yapilandirma.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace mivo {

std::unique_ptr<TGeciciGuncellemePenceresi> TGeciciGuncellemePenceresi::Yeni(QWidget* AOwner, int version)
{
    return std::unique_ptr<TGeciciGuncellemePenceresi>(new TGeciciGuncellemePenceresi(AOwner, version));
}

TGeciciGuncellemePenceresi::TGeciciGuncellemePenceresi(QWidget* AOwner, int version)
    : QDialog(AOwner), version_(version)
{
    setObjectName(QStringLiteral("geciciguncelleme"));
    setWindowTitle(QStringLiteral("Güncelleme"));
    auto* l = new QVBoxLayout(this);
    auto* metin = new QLabel(QStringLiteral("Sunucu programın %1 sürümünü bekliyor; bu program %2 sürümü.\n"
                                            "Yeni sürümü bayinizden isteyiniz.")
                                 .arg(version)
                                 .arg(kProgramVersiyonu));
    metin->setObjectName(QStringLiteral("metin"));
    l->addWidget(metin);
    auto* tamam = new QPushButton(QStringLiteral("Tamam"));
    tamam->setObjectName(QStringLiteral("tamam"));
    l->addWidget(tamam, 0, Qt::AlignRight);
    connect(tamam, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace mivo
