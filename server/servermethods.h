#pragma once
// TServerMethods1Client: one method per remote method of the application server,
// with the server's names, parameter order and directions (out = reference parameter).
//
// Ownership. With the instance owner true (the single-argument constructor, the one the
// program uses) a returned row set, stream or object belongs to the client: it stays
// valid until the same method is called again on the same client or the client is
// freed, so callers copy what they need first (Kopyala, RowSetYukle, AkisOku). With the
// instance owner false, every returned row set, stream and object belongs to the caller,
// who deletes it. A session record passed in is always consumed by the call
// (std::unique_ptr): make one per call with SbKopya(sbilgi); a null pointer is sent as null.
#include "baglantiu.h"
#include "dbxkomut.h"
#include "mobilstokunit.h"

#include <memory>

namespace mivo {

// A client-side callback handed to a method. The wire protocol has no way for the
// server to call back during a call, so only the callback's name travels.
class TDBXCallback {
public:
    virtual ~TDBXCallback() = default;
    QString Ad;
};

class TDSAdminClient {
public:
    virtual ~TDSAdminClient() = default;
    TSQLConnection* DBXConnection() const { return FDBXConnection; }
    bool InstanceOwner() const { return FInstanceOwner; }
    // How many method commands this client has created so far (each once, on first use).
    int KomutSayisi() const { return FKomutSayisi; }

protected:
    TDSAdminClient(TSQLConnection* c, bool instanceOwner) : FDBXConnection(c), FInstanceOwner(instanceOwner) {}
    // The command of a method, created and prepared on its first use.
    TDBXCommand& Komut(std::unique_ptr<TDBXCommand>& alan, const char* ad);

    // Parameter values.
    static protocol::Value Nesne(std::unique_ptr<TSonucBilgisi> b);   // consumes the record
    static protocol::Value JsonNesne(const QByteArray& nesne);        // JSON object form; empty = null
    static protocol::Value Geri(const TDBXCallback* geri);

    // Results, read from the result ordinal.
    protocol::RowSet* TabloSonuc(TDBXCommand& k);
    TStream* AkisSonuc(TDBXCommand& k);
    static QByteArray JsonSonuc(TDBXCommand& k);

    template <class R> R* NesneSonuc(TDBXCommand& k)
    {
        const protocol::Value& v = k.Output(k.Tanim().resultOrdinal());
        if (v.kind() != protocol::ValueKind::Json) return nullptr;
        std::unique_ptr<R> r = NesneOku<R>(v.jsonText());
        if (!r) return nullptr;
        if (!FInstanceOwner) return r.release();   // the caller owns it
        R* p = r.get();
        k.Nesne = std::shared_ptr<void>(r.release(), [](void* x) { delete static_cast<R*>(x); });
        return p;
    }

    TSQLConnection* FDBXConnection;
    bool FInstanceOwner;
    int FKomutSayisi = 0;
};

// A fresh copy of a session record for one call (the call consumes it).
std::unique_ptr<TSonucBilgisi> SbKopya(const TSonucBilgisi& s);

class TServerMethods1Client : public TDSAdminClient {
public:
    explicit TServerMethods1Client(TSQLConnection* ADBXConnection) : TDSAdminClient(ADBXConnection, true) {}
    TServerMethods1Client(TSQLConnection* ADBXConnection, bool AInstanceOwner)
        : TDSAdminClient(ADBXConnection, AInstanceOwner)
    {
    }
    ~TServerMethods1Client() override;
    TServerMethods1Client(const TServerMethods1Client&) = delete;
    TServerMethods1Client& operator=(const TServerMethods1Client&) = delete;

