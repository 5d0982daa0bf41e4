#pragma once
// Tstokayarinti: the quantity dialog every basket line passes through ("Sepete Ekle").
#include <QDialog>
#include <QLineEdit>
#include <functional>

class QLabel;
class QSpinBox;
class QPushButton;

namespace mivo {

class TSQLConnection;

// A money box: "#,###,##0.00" under the user's locale, also while it is edited.
class TCurrencyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCurrencyEdit(QWidget* parent = nullptr);
    double Value() const;
    void SetValue(double v);

protected:
    void focusOutEvent(QFocusEvent* e) override;
};

class Tstokayarinti : public QDialog {
    Q_OBJECT
public:
    explicit Tstokayarinti(QWidget* parent = nullptr);

    // Set by the caller before showing.
    double kdvoran = 0;
    double kdvlifiyat = 0;

    QLabel *barkod, *adi, *finishkod, *marka, *model, *indirimoran, *Image1;
    QSpinBox* adet;
    TCurrencyEdit *birimfiyat, *indoran, *indtutar, *kdvdahiltutar, *geneltutar;
    QPushButton *ParcaliTus1, *ParcaliTus2;

    void ToplamYaz();
    void TutarlariHesapla();
    void FiyatDegistirilebilir(bool evet);   // types 1 and 2 may overwrite price and discount
    void ResimGoster(const QByteArray& jpeg);   // keeps the placeholder unless it decodes as JPEG

    // Shows the dialog modally and returns its result; tests replace it.
    static std::function<int(Tstokayarinti&)>& Calistirici();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    bool hazir_ = false;
};

// Loads a stock's picture into the dialog over bagc (ResimVer5 and the stream rule).
void ResimGetir(TSQLConnection& bagc, int stokno, Tstokayarinti& d);

} // namespace mivo
