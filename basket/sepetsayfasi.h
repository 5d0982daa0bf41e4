#pragma once
// The basket tab: the server-side basket with its totals, line changes and
// deletion, export, and the order submission inputs.
#include "login/anabaglam.h"

#include <QGroupBox>
#include <QWidget>

class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace mivo {

class TGridView;

// A radio group whose items each carry an integer id.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(const QString& baslik, QWidget* parent = nullptr);
    void Clear();
    void Add(const QString& metin, int id);
    int Count() const { return int(dugmeler_.size()); }
    int ItemIndex() const;
    void SetItemIndex(int i);   // -1 selects nothing
    QString ItemText(int i) const;
    int ItemId(int i) const;
    QRadioButton* Dugme(int i) const { return dugmeler_.value(i); }

signals:
    void Click();

private:
    QVBoxLayout* duzen_;
    QList<QRadioButton*> dugmeler_;
    QList<int> idler_;
};

class TSepetSayfasi : public QWidget {
    Q_OBJECT
public:
    // badge: sets the tab's counter.
    TSepetSayfasi(AnaBaglam& b, std::function<void(int)> badge, QWidget* parent = nullptr);

    void KullaniciKurallariUygula();   // DURUM and KALAN by user type, once after login

    void ssepetShow();
    void SepetGetir();
    void SepetToplamHesapla();
    void TeslimKargoGetir();
    void boxkargoClick();
    void KargolariGetir(int gn);
    void kargocomboChange();
    void Button1Click();
    bool SiparisGonder(int kargoyeni, int kargo, int teslim);
    void Deitir1Click();
    void SatrSil1Click();
    void HepsiniSil1Click();
    void Button2Click();
    void KolonlariDagit();

    TGridView* cxGrid2;
    QMenu* PopupMenu1;
    TRadioGroup* teslimbox;
    TRadioGroup* boxkargo;
    QComboBox* kargocombo;
    QLabel* uyarikargo;
    QPlainTextEdit* aciklamagir;
    QLabel *aratoplaml, *indiriml, *nettutarl, *vergil, *geneltoplaml;
    QPushButton* Button1;
    QPushButton* Button2;
    TMemTable kargo;

private:
    AnaBaglam& b_;
    std::function<void(int)> badge_;
};

} // namespace mivo
