#pragma once
// Tmailform: a free message from a logged-in customer to the dealer, sent in the
// background together with the customer's account details.
#include "server/baglanti.h"
#include "server/baglantiu.h"

#include <QDialog>
#include <QStringList>
#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mivo {

// The lines joined with commas; a line holding a blank or control character
// (codes 1 to 32), a double quote or a comma is quoted, its quotes doubled.
QString VirgulluMetin(const QStringList& satirlar);

class Tmailform : public QDialog {
    Q_OBJECT
public:
    static std::unique_ptr<Tmailform> Ac(QWidget* AOwner, TSQLConnection& _c, const TSonucBilgisi& _b);
    ~Tmailform() override;

    std::unique_ptr<TSQLConnection> con;
    TSonucBilgisi Bilgim;

    QLineEdit* baslik = nullptr;
    QPlainTextEdit* konu = nullptr;
    QPushButton* Button2 = nullptr;   // "Gönder"
    QPushButton* Button1 = nullptr;   // "Kapat"

    bool MailKontrol();
    void Button2Click();
    void Button1Click();

    // The memo's lines as the message is built from them.
    QStringList Satirlar() const;

    // The background body: true when the send failed. Runs on a worker thread.
    bool MailGonder(const QString& konuBasligi, const QStringList& satirlar);

    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Tmailform(QWidget* AOwner, TSQLConnection& _c, const TSonucBilgisi& _b);
    bool gonderiliyor() const;
};

} // namespace mivo
