#pragma once
// The stock search box and the stock list: the place where ordering starts.
#include "login/anabaglam.h"

#include <QObject>
#include <QWidget>

class QLineEdit;
class QMenu;
class QAction;

namespace mivo {

class TGridView;
class TsTabSheet;
class TsPageControl;
class TMesgulGosterge;

// Turkish letters typed into the search box become plain Latin letters.
QChar HarfKatla(QChar c);

class TStokListesi : public QWidget {
    Q_OBJECT
public:
    TStokListesi(AnaBaglam& b, TMemTable& stok, QLineEdit* araedit, QWidget* gifstokara, TsPageControl* pc,
                 TsTabSheet* sstoklistesi, QWidget* parent = nullptr);

    void KullaniciKurallariUygula();   // staff columns, type 4 without "Kampanyalı"

    void AramaBaslat();                // Enter in araedit
    void SpeedButton2Click();          // "Ara"
    void SpeedButton1Click();          // "Temizle"
    void sstoklistesiShow();
    void KolonlariDagit();
    void cxGrid1DBTableView1DblClick();
    bool Araniyor() const;

    TGridView* cxGrid1;
    QMenu* popstok;
    QAction *S2, *B1, *s3;

    // Windows of other subsystems the menu opens once they exist.
    std::function<void()> BakiyeleriAc;
    std::function<void(int stokno)> SiparisleriAc;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    AnaBaglam& b_;
    TMemTable& stok_;
    QLineEdit* araedit_;
    QWidget* gif_;
    TsPageControl* pc_;
    TsTabSheet* sekme_;
};

} // namespace mivo
