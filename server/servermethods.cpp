#include "servermethods.h"

#include <QJsonDocument>
#include <stdexcept>

namespace mivo {

using V = protocol::Value;

TDBXCommand& TDSAdminClient::Komut(std::unique_ptr<TDBXCommand>& alan, const char* ad)
{
    if (!alan) {
        const protocol::MethodSpec* tanim = protocol::findMethod(QString::fromLatin1(ad));
        if (!tanim) throw protocol::ProtocolError(std::string("unknown method ") + ad);
        alan = std::make_unique<TDBXCommand>(FDBXConnection, *tanim);
        alan->Prepare();
        ++FKomutSayisi;
    }
    return *alan;
}

V TDSAdminClient::Nesne(std::unique_ptr<TSonucBilgisi> b)
{
    if (!b) return V::null();
    return V::json(NesneJson(*b));
}

V TDSAdminClient::JsonNesne(const QByteArray& nesne)
{
    if (nesne.isEmpty()) return V::null();
    // Raw text goes into the request as it is, so it must be one JSON object.
    if (!QJsonDocument::fromJson(nesne).isObject())
        throw std::invalid_argument("object parameter is not a JSON object");
    return V::json(QJsonDocument::fromJson(nesne).toJson(QJsonDocument::Compact));
}

V TDSAdminClient::Geri(const TDBXCallback* geri) { return geri ? V::callback(geri->Ad) : V::null(); }

protocol::RowSet* TDSAdminClient::TabloSonuc(TDBXCommand& k)
{
    const V& v = k.Output(k.Tanim().resultOrdinal());
    std::shared_ptr<protocol::RowSet> t = v.rowSet() ? v.rowSet() : std::make_shared<protocol::RowSet>();
    if (!FInstanceOwner) return new protocol::RowSet(std::move(*t));   // the caller owns it
    k.Tablo = std::move(t);
    return k.Tablo.get();
}

TStream* TDSAdminClient::AkisSonuc(TDBXCommand& k)
{
    const V& v = k.Output(k.Tanim().resultOrdinal());
    auto s = std::make_unique<TStream>(v.kind() == protocol::ValueKind::Stream ? v.streamBytes() : QByteArray());
    if (!FInstanceOwner) return s.release();   // the caller owns it
    k.Akis = std::move(s);
    return k.Akis.get();
}

QByteArray TDSAdminClient::JsonSonuc(TDBXCommand& k)
{
    const V& v = k.Output(k.Tanim().resultOrdinal());
    return v.kind() == protocol::ValueKind::Json ? v.jsonText() : QByteArray();
}

std::unique_ptr<TSonucBilgisi> SbKopya(const TSonucBilgisi& s)
{
    auto k = std::make_unique<TSonucBilgisi>();
    k->Kopyala(s);
    return k;
}

// The commands free what they still own.
TServerMethods1Client::~TServerMethods1Client() = default;

protocol::RowSet* TServerMethods1Client::SepetVer(int carino)
{
    TDBXCommand& komut = Komut(FSepetVerCommand, "SepetVer");
    komut.Parameters[0] = V::int32(carino);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::OncekiSiparisler2(int carino)
{
    TDBXCommand& komut = Komut(FOncekiSiparisler2Command, "OncekiSiparisler2");
    komut.Parameters[0] = V::int32(carino);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::CariEkstreVer(int carino)
{
    TDBXCommand& komut = Komut(FCariEkstreVerCommand, "CariEkstreVer");
    komut.Parameters[0] = V::int32(carino);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::MivoYenilerVer(int carino)
{
    TDBXCommand& komut = Komut(FMivoYenilerVerCommand, "MivoYenilerVer");
    komut.Parameters[0] = V::int32(carino);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::MivoKampanyaliVer(int cario, int satici)
{
    TDBXCommand& komut = Komut(FMivoKampanyaliVerCommand, "MivoKampanyaliVer");
    komut.Parameters[0] = V::int32(cario);
    komut.Parameters[1] = V::int32(satici);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::BakiyelerVer(int carino)
{
    TDBXCommand& komut = Komut(FBakiyelerVerCommand, "BakiyelerVer");
    komut.Parameters[0] = V::int32(carino);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

TSonucBilgisi* TServerMethods1Client::BuyukGetir(const QString& idsi)
{
    TDBXCommand& komut = Komut(FBuyukGetirCommand, "BuyukGetir");
    komut.Parameters[0] = V::string(idsi);
    komut.ExecuteUpdate();
    return NesneSonuc<TSonucBilgisi>(komut);
}

TStream* TServerMethods1Client::ResimVer5(int stokno, qint64& boy)
{
    TDBXCommand& komut = Komut(FResimVer5Command, "ResimVer5");
    komut.Parameters[0] = V::int32(stokno);
    komut.ExecuteUpdate();
    boy = komut.Output(1).toInt64();
    return AkisSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::StokAraMivo(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi)
{
    TDBXCommand& komut = Komut(FStokAraMivoCommand, "StokAraMivo");
    komut.Parameters[0] = V::string(kod);
    komut.Parameters[1] = Nesne(std::move(bilgi));
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::TeslimVer()
{
    TDBXCommand& komut = Komut(FTeslimVerCommand, "TeslimVer");
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::KargoVer()
{
    TDBXCommand& komut = Komut(FKargoVerCommand, "KargoVer");
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::KargolarVer(int gn)
{
    TDBXCommand& komut = Komut(FKargolarVerCommand, "KargolarVer");
    komut.Parameters[0] = V::int32(gn);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

int TServerMethods1Client::SepetEkle(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                                     const QString& barkod, const QString& stokadi, double miktar, double kdv,
                                     double fiyat, double indirim, int verenid, int k)
{
    TDBXCommand& komut = Komut(FSepetEkleCommand, "SepetEkle");
    komut.Parameters[0] = Nesne(std::move(bilgim));
    komut.Parameters[1] = V::int32(carino);
    komut.Parameters[2] = V::int32(stokno);
    komut.Parameters[3] = V::string(barkod);
    komut.Parameters[4] = V::string(stokadi);
    komut.Parameters[5] = V::dbl(miktar);
    komut.Parameters[6] = V::dbl(kdv);
    komut.Parameters[7] = V::dbl(fiyat);
    komut.Parameters[8] = V::dbl(indirim);
    komut.Parameters[9] = V::int32(verenid);
    komut.Parameters[10] = V::int32(k);
    komut.ExecuteUpdate();
    return komut.Output(11).toInt32();
}

int TServerMethods1Client::SepetGuncelle(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                                         const QString& barkod, const QString& stokadi, double miktar, double kdv,
                                         double fiyat, double indirim, int verenid, int _sepetsirano)
{
    TDBXCommand& komut = Komut(FSepetGuncelleCommand, "SepetGuncelle");
    komut.Parameters[0] = Nesne(std::move(bilgim));
    komut.Parameters[1] = V::int32(carino);
    komut.Parameters[2] = V::int32(stokno);
    komut.Parameters[3] = V::string(barkod);
    komut.Parameters[4] = V::string(stokadi);
    komut.Parameters[5] = V::dbl(miktar);
    komut.Parameters[6] = V::dbl(kdv);
    komut.Parameters[7] = V::dbl(fiyat);
    komut.Parameters[8] = V::dbl(indirim);
    komut.Parameters[9] = V::int32(verenid);
    komut.Parameters[10] = V::int32(_sepetsirano);
    komut.ExecuteUpdate();
    return komut.Output(11).toInt32();
}

int TServerMethods1Client::SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi)
{
    TDBXCommand& komut = Komut(FSepetHepsiniSilCommand, "SepetHepsiniSil");
    komut.Parameters[0] = Nesne(std::move(bilgi));
    komut.ExecuteUpdate();
    return komut.Output(1).toInt32();
}

int TServerMethods1Client::SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, int satirno, const QString& aciklamam)
{
    TDBXCommand& komut = Komut(FSepetSatirSilCommand, "SepetSatirSil");
    komut.Parameters[0] = Nesne(std::move(bilgi));
    komut.Parameters[1] = V::int32(satirno);
    komut.Parameters[2] = V::string(aciklamam);
    komut.ExecuteUpdate();
    return komut.Output(3).toInt32();
}

bool TServerMethods1Client::SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, int _carino, int _teslim, int _kargo,
                                          const QString& _aciklama, int _verenid, int _kargoyeni)
{
    TDBXCommand& komut = Komut(FSiparisKaydetCommand, "SiparisKaydet");
    komut.Parameters[0] = Nesne(std::move(BB));
    komut.Parameters[1] = V::int32(_carino);
    komut.Parameters[2] = V::int32(_teslim);
    komut.Parameters[3] = V::int32(_kargo);
    komut.Parameters[4] = V::string(_aciklama);
    komut.Parameters[5] = V::int32(_verenid);
    komut.Parameters[6] = V::int32(_kargoyeni);
    komut.ExecuteUpdate();
    return komut.Output(7).toBool();
}

protocol::RowSet* TServerMethods1Client::SiparisAyrintisi(int carino, int idnosu)
{
    TDBXCommand& komut = Komut(FSiparisAyrintisiCommand, "SiparisAyrintisi");
    komut.Parameters[0] = V::int32(carino);
    komut.Parameters[1] = V::int32(idnosu);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::FaturaGetir(int carino, int idnosu)
{
    TDBXCommand& komut = Komut(FFaturaGetirCommand, "FaturaGetir");
    komut.Parameters[0] = V::int32(carino);
    komut.Parameters[1] = V::int32(idnosu);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::FaturaAltGetir(int idnosu)
{
    TDBXCommand& komut = Komut(FFaturaAltGetirCommand, "FaturaAltGetir");
    komut.Parameters[0] = V::int32(idnosu);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::Tahsilat(int idnosu)
{
    TDBXCommand& komut = Komut(FTahsilatCommand, "Tahsilat");
    komut.Parameters[0] = V::int32(idnosu);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

int TServerMethods1Client::BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                                         int siparissirano, double Adet, double Bakiye, const QString& barkod)
{
    TDBXCommand& komut = Komut(FBakiyeDuzenleCommand, "BakiyeDuzenle");
    komut.Parameters[0] = Nesne(std::move(k));
    komut.Parameters[1] = V::int32(stokno);
    komut.Parameters[2] = V::int32(sepetsirano);
    komut.Parameters[3] = V::int32(siparissirano);
    komut.Parameters[4] = V::dbl(Adet);
    komut.Parameters[5] = V::dbl(Bakiye);
    komut.Parameters[6] = V::string(barkod);
    komut.ExecuteUpdate();
    return komut.Output(7).toInt32();
}

int TServerMethods1Client::BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                                          int siparissirano, double Adet, double Bakiye, const QString& barkod)
{
    TDBXCommand& komut = Komut(FBakiyeDegistirCommand, "BakiyeDegistir");
    komut.Parameters[0] = Nesne(std::move(k));
    komut.Parameters[1] = V::int32(stokno);
    komut.Parameters[2] = V::int32(sepetsirano);
    komut.Parameters[3] = V::int32(siparissirano);
    komut.Parameters[4] = V::dbl(Adet);
    komut.Parameters[5] = V::dbl(Bakiye);
    komut.Parameters[6] = V::string(barkod);
    komut.ExecuteUpdate();
    return komut.Output(7).toInt32();
}

int TServerMethods1Client::BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                                               int siparissirano, double Adet, double Bakiye, const QString& barkod,
                                               double fiyat, double ind)
{
    TDBXCommand& komut = Komut(FBakiyeFiyatDegistirCommand, "BakiyeFiyatDegistir");
    komut.Parameters[0] = Nesne(std::move(k));
    komut.Parameters[1] = V::int32(stokno);
    komut.Parameters[2] = V::int32(sepetsirano);
    komut.Parameters[3] = V::int32(siparissirano);
    komut.Parameters[4] = V::dbl(Adet);
    komut.Parameters[5] = V::dbl(Bakiye);
    komut.Parameters[6] = V::string(barkod);
    komut.Parameters[7] = V::dbl(fiyat);
    komut.Parameters[8] = V::dbl(ind);
    komut.ExecuteUpdate();
    return komut.Output(9).toInt32();
}

TSiparisDipAyrinti* TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu)
{
    TDBXCommand& komut = Komut(FSiparisAytintisiDipCommand, "SiparisAytintisiDip");
    komut.Parameters[0] = V::int32(carino);
    komut.Parameters[1] = V::int32(siranosu);
    komut.ExecuteUpdate();
    return NesneSonuc<TSiparisDipAyrinti>(komut);
}

protocol::RowSet* TServerMethods1Client::CariAra(std::unique_ptr<TSonucBilgisi> bil, const QString& aranan)
{
    TDBXCommand& komut = Komut(FCariAraCommand, "CariAra");
    komut.Parameters[0] = Nesne(std::move(bil));
    komut.Parameters[1] = V::string(aranan);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

int TServerMethods1Client::SepetSayisi(std::unique_ptr<TSonucBilgisi> bil)
{
    TDBXCommand& komut = Komut(FSepetSayisiCommand, "SepetSayisi");
    komut.Parameters[0] = Nesne(std::move(bil));
    komut.ExecuteUpdate();
    return komut.Output(1).toInt32();
}

TTusSonuclari* TServerMethods1Client::TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil)
{
    TDBXCommand& komut = Komut(FTusSonuclariVerCommand, "TusSonuclariVer");
    komut.Parameters[0] = Nesne(std::move(bil));
    komut.ExecuteUpdate();
    return NesneSonuc<TTusSonuclari>(komut);
}

protocol::RowSet* TServerMethods1Client::CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, int n)
{
    TDBXCommand& komut = Komut(FCariSepetVerCommand, "CariSepetVer");
    komut.Parameters[0] = Nesne(std::move(bil));
    komut.Parameters[1] = V::int32(n);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

TStream* TServerMethods1Client::BelgeIndir(int sirano, qint64& size, QString& adi)
{
    TDBXCommand& komut = Komut(FBelgeIndirCommand, "BelgeIndir");
    komut.Parameters[0] = V::int32(sirano);
    komut.ExecuteUpdate();
    size = komut.Output(1).toInt64();
    adi = komut.Output(2).toString();
    return AkisSonuc(komut);
}

QString TServerMethods1Client::KayanYaziGetir()
{
    TDBXCommand& komut = Komut(FKayanYaziGetirCommand, "KayanYaziGetir");
    komut.ExecuteUpdate();
    return komut.Output(0).toString();
}

TStream* TServerMethods1Client::BannerResimVer(qint64& size)
{
    TDBXCommand& komut = Komut(FBannerResimVerCommand, "BannerResimVer");
    komut.ExecuteUpdate();
    size = komut.Output(0).toInt64();
    return AkisSonuc(komut);
}

TStream* TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno, int carino, const QString& saticiadi,
                                           double tarih1, double tarih2, qint64& size)
{
    TDBXCommand& komut = Komut(FRaporGetirCommand, "RaporGetir");
    komut.Parameters[0] = V::int32(raporno);
    komut.Parameters[1] = V::int32(bolum);
    komut.Parameters[2] = V::int32(idno);
    komut.Parameters[3] = V::int32(carino);
    komut.Parameters[4] = V::string(saticiadi);
    komut.Parameters[5] = V::dbl(tarih1);
    komut.Parameters[6] = V::dbl(tarih2);
    komut.ExecuteUpdate();
    size = komut.Output(7).toInt64();
    return AkisSonuc(komut);
}

int TServerMethods1Client::KurlariAl(double& usd, double& eur)
{
    TDBXCommand& komut = Komut(FKurlariAlCommand, "KurlariAl");
    komut.ExecuteUpdate();
    usd = komut.Output(0).toDouble();
    eur = komut.Output(1).toDouble();
    return komut.Output(2).toInt32();
}

protocol::RowSet* TServerMethods1Client::BalonGetir(std::unique_ptr<TSonucBilgisi> bil)
{
    TDBXCommand& komut = Komut(FBalonGetirCommand, "BalonGetir");
    komut.Parameters[0] = Nesne(std::move(bil));
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::TumSiparislerVer(int carino, int stokno)
{
    TDBXCommand& komut = Komut(FTumSiparislerVerCommand, "TumSiparislerVer");
    komut.Parameters[0] = V::int32(carino);
    komut.Parameters[1] = V::int32(stokno);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

int TServerMethods1Client::MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi,
                                          const QString& adres1, const QString& adres2, const QString& ilce,
                                          const QString& sehir, const QString& telefon, const QString& fax,
                                          const QString& vd, const QString& vn, const QString& yetkili,
                                          const QString& kullaniciadi, const QString& sifre, const QString& mail,
                                          const QString& kargoambar)
{
    TDBXCommand& komut = Komut(FMailGonserCariCommand, "MailGonserCari");
    komut.Parameters[0] = V::string(idsi);
    komut.Parameters[1] = V::string(baslik);
    komut.Parameters[2] = V::string(firmaadi);
    komut.Parameters[3] = V::string(adres1);
    komut.Parameters[4] = V::string(adres2);
    komut.Parameters[5] = V::string(ilce);
    komut.Parameters[6] = V::string(sehir);
    komut.Parameters[7] = V::string(telefon);
    komut.Parameters[8] = V::string(fax);
    komut.Parameters[9] = V::string(vd);
    komut.Parameters[10] = V::string(vn);
    komut.Parameters[11] = V::string(yetkili);
    komut.Parameters[12] = V::string(kullaniciadi);
    komut.Parameters[13] = V::string(sifre);
    komut.Parameters[14] = V::string(mail);
    komut.Parameters[15] = V::string(kargoambar);
    komut.ExecuteUpdate();
    return komut.Output(16).toInt32();
}

int TServerMethods1Client::MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi,
                                                const QString& adres1, const QString& adres2, const QString& ilce,
                                                const QString& sehir, const QString& telefon, const QString& fax,
                                                const QString& vd, const QString& vn, const QString& yetkili,
                                                const QString& kullaniciadi, const QString& sifre, const QString& mail,
                                                const QString& kargoambar, const QString& konu)
{
    TDBXCommand& komut = Komut(FMailGonserCariNormalCommand, "MailGonserCariNormal");
    komut.Parameters[0] = V::string(idsi);
    komut.Parameters[1] = V::string(baslik);
    komut.Parameters[2] = V::string(firmaadi);
    komut.Parameters[3] = V::string(adres1);
    komut.Parameters[4] = V::string(adres2);
    komut.Parameters[5] = V::string(ilce);
    komut.Parameters[6] = V::string(sehir);
    komut.Parameters[7] = V::string(telefon);
    komut.Parameters[8] = V::string(fax);
    komut.Parameters[9] = V::string(vd);
    komut.Parameters[10] = V::string(vn);
    komut.Parameters[11] = V::string(yetkili);
    komut.Parameters[12] = V::string(kullaniciadi);
    komut.Parameters[13] = V::string(sifre);
    komut.Parameters[14] = V::string(mail);
    komut.Parameters[15] = V::string(kargoambar);
    komut.Parameters[16] = V::string(konu);
    komut.ExecuteUpdate();
    return komut.Output(17).toInt32();
}

TMobilCariBilgisi* TServerMethods1Client::MobilCariBilgisiGetir(int sirano, const QString& _idsi)
{
    TDBXCommand& komut = Komut(FMobilCariBilgisiGetirCommand, "MobilCariBilgisiGetir");
    komut.Parameters[0] = V::int32(sirano);
    komut.Parameters[1] = V::string(_idsi);
    komut.ExecuteUpdate();
    return NesneSonuc<TMobilCariBilgisi>(komut);
}

int TServerMethods1Client::AcilisReklamAdet()
{
    TDBXCommand& komut = Komut(FAcilisReklamAdetCommand, "AcilisReklamAdet");
    komut.ExecuteUpdate();
    return komut.Output(0).toInt32();
}

TAcilisEkran* TServerMethods1Client::AcilisREklamVer(int sira)
{
    TDBXCommand& komut = Komut(FAcilisREklamVerCommand, "AcilisREklamVer");
    komut.Parameters[0] = V::int32(sira);
    komut.ExecuteUpdate();
    return NesneSonuc<TAcilisEkran>(komut);
}

TAcilisEkranlar* TServerMethods1Client::AcilisEkranlarVer()
{
    TDBXCommand& komut = Komut(FAcilisEkranlarVerCommand, "AcilisEkranlarVer");
    komut.ExecuteUpdate();
    return NesneSonuc<TAcilisEkranlar>(komut);
}

protocol::RowSet* TServerMethods1Client::MivodeAra(const QString& s)
{
    TDBXCommand& komut = Komut(FMivodeAraCommand, "MivodeAra");
    komut.Parameters[0] = V::string(s);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::DosyaListesi2()
{
    TDBXCommand& komut = Komut(FDosyaListesi2Command, "DosyaListesi2");
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

QString TServerMethods1Client::CariDurumVer(int carino)
{
    TDBXCommand& komut = Komut(FCariDurumVerCommand, "CariDurumVer");
    komut.Parameters[0] = V::int32(carino);
    komut.ExecuteUpdate();
    return komut.Output(1).toString();
}

void TServerMethods1Client::DSServerModuleCreate(const QByteArray& Sender)
{
    TDBXCommand& komut = Komut(FDSServerModuleCreateCommand, "DSServerModuleCreate");
    komut.Parameters[0] = JsonNesne(Sender);
    komut.ExecuteUpdate();
}

QString TServerMethods1Client::EchoString(const QString& Value)
{
    TDBXCommand& komut = Komut(FEchoStringCommand, "EchoString");
    komut.Parameters[0] = V::string(Value);
    komut.ExecuteUpdate();
    return komut.Output(1).toString();
}

QString TServerMethods1Client::ReverseString(const QString& Value)
{
    TDBXCommand& komut = Komut(FReverseStringCommand, "ReverseString");
    komut.Parameters[0] = V::string(Value);
    komut.ExecuteUpdate();
    return komut.Output(1).toString();
}

protocol::RowSet* TServerMethods1Client::StokAra(const QString& kod, const QString& carino, int satici)
{
    TDBXCommand& komut = Komut(FStokAraCommand, "StokAra");
    komut.Parameters[0] = V::string(kod);
    komut.Parameters[1] = V::string(carino);
    komut.Parameters[2] = V::int32(satici);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::OncekiSiparisler(int carino)
{
    TDBXCommand& komut = Komut(FOncekiSiparislerCommand, "OncekiSiparisler");
    komut.Parameters[0] = V::int32(carino);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::CariEkstreVer2(int carino, double TARIH1, double TARIH2)
{
    TDBXCommand& komut = Komut(FCariEkstreVer2Command, "CariEkstreVer2");
    komut.Parameters[0] = V::int32(carino);
    komut.Parameters[1] = V::dbl(TARIH1);
    komut.Parameters[2] = V::dbl(TARIH2);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::CariEkstreVer2Baslik(int carino, double tarih1)
{
    TDBXCommand& komut = Komut(FCariEkstreVer2BaslikCommand, "CariEkstreVer2Baslik");
    komut.Parameters[0] = V::int32(carino);
    komut.Parameters[1] = V::dbl(tarih1);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::YenilerVer(int carino)
{
    TDBXCommand& komut = Komut(FYenilerVerCommand, "YenilerVer");
    komut.Parameters[0] = V::int32(carino);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::YenilerVerMobile(int carino)
{
    TDBXCommand& komut = Komut(FYenilerVerMobileCommand, "YenilerVerMobile");
    komut.Parameters[0] = V::int32(carino);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::KampanyaliVer(int cario, int satici)
{
    TDBXCommand& komut = Komut(FKampanyaliVerCommand, "KampanyaliVer");
    komut.Parameters[0] = V::int32(cario);
    komut.Parameters[1] = V::int32(satici);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::KampanyaliVermMobil(int cario, int satici)
{
    TDBXCommand& komut = Komut(FKampanyaliVermMobilCommand, "KampanyaliVermMobil");
    komut.Parameters[0] = V::int32(cario);
    komut.Parameters[1] = V::int32(satici);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::DuyuruVer()
{
    TDBXCommand& komut = Komut(FDuyuruVerCommand, "DuyuruVer");
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::DuyuruVer2()
{
    TDBXCommand& komut = Komut(FDuyuruVer2Command, "DuyuruVer2");
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

QByteArray TServerMethods1Client::ResimVer6(int stokno, qint64& boy)
{
    TDBXCommand& komut = Komut(FResimVer6Command, "ResimVer6");
    komut.Parameters[0] = V::int32(stokno);
    komut.ExecuteUpdate();
    boy = komut.Output(1).toInt64();
    return JsonSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::StokAraDuvra(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi)
{
    TDBXCommand& komut = Komut(FStokAraDuvraCommand, "StokAraDuvra");
    komut.Parameters[0] = V::string(kod);
    komut.Parameters[1] = Nesne(std::move(bilgi));
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::ZelaPorin(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi)
{
    TDBXCommand& komut = Komut(FZelaPorinCommand, "ZelaPorin");
    komut.Parameters[0] = V::string(kod);
    komut.Parameters[1] = Nesne(std::move(bilgi));
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

void TServerMethods1Client::CikisGonder(std::unique_ptr<TSonucBilgisi> bilgi)
{
    TDBXCommand& komut = Komut(FCikisGonderCommand, "CikisGonder");
    komut.Parameters[0] = Nesne(std::move(bilgi));
    komut.ExecuteUpdate();
}

protocol::RowSet* TServerMethods1Client::Oncekiler(int carino)
{
    TDBXCommand& komut = Komut(FOncekilerCommand, "Oncekiler");
    komut.Parameters[0] = V::int32(carino);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

TStream* TServerMethods1Client::DosyaIndir(qint64& size)
{
    TDBXCommand& komut = Komut(FDosyaIndirCommand, "DosyaIndir");
    komut.ExecuteUpdate();
    size = komut.Output(0).toInt64();
    return AkisSonuc(komut);
}

TStream* TServerMethods1Client::BelgeIndir2(int sirano, qint64& size, QString& adi,
                                            std::unique_ptr<TSonucBilgisi> bilgi)
{
    TDBXCommand& komut = Komut(FBelgeIndir2Command, "BelgeIndir2");
    komut.Parameters[0] = V::int32(sirano);
    komut.Parameters[3] = Nesne(std::move(bilgi));
    komut.ExecuteUpdate();
    size = komut.Output(1).toInt64();
    adi = komut.Output(2).toString();
    return AkisSonuc(komut);
}

void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim)
{
    TDBXCommand& komut = Komut(FSepetSecimGuncelleCommand, "SepetSecimGuncelle");
    komut.Parameters[0] = V::int32(sirano);
    komut.Parameters[1] = V::int32(secim);
    komut.ExecuteUpdate();
}

TMobilStoklar* TServerMethods1Client::MobilStokara(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi, int neresi,
                                                   int nekadar)
{
    TDBXCommand& komut = Komut(FMobilStokaraCommand, "MobilStokara");
    komut.Parameters[0] = V::string(kod);
    komut.Parameters[1] = Nesne(std::move(bilgi));
    komut.Parameters[2] = V::int32(neresi);
    komut.Parameters[3] = V::int32(nekadar);
    komut.ExecuteUpdate();
    return NesneSonuc<TMobilStoklar>(komut);
}

TMobilStok* TServerMethods1Client::MobilStokNoAra(int stokno, std::unique_ptr<TSonucBilgisi> bilgi)
{
    TDBXCommand& komut = Komut(FMobilStokNoAraCommand, "MobilStokNoAra");
    komut.Parameters[0] = V::int32(stokno);
    komut.Parameters[1] = Nesne(std::move(bilgi));
    komut.ExecuteUpdate();
    return NesneSonuc<TMobilStok>(komut);
}

TMobilSepetler* TServerMethods1Client::SepetMobilVer(int carino)
{
    TDBXCommand& komut = Komut(FSepetMobilVerCommand, "SepetMobilVer");
    komut.Parameters[0] = V::int32(carino);
    komut.ExecuteUpdate();
    return NesneSonuc<TMobilSepetler>(komut);
}

TAcilisEkranlariki* TServerMethods1Client::AcilisEkranlarVer2()
{
    TDBXCommand& komut = Komut(FAcilisEkranlarVer2Command, "AcilisEkranlarVer2");
    komut.ExecuteUpdate();
    return NesneSonuc<TAcilisEkranlariki>(komut);
}

int TServerMethods1Client::MobilStokaraGeri(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi, int neresi,
                                            int nekadar, TDBXCallback* geri)
{
    TDBXCommand& komut = Komut(FMobilStokaraGeriCommand, "MobilStokaraGeri");
    komut.Parameters[0] = V::string(kod);
    komut.Parameters[1] = Nesne(std::move(bilgi));
    komut.Parameters[2] = V::int32(neresi);
    komut.Parameters[3] = V::int32(nekadar);
    komut.Parameters[4] = Geri(geri);
    komut.ExecuteUpdate();
    return komut.Output(5).toInt32();
}

TMobilStoklar* TServerMethods1Client::MobilStokaraAdimli(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi,
                                                         int neresi, int nekadar, int ilk, int Adet, bool& kalan,
                                                         int& toplam)
{
    TDBXCommand& komut = Komut(FMobilStokaraAdimliCommand, "MobilStokaraAdimli");
    komut.Parameters[0] = V::string(kod);
    komut.Parameters[1] = Nesne(std::move(bilgi));
    komut.Parameters[2] = V::int32(neresi);
    komut.Parameters[3] = V::int32(nekadar);
    komut.Parameters[4] = V::int32(ilk);
    komut.Parameters[5] = V::int32(Adet);
    komut.ExecuteUpdate();
    kalan = komut.Output(6).toBool();
    toplam = komut.Output(7).toInt32();
    return NesneSonuc<TMobilStoklar>(komut);
}

protocol::RowSet* TServerMethods1Client::DepartmanlariGetir()
{
    TDBXCommand& komut = Komut(FDepartmanlariGetirCommand, "DepartmanlariGetir");
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::DosyaListesi()
{
    TDBXCommand& komut = Komut(FDosyaListesiCommand, "DosyaListesi");
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::AcilisEkranlariVerData()
{
    TDBXCommand& komut = Komut(FAcilisEkranlariVerDataCommand, "AcilisEkranlariVerData");
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

QString TServerMethods1Client::BuyukResimVer(int stokno, int& boy)
{
    TDBXCommand& komut = Komut(FBuyukResimVerCommand, "BuyukResimVer");
    komut.Parameters[0] = V::int32(stokno);
    komut.ExecuteUpdate();
    boy = komut.Output(1).toInt32();
    return komut.Output(2).toString();
}

TStream* TServerMethods1Client::HttpResimVer(int stokno)
{
    TDBXCommand& komut = Komut(FHttpResimVerCommand, "HttpResimVer");
    komut.Parameters[0] = V::int32(stokno);
    komut.ExecuteUpdate();
    return AkisSonuc(komut);
}

QString TServerMethods1Client::KucukResimVer(int stokno)
{
    TDBXCommand& komut = Komut(FKucukResimVerCommand, "KucukResimVer");
    komut.Parameters[0] = V::int32(stokno);
    komut.ExecuteUpdate();
    return komut.Output(1).toString();
}

bool TServerMethods1Client::SifremiUnuttum(const QString& idsi, int& mailvarmi)
{
    TDBXCommand& komut = Komut(FSifremiUnuttumCommand, "SifremiUnuttum");
    komut.Parameters[0] = V::string(idsi);
    komut.ExecuteUpdate();
    mailvarmi = komut.Output(1).toInt32();
    return komut.Output(2).toBool();
}

int TServerMethods1Client::BalonGetir2(int carino, int& sepet, int& yenistok, int& kampnayali, int& duyuru, int& Bakiye,
                                       int& dosya)
{
    TDBXCommand& komut = Komut(FBalonGetir2Command, "BalonGetir2");
    komut.Parameters[0] = V::int32(carino);
    komut.ExecuteUpdate();
    sepet = komut.Output(1).toInt32();
    yenistok = komut.Output(2).toInt32();
    kampnayali = komut.Output(3).toInt32();
    duyuru = komut.Output(4).toInt32();
    Bakiye = komut.Output(5).toInt32();
    dosya = komut.Output(6).toInt32();
    return komut.Output(7).toInt32();
}

int TServerMethods1Client::MobilSiparisKaydet(int idnosu)
{
    TDBXCommand& komut = Komut(FMobilSiparisKaydetCommand, "MobilSiparisKaydet");
    komut.Parameters[0] = V::int32(idnosu);
    komut.ExecuteUpdate();
    return komut.Output(1).toInt32();
}

protocol::RowSet* TServerMethods1Client::RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1,
                                                               double tarih2)
{
    TDBXCommand& komut = Komut(FRaporAlinanSiparislerCommand, "RaporAlinanSiparisler");
    komut.Parameters[0] = Nesne(std::move(bilgi));
    komut.Parameters[1] = V::dbl(tarih1);
    komut.Parameters[2] = V::dbl(tarih2);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

protocol::RowSet* TServerMethods1Client::RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1,
                                                                  double tarih2)
{
    TDBXCommand& komut = Komut(FRaporEnCokSatilanStoklarCommand, "RaporEnCokSatilanStoklar");
    komut.Parameters[0] = Nesne(std::move(bilgi));
    komut.Parameters[1] = V::dbl(tarih1);
    komut.Parameters[2] = V::dbl(tarih2);
    komut.ExecuteUpdate();
    return TabloSonuc(komut);
}

TStream* TServerMethods1Client::SelvanoraVer()
{
    TDBXCommand& komut = Komut(FSelvanoraVerCommand, "SelvanoraVer");
    komut.ExecuteUpdate();
    return AkisSonuc(komut);
}
}   // namespace mivo
