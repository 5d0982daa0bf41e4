#include "onaysip.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace mivo {

std::function<int(TONAYSIP&)>& TONAYSIP::Calistirici()
{
    static std::function<int(TONAYSIP&)> f = [](TONAYSIP& d) { return d.exec(); };
    return f;
}

TONAYSIP::TONAYSIP(QWidget* owner) : QDialog(owner, Qt::Tool)
{
    setObjectName(QStringLiteral("ONAYSIP"));
    setWindowTitle(QStringLiteral("Sipariş Onay"));
    setFixedSize(527, 334);
    auto* dikey = new QVBoxLayout(this);
    auto* cerceve = new QFrame;
    cerceve->setFrameShape(QFrame::StyledPanel);
    auto* ic = new QVBoxLayout(cerceve);
    Label2 = new QLabel;
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFixedSize(470, 171);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setTextFormat(Qt::PlainText);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setFixedPitch(true);
    mono.setPixelSize(16);
    mono.setBold(true);
    Label2->setFont(mono);
    ic->addWidget(Label2);
    Label1 = new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"));
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont t(QStringLiteral("Tahoma"));
    t.setPixelSize(20);
    t.setBold(true);
    Label1->setFont(t);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    ic->addWidget(Label1);
    dikey->addWidget(cerceve, 1);
    auto* alt = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Evet"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Hayır"));
    Button2->setObjectName(QStringLiteral("Button2"));
    alt->addWidget(Button1);
    alt->addStretch(1);
    alt->addWidget(Button2);
    dikey->addLayout(alt);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

QString TONAYSIP::Ozet(const QString& kullanici, const QString& cari, const QString& teslim, const QString& kargoTuru,
                       const QString& tutar, const QString& kargo, const QString& aciklama)
{
    return QStringList{QStringLiteral("Kullanıcı: ") + kullanici, QStringLiteral("Cari     : ") + cari,
                       QStringLiteral("Teslim   : ") + teslim, QStringLiteral("Kargo    : ") + kargoTuru,
                       QStringLiteral("Tutar    : ") + tutar, QStringLiteral("Kargo    : ") + kargo,
                       QStringLiteral("Açıklama : ") + aciklama}
        .join(QStringLiteral("\r\n"));
}

} // namespace mivo
