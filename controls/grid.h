#pragma once
// The grid layer every list of the program uses: a table view over a TMemTable (or over rows
// the view holds itself), with column definitions, one delegate per cell kind, header filters,
// quick column customisation, a footer band, incremental search and Tag-weighted widths.
// A window declares its columns and options; everything else lives here.
#include "controls/kolondagit.h"
#include "server/memtable.h"

#include <QColor>
#include <QIcon>
#include <QPointer>
#include <QSet>
#include <QTableView>
#include <QVector>
#include <QWidget>
#include <functional>
#include <optional>

class QMenu;
class QAbstractItemModel;
class QSortFilterProxyModel;
class QTimer;

namespace mivo {

class TMemTableModel;

enum class HucreTuru {
    Metin,        // vertically centred, word-wrapped
    Memo,         // multi-line text from the top
    Ikon,         // value -> icon index, icon only, centred
    OnayKutusu,   // 1 / 0
    ResimCombo,   // value -> icon index, optionally with the item's description
    Dugme,        // a button; its click names the row
    Ilerleme,     // progress bar 0..100
    Resim,        // picture from bytes or hexadecimal text
    Etiket,       // one line, vertically centred
};

// An image list: icons by index, all of one size.
struct TIkonListesi {
    QVector<QIcon> Ikonlar;
    QSize Boyut{24, 24};
    QIcon Ikon(int i) const { return i >= 0 && i < Ikonlar.size() ? Ikonlar[i] : QIcon(); }
    int Adet() const { return Ikonlar.size(); }
    // ":/mivo/durum/%1.svg" style pattern, indices 0..adet-1.
    static TIkonListesi Kaynaktan(const QString& desen, int adet, QSize boyut);
};

struct TIkonOgesi {
    QVariant Deger;
    int Ikon = -1;
    QString Aciklama;
};

struct TGridKolon {
    QString Ad;                 // the column's own name; empty = the field name
    QString Alan;               // bound field; empty for unbound columns (a button column)
    QString Baslik;             // caption; empty shows nothing
    int Tag = 1;                // width weight for KolonlariDagit
    int Genislik = 84;          // design width
    bool Gorunur = true;
    bool Sunulan = true;        // listed in the quick column customisation
    std::optional<Qt::Alignment> Hizalama;   // default: numbers right, others left
    Qt::Alignment BaslikHizalama = Qt::AlignCenter;
    bool SaltOkunur = true;
    HucreTuru Tur = HucreTuru::Metin;

    // Icon and image-combo cells
    TIkonListesi Ikonlar;
    QVector<TIkonOgesi> Ogeler;
    int BosIkon = -1;           // icon of an empty value; -1 = as VarsayilanIkon
    int VarsayilanIkon = -1;    // icon of a value no item names; -1 = none
    bool AciklamaGoster = false;

    // Button cells
    QString DugmeMetni;
    QIcon DugmeIkonu;

    QString Isim() const { return Ad.isEmpty() ? Alan : Ad; }
};

// The icon index a value maps to (numbers compare as numbers, others as text).
int IkonIndeksi(const TGridKolon& k, const QVariant& v);
QString IkonAciklamasi(const TGridKolon& k, const QVariant& v);

// The project's image lists and the stock lists' value mappings.
TIkonListesi DurumIkonListesi();       // imagedurum: ten 24 x 24 stock-status icons
TIkonListesi EvetHayirIkonListesi();   // three 24 x 24: no, yes, campaign
TIkonListesi DosyaIkonListesi();       // imagedosyalist: seven 32 x 32 file-type icons
QVector<TIkonOgesi> DurumOgeleri();    // DURUM 0..5 -> icons 4,0,8,2,1,5
constexpr int DurumBosIkon = 3;
// A DURUM column as every stock list shows it.
TGridKolon DurumKolonu(const QString& baslik = QStringLiteral("Durum"), int tag = 1);
// "Yeni" (Y) and "Kampanyalı" (K) columns.
TGridKolon EvetHayirKolonu(const QString& alan, const QString& baslik, int tag = 1);

enum class FooterTuru { Sayi, Toplam };

struct TFooterOgesi {
    QString Kolon;              // column name (TGridKolon::Isim) it stands under
    FooterTuru Tur = FooterTuru::Sayi;
};

struct TGorunumAyarlari {
    bool SaltOkunur = true;
    bool ArttirimliArama = true;
    int SatirYuksekligi = 40;       // 0 = the style's default
    int BaslikYuksekligi = 40;      // 0 = the style's default
    bool BaslikGoster = true;
    bool BaslikFiltre = true;
    bool KolonOzellestirme = true;
    bool KullaniciSiralama = true;
    bool KolonBoyutlama = true;
    bool KolonTasima = true;
    bool OdakCercevesi = true;
    bool PikselKaydirma = false;
    bool FooterGoster = false;
    bool KolonOtoGenislik = false;  // stretch the columns to the grid width
    std::optional<QColor> CiftSatirRengi;   // rows 0, 2, 4 ...
    std::optional<QColor> TekSatirRengi;    // rows 1, 3, 5 ...
    std::optional<QColor> IzgaraRengi;
};

// The product lists' common view: read-only, incremental search, rows and headers 40 high,
// header filters, column customisation, a footer, rows alternating the two list blues.
TGorunumAyarlari ListeGorunumu();

// A bound column as the lists declare them.
TGridKolon AlanKolonu(const char* alan, const char* baslik, int tag, bool gorunur, bool sunulan, int genislik = 84,
                      HucreTuru tur = HucreTuru::Metin);

class TGridTablo;
class TFiltreBaslik;
class TFooterBandi;
class TSatirModeli;
class TGridSuzgec;

class TGridView : public QWidget {
    Q_OBJECT
public:
    explicit TGridView(QWidget* parent = nullptr);
    ~TGridView() override;

