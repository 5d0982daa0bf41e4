#pragma once
// Tgirisform: the login window. A login is tied to the computer: the server
// returns the account registered for this computer's identifier and the window
// compares the typed user name and password with it.
#include "server/baglanti.h"
#include "server/baglantiu.h"

#include <QDialog>
#include <QLineEdit>
#include <QPixmap>
#include <atomic>
#include <memory>

class QCheckBox;
class QLabel;
class QMovie;
class QPushButton;

namespace mivo {

// An edit whose character casing is upper case: every letter typed, pasted or
// set appears, is compared and is remembered in upper case.
class TBuyukHarfEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TBuyukHarfEdit(QWidget* parent = nullptr);
};

class Tgirisform : public QDialog {
    Q_OBJECT
public:
    explicit Tgirisform(QWidget* AOwner = nullptr);
    ~Tgirisform() override;

    QString idsi;                       // this computer's identifier, taken at creation
    TSQLConnection* bagim = nullptr;    // the main window's connection, set before showing
    TSonucBilgisi* Bilgim = nullptr;    // the main window's session record, filled by the login

    QLabel* Image1 = nullptr;
    QLabel* RxGIFAnimator1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TBuyukHarfEdit* adi = nullptr;
    QPushButton* Button2 = nullptr;
    QCheckBox* benihatirla = nullptr;
    TBuyukHarfEdit* sifre = nullptr;
    QPushButton* Button1 = nullptr;

    // The external IP address: asks the IP echo service until it answers or
    // iptal is set (then empty). Runs on a worker thread.
    static QString DisIpAl(const QString& url, const std::atomic<bool>& iptal);

    void Button1Click();
    void Button2Click();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void FormCreate();
    void adiKeyDown();
    void sifreKeyDown();
    void AyarOku();
    void AyarKaydet();
    void Devamet(const QString& ip);
    void DevametTamam(bool dogrusonuc, const TSonucBilgisi& sonuc);
    void GuncellemeIndir();
    void KayitFormuAc();
    bool CariSec();
    void HataliGiris();
    void AnimasyonDurdur();

    QPixmap arka_;
    QMovie* film_ = nullptr;
    std::shared_ptr<std::atomic<bool>> iptal_;
    QPoint surukleme_;
    bool surukleniyor_ = false;
};

} // namespace mivo