    protocol::RowSet* SepetVer(int carino);
    protocol::RowSet* OncekiSiparisler2(int carino);
    protocol::RowSet* CariEkstreVer(int carino);
    protocol::RowSet* MivoYenilerVer(int carino);
    protocol::RowSet* MivoKampanyaliVer(int cario, int satici);
    protocol::RowSet* BakiyelerVer(int carino);
    TSonucBilgisi* BuyukGetir(const QString& idsi);
    TStream* ResimVer5(int stokno, qint64& boy);
    protocol::RowSet* StokAraMivo(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi);
    protocol::RowSet* TeslimVer();
    protocol::RowSet* KargoVer();
    protocol::RowSet* KargolarVer(int gn);
    int SepetEkle(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno, const QString& barkod,
                  const QString& stokadi, double miktar, double kdv, double fiyat, double indirim, int verenid, int k);
    int SepetGuncelle(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno, const QString& barkod,
                      const QString& stokadi, double miktar, double kdv, double fiyat, double indirim, int verenid,
                      int _sepetsirano);
    int SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi);
    int SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, int satirno, const QString& aciklamam);
    bool SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, int _carino, int _teslim, int _kargo,
                       const QString& _aciklama, int _verenid, int _kargoyeni);
    protocol::RowSet* SiparisAyrintisi(int carino, int idnosu);
    protocol::RowSet* FaturaGetir(int carino, int idnosu);
    protocol::RowSet* FaturaAltGetir(int idnosu);
    protocol::RowSet* Tahsilat(int idnosu);
    int BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano, int siparissirano, double Adet,
                      double Bakiye, const QString& barkod);
    int BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano, int siparissirano, double Adet,
                       double Bakiye, const QString& barkod);
    int BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano, int siparissirano,
                            double Adet, double Bakiye, const QString& barkod, double fiyat, double ind);
    TSiparisDipAyrinti* SiparisAytintisiDip(int carino, int siranosu);
    protocol::RowSet* CariAra(std::unique_ptr<TSonucBilgisi> bil, const QString& aranan);
    int SepetSayisi(std::unique_ptr<TSonucBilgisi> bil);
    TTusSonuclari* TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil);
    protocol::RowSet* CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, int n);
    TStream* BelgeIndir(int sirano, qint64& size, QString& adi);
    QString KayanYaziGetir();
    TStream* BannerResimVer(qint64& size);
    TStream* RaporGetir(int raporno, int bolum, int idno, int carino, const QString& saticiadi, double tarih1,
                        double tarih2, qint64& size);
    int KurlariAl(double& usd, double& eur);
    protocol::RowSet* BalonGetir(std::unique_ptr<TSonucBilgisi> bil);
    protocol::RowSet* TumSiparislerVer(int carino, int stokno);
    int MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1,
                       const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon,
                       const QString& fax, const QString& vd, const QString& vn, const QString& yetkili,
                       const QString& kullaniciadi, const QString& sifre, const QString& mail,
                       const QString& kargoambar);
    int MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1,
                             const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon,
                             const QString& fax, const QString& vd, const QString& vn, const QString& yetkili,
                             const QString& kullaniciadi, const QString& sifre, const QString& mail,
                             const QString& kargoambar, const QString& konu);
    TMobilCariBilgisi* MobilCariBilgisiGetir(int sirano, const QString& _idsi);
    int AcilisReklamAdet();
    TAcilisEkran* AcilisREklamVer(int sira);
    TAcilisEkranlar* AcilisEkranlarVer();
    protocol::RowSet* MivodeAra(const QString& s);
    protocol::RowSet* DosyaListesi2();
    QString CariDurumVer(int carino);

    // Part of the server's interface; this program does not call them.
    void DSServerModuleCreate(const QByteArray& Sender);
    QString EchoString(const QString& Value);
    QString ReverseString(const QString& Value);
    protocol::RowSet* StokAra(const QString& kod, const QString& carino, int satici);
    protocol::RowSet* OncekiSiparisler(int carino);
    protocol::RowSet* CariEkstreVer2(int carino, double TARIH1, double TARIH2);
    protocol::RowSet* CariEkstreVer2Baslik(int carino, double tarih1);
    protocol::RowSet* YenilerVer(int carino);
    protocol::RowSet* YenilerVerMobile(int carino);
    protocol::RowSet* KampanyaliVer(int cario, int satici);
    protocol::RowSet* KampanyaliVermMobil(int cario, int satici);
    protocol::RowSet* DuyuruVer();
    protocol::RowSet* DuyuruVer2();
    QByteArray ResimVer6(int stokno, qint64& boy);
    protocol::RowSet* StokAraDuvra(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi);
    protocol::RowSet* ZelaPorin(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi);
    void CikisGonder(std::unique_ptr<TSonucBilgisi> bilgi);
    protocol::RowSet* Oncekiler(int carino);
    TStream* DosyaIndir(qint64& size);
    TStream* BelgeIndir2(int sirano, qint64& size, QString& adi, std::unique_ptr<TSonucBilgisi> bilgi);
    void SepetSecimGuncelle(int sirano, int secim);
    TMobilStoklar* MobilStokara(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi, int neresi, int nekadar);
    TMobilStok* MobilStokNoAra(int stokno, std::unique_ptr<TSonucBilgisi> bilgi);
    TMobilSepetler* SepetMobilVer(int carino);
    TAcilisEkranlariki* AcilisEkranlarVer2();
    int MobilStokaraGeri(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi, int neresi, int nekadar,
                         TDBXCallback* geri);
    TMobilStoklar* MobilStokaraAdimli(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi, int neresi, int nekadar,
                                      int ilk, int Adet, bool& kalan, int& toplam);
    protocol::RowSet* DepartmanlariGetir();
    protocol::RowSet* DosyaListesi();
    protocol::RowSet* AcilisEkranlariVerData();
    QString BuyukResimVer(int stokno, int& boy);
    TStream* HttpResimVer(int stokno);
    QString KucukResimVer(int stokno);
    bool SifremiUnuttum(const QString& idsi, int& mailvarmi);
    int BalonGetir2(int carino, int& sepet, int& yenistok, int& kampnayali, int& duyuru, int& Bakiye, int& dosya);
    int MobilSiparisKaydet(int idnosu);
    protocol::RowSet* RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1, double tarih2);
    protocol::RowSet* RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1, double tarih2);
    TStream* SelvanoraVer();