    // Columns
    void KolonlarTanimla(const QVector<TGridKolon>& kolonlar);
    int KolonSayisi() const { return int(kolonlar_.size()); }
    const TGridKolon& Kolon(int i) const { return kolonlar_[i]; }
    int KolonBul(const QString& isim) const;   // by name, then by field; -1 when absent
    void KolonGorunur(const QString& isim, bool gorunur);
    void KolonSunulan(const QString& isim, bool sunulan);
    void KolonGenislik(const QString& isim, int genislik);
    void KolonBaslik(const QString& isim, const QString& baslik);
    bool KolonGorunurMu(const QString& isim) const;
    int KolonGenisligi(const QString& isim) const;
    QVector<int> GorunurKolonlar() const;     // model columns in view order

    // Options
    void Ayarla(const TGorunumAyarlari& a);
    const TGorunumAyarlari& Ayarlar() const { return ayar_; }

    // Data source: a TMemTable ...
    void SetTable(TMemTable* t);
    TMemTable* Table() const { return tablo_; }
    void DataSourceAyir();    // detach: the view forgets the rows until DataSourceBagla
    void DataSourceBagla();
    bool Bagli() const;
    // ... or rows the view holds itself.
    void BaglantisizKullan();
    int SatirEkle();
    void SatirSil(int satir);
    void SatirlariTemizle();
    void HucreYaz(int satir, const QString& kolon, const QVariant& v);

    // Reading
    int SatirSayisi() const;                   // rows the view shows (after filters)
    QVariant Deger(int satir, const QString& kolon) const;   // view row, raw value
    QString Metin(int satir, const QString& kolon) const;    // view row, display text
    int KaynakSatir(int satir) const;          // view row -> table row
    int OdakSatir() const;                     // focused view row, -1 when none
    void OdakSatirAyarla(int satir);
    QVariant OdakDeger(const QString& kolon) const;

    // Bulk updates
    void BeginUpdate();
    void EndUpdate();
    bool Guncelleniyor() const { return guncelleme_ > 0; }

    // Filters
    void FiltreAyarla(int kolon, const QStringList& tutulanlar);   // display texts to keep
    void FiltreKaldir(int kolon);
    void FiltreTemizle();
    bool FiltreVar() const;
    QStringList KolonDegerleri(int kolon) const;                   // distinct display texts

    // Footer
    void FooterOgeleri(const QVector<TFooterOgesi>& ogeler);
    int FooterOgeSayisi() const { return int(footer_.size()); }
    QVariant FooterDeger(int i) const;
    void FooterDegerAyarla(int i, const QVariant& v);   // for an after-summary handler
    QString FooterMetni(int i) const;
    void FooterHesapla();
    std::function<void(TGridView&)> FooterSonrasi;                    // after every recalculation
    std::function<QString(int oge, const QVariant& deger)> FooterMetinVer;   // replaces an item's text; empty optional = default

    // Widths
    void KolonlariDagit(DagitimTuru tur);
    void KolonlariDagit(DagitimTuru tur, int ekranGenisligi);
    void EnIyiGenislik(int ornekSatir = 200);
    static int KaydirmaCubuguKalinligi();

    // Incremental search in the focused column; true when a row matched.
    bool ArttirimliAra(const QString& metin);

    // Menus
    QMenu* OzellestirmeMenusu(QWidget* parent) const;   // offered columns only
    void SetPopupMenu(QMenu* m);

    QTableView* Tablo() const;
    QAbstractItemModel* Model() const;
    TMemTableModel* TabloModeli() const { return memModel_; }

signals:
    void OdakDegisti(int yeni, int eski);
    void CiftTiklandi();
    void DugmeTiklandi(int satir, int kolon);
    void DegerDegisti(int satir, int kolon);
    void FooterHesaplandi();
    void Boyutlandi();   // the grid's OnResize

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    friend class TGridTablo;
    friend class TFiltreBaslik;
    friend class TFooterBandi;
    friend class TGridSuzgec;
    friend class THucreDelegate;
    void modelKur(QAbstractItemModel* kaynak);
    void kolonlariUygula();
    void delegeleriKur();
    void satirRenkleri(int satir, QColor& arka) const;
    void footerKirli();
    void odakTakip();
    void tabloOdagaGit(int kaynakSatir);
    void otoGenislik();
    void filtrePenceresi(int kolon, const QPoint& global);
    void siralamaTiklandi(int kolon);
    int kaynakKolon(int kolon) const { return kolon; }

    QVector<TGridKolon> kolonlar_;
    TGorunumAyarlari ayar_;
    TMemTable* tablo_ = nullptr;
    bool ayrik_ = false;
    TMemTableModel* memModel_ = nullptr;
    TSatirModeli* satirModeli_ = nullptr;
    TGridSuzgec* suzgec_ = nullptr;
    TGridTablo* view_ = nullptr;
    TFiltreBaslik* baslik_ = nullptr;
    TFooterBandi* footerBandi_ = nullptr;
    QVector<TFooterOgesi> footer_;
    mutable QVector<QVariant> footerDeger_;
    mutable bool footerKirli_ = true;
    QTimer* footerSaat_ = nullptr;
    int guncelleme_ = 0;
    int sonOdak_ = -1;
    bool odakEsliyor_ = false;
    QPointer<QMenu> popup_;
    QString aramaMetni_;
    qint64 sonTusZamani_ = 0;
    int siraKolon_ = -1;
    Qt::SortOrder siraYon_ = Qt::AscendingOrder;
};

} // namespace mivo
