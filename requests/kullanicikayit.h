#pragma once
// Tkullanicikayit: the request form. From the login, a firm without an account
// asks for a new user; from the general menu, a customer asks for a password change.
#include "server/baglanti.h"
#include "server/baglantiu.h"

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace mivo {

enum TIstek { tyeni, teski };

class Tkullanicikayit : public QDialog {
    Q_OBJECT
public:
    // New-user request (from the login window).
    static std::unique_ptr<Tkullanicikayit> Yeni(QWidget* AOwner, TSQLConnection& _c, const TSonucBilgisi& _b);
    // Password-change request (from the general menu), prefilled from the server.
    // An error of the prefill call reaches the caller.
    static std::unique_ptr<Tkullanicikayit> Ac(QWidget* AOwner, TSQLConnection& _c, const TSonucBilgisi& _b);
    ~Tkullanicikayit() override;

    TIstek durum = tyeni;
    QString _idsi;
    std::unique_ptr<TSQLConnection> con;
    TSonucBilgisi Bilgim;

    QLabel* lblid = nullptr;
    QLineEdit *firmaadi = nullptr, *adres1 = nullptr, *adres2 = nullptr, *ilce = nullptr, *sehir = nullptr,
              *telefon = nullptr, *fax = nullptr, *vd = nullptr, *vn = nullptr, *yetkili = nullptr,
              *kullaniciadi = nullptr, *sifre = nullptr, *mail = nullptr, *kargoambar = nullptr;
    QPushButton* Button2 = nullptr;   // "Gönder"
    QPushButton* Button1 = nullptr;   // "Kapat"

    void Button2Click();
    void Button1Click();
    void BilgileriGetir();
    bool KayitKontrol();
    void YeniKayitGonder();
    void SifreIstegiGonder();

private:
    Tkullanicikayit(QWidget* AOwner, TSQLConnection& _c, const TSonucBilgisi& _b);
    void Gonder(const QString& konu);
};

} // namespace mivo
