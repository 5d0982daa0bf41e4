#pragma once
// The main window's way into the basket: every added or changed line passes the quantity dialog.
#include "login/anabaglam.h"

namespace mivo {

class Tstokayarinti;

// From the current row of the stock list, the new-stock list and the campaign list.
void StokSepeteEkle(AnaBaglam& b, TMemTable& stok, int stokno);
void YeniSepeteEkle(AnaBaglam& b, TMemTable& YENILER, int stokno);
void KampanyaliSepeteEkle(AnaBaglam& b, TMemTable& kampstok, int stokno);
// The current row of the basket, whose SIRANO is sirano.
void SepetSatirDegistir(AnaBaglam& b, int sirano);

// The two calls a confirmed dialog makes.
void SepeteEkle(AnaBaglam& b, TMemTable& tablo, double miktar, double fiyat, double indirim);
void SepetSatirGuncelle(AnaBaglam& b, int sirano, double miktar, double fiyat, double indirim);

// The shared opening of a product-list double click: look the stock up in the basket first,
// so a second request changes the existing line instead of adding another.
void UrunSatiriAc(AnaBaglam& b, TMemTable& tablo, int stokno,
                  void (*ekle)(AnaBaglam&, TMemTable&, int));

} // namespace mivo