private:
    std::unique_ptr<TDBXCommand> FSepetVerCommand;
    std::unique_ptr<TDBXCommand> FOncekiSiparisler2Command;
    std::unique_ptr<TDBXCommand> FCariEkstreVerCommand;
    std::unique_ptr<TDBXCommand> FMivoYenilerVerCommand;
    std::unique_ptr<TDBXCommand> FMivoKampanyaliVerCommand;
    std::unique_ptr<TDBXCommand> FBakiyelerVerCommand;
    std::unique_ptr<TDBXCommand> FBuyukGetirCommand;
    std::unique_ptr<TDBXCommand> FResimVer5Command;
    std::unique_ptr<TDBXCommand> FStokAraMivoCommand;
    std::unique_ptr<TDBXCommand> FTeslimVerCommand;
    std::unique_ptr<TDBXCommand> FKargoVerCommand;
    std::unique_ptr<TDBXCommand> FKargolarVerCommand;
    std::unique_ptr<TDBXCommand> FSepetEkleCommand;
    std::unique_ptr<TDBXCommand> FSepetGuncelleCommand;
    std::unique_ptr<TDBXCommand> FSepetHepsiniSilCommand;
    std::unique_ptr<TDBXCommand> FSepetSatirSilCommand;
    std::unique_ptr<TDBXCommand> FSiparisKaydetCommand;
    std::unique_ptr<TDBXCommand> FSiparisAyrintisiCommand;
    std::unique_ptr<TDBXCommand> FFaturaGetirCommand;
    std::unique_ptr<TDBXCommand> FFaturaAltGetirCommand;
    std::unique_ptr<TDBXCommand> FTahsilatCommand;
    std::unique_ptr<TDBXCommand> FBakiyeDuzenleCommand;
    std::unique_ptr<TDBXCommand> FBakiyeDegistirCommand;
    std::unique_ptr<TDBXCommand> FBakiyeFiyatDegistirCommand;
    std::unique_ptr<TDBXCommand> FSiparisAytintisiDipCommand;
    std::unique_ptr<TDBXCommand> FCariAraCommand;
    std::unique_ptr<TDBXCommand> FSepetSayisiCommand;
    std::unique_ptr<TDBXCommand> FTusSonuclariVerCommand;
    std::unique_ptr<TDBXCommand> FCariSepetVerCommand;
    std::unique_ptr<TDBXCommand> FBelgeIndirCommand;
    std::unique_ptr<TDBXCommand> FKayanYaziGetirCommand;
    std::unique_ptr<TDBXCommand> FBannerResimVerCommand;
    std::unique_ptr<TDBXCommand> FRaporGetirCommand;
    std::unique_ptr<TDBXCommand> FKurlariAlCommand;
    std::unique_ptr<TDBXCommand> FBalonGetirCommand;
    std::unique_ptr<TDBXCommand> FTumSiparislerVerCommand;
    std::unique_ptr<TDBXCommand> FMailGonserCariCommand;
    std::unique_ptr<TDBXCommand> FMailGonserCariNormalCommand;
    std::unique_ptr<TDBXCommand> FMobilCariBilgisiGetirCommand;
    std::unique_ptr<TDBXCommand> FAcilisReklamAdetCommand;
    std::unique_ptr<TDBXCommand> FAcilisREklamVerCommand;
    std::unique_ptr<TDBXCommand> FAcilisEkranlarVerCommand;
    std::unique_ptr<TDBXCommand> FMivodeAraCommand;
    std::unique_ptr<TDBXCommand> FDosyaListesi2Command;
    std::unique_ptr<TDBXCommand> FCariDurumVerCommand;

    std::unique_ptr<TDBXCommand> FDSServerModuleCreateCommand;
    std::unique_ptr<TDBXCommand> FEchoStringCommand;
    std::unique_ptr<TDBXCommand> FReverseStringCommand;
    std::unique_ptr<TDBXCommand> FStokAraCommand;
    std::unique_ptr<TDBXCommand> FOncekiSiparislerCommand;
    std::unique_ptr<TDBXCommand> FCariEkstreVer2Command;
    std::unique_ptr<TDBXCommand> FCariEkstreVer2BaslikCommand;
    std::unique_ptr<TDBXCommand> FYenilerVerCommand;
    std::unique_ptr<TDBXCommand> FYenilerVerMobileCommand;
    std::unique_ptr<TDBXCommand> FKampanyaliVerCommand;
    std::unique_ptr<TDBXCommand> FKampanyaliVermMobilCommand;
    std::unique_ptr<TDBXCommand> FDuyuruVerCommand;
    std::unique_ptr<TDBXCommand> FDuyuruVer2Command;
    std::unique_ptr<TDBXCommand> FResimVer6Command;
    std::unique_ptr<TDBXCommand> FStokAraDuvraCommand;
    std::unique_ptr<TDBXCommand> FZelaPorinCommand;
    std::unique_ptr<TDBXCommand> FCikisGonderCommand;
    std::unique_ptr<TDBXCommand> FOncekilerCommand;
    std::unique_ptr<TDBXCommand> FDosyaIndirCommand;
    std::unique_ptr<TDBXCommand> FBelgeIndir2Command;
    std::unique_ptr<TDBXCommand> FSepetSecimGuncelleCommand;
    std::unique_ptr<TDBXCommand> FMobilStokaraCommand;
    std::unique_ptr<TDBXCommand> FMobilStokNoAraCommand;
    std::unique_ptr<TDBXCommand> FSepetMobilVerCommand;
    std::unique_ptr<TDBXCommand> FAcilisEkranlarVer2Command;
    std::unique_ptr<TDBXCommand> FMobilStokaraGeriCommand;
    std::unique_ptr<TDBXCommand> FMobilStokaraAdimliCommand;
    std::unique_ptr<TDBXCommand> FDepartmanlariGetirCommand;
    std::unique_ptr<TDBXCommand> FDosyaListesiCommand;
    std::unique_ptr<TDBXCommand> FAcilisEkranlariVerDataCommand;
    std::unique_ptr<TDBXCommand> FBuyukResimVerCommand;
    std::unique_ptr<TDBXCommand> FHttpResimVerCommand;
    std::unique_ptr<TDBXCommand> FKucukResimVerCommand;
    std::unique_ptr<TDBXCommand> FSifremiUnuttumCommand;
    std::unique_ptr<TDBXCommand> FBalonGetir2Command;
    std::unique_ptr<TDBXCommand> FMobilSiparisKaydetCommand;
    std::unique_ptr<TDBXCommand> FRaporAlinanSiparislerCommand;
    std::unique_ptr<TDBXCommand> FRaporEnCokSatilanStoklarCommand;
    std::unique_ptr<TDBXCommand> FSelvanoraVerCommand;
};

}   // namespace mivo
