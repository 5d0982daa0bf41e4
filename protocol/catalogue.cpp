#include "catalogue.h"

namespace protocol {

namespace {

using P = ParamSpec;
using T = ParamType;
using R = ResultType;

constexpr T I = T::Integer, S = T::String, D = T::Double, SB = T::SonucBilgisi;

std::vector<MethodSpec> build()
{
    const std::vector<P> sepetArgs = {{"bilgim", SB}, {"carino", I}, {"stokno", I}, {"barkod", S}, {"stokadi", S},
                                      {"miktar", D}, {"kdv", D}, {"fiyat", D}, {"indirim", D}, {"verenid", I}};
    const std::vector<P> bakiyeArgs = {{"k", SB}, {"stokno", I}, {"sepetsirano", I}, {"siparissirano", I},
                                       {"Adet", D}, {"Bakiye", D}, {"barkod", S}};
    const std::vector<P> mailArgs = {{"idsi", S}, {"baslik", S}, {"firmaadi", S}, {"adres1", S}, {"adres2", S},
                                     {"ilce", S}, {"sehir", S}, {"telefon", S}, {"fax", S}, {"vd", S}, {"vn", S},
                                     {"yetkili", S}, {"kullaniciadi", S}, {"sifre", S}, {"mail", S},
                                     {"kargoambar", S}};
    auto plus = [](std::vector<P> a, std::initializer_list<P> b) { a.insert(a.end(), b); return a; };

    std::vector<MethodSpec> m = {
        // Called by the client.
        {"SepetVer", {{"carino", I}}, R::RowSet, "", true},
        {"OncekiSiparisler2", {{"carino", I}}, R::RowSet, "", true},
        {"CariEkstreVer", {{"carino", I}}, R::RowSet, "", true},
        {"MivoYenilerVer", {{"carino", I}}, R::RowSet, "", true},
        {"MivoKampanyaliVer", {{"cario", I}, {"satici", I}}, R::RowSet, "", true},
        {"BakiyelerVer", {{"carino", I}}, R::RowSet, "", true},
        {"BuyukGetir", {{"idsi", S}}, R::Object, "baglantiu.TSonucBilgisi", true},
        {"ResimVer5", {{"stokno", I}, {"boy", T::Int64, true}}, R::Stream, "", true},
        {"StokAraMivo", {{"kod", S}, {"bilgi", SB}}, R::RowSet, "", true},
        {"TeslimVer", {}, R::RowSet, "", true},
        {"KargoVer", {}, R::RowSet, "", true},
        {"KargolarVer", {{"gn", I}}, R::RowSet, "", true},
        {"SepetEkle", plus(sepetArgs, {{"k", I}}), R::Integer, "", true},
        {"SepetGuncelle", plus(sepetArgs, {{"_sepetsirano", I}}), R::Integer, "", true},
        {"SepetHepsiniSil", {{"bilgi", SB}}, R::Integer, "", true},
        {"SepetSatirSil", {{"bilgi", SB}, {"satirno", I}, {"aciklamam", S}}, R::Integer, "", true},
        {"SiparisKaydet", {{"BB", SB}, {"_carino", I}, {"_teslim", I}, {"_kargo", I}, {"_aciklama", S},
                           {"_verenid", I}, {"_kargoyeni", I}}, R::Boolean, "", true},
        {"SiparisAyrintisi", {{"carino", I}, {"idnosu", I}}, R::RowSet, "", true},
        {"FaturaGetir", {{"carino", I}, {"idnosu", I}}, R::RowSet, "", true},
        {"FaturaAltGetir", {{"idnosu", I}}, R::RowSet, "", true},
        {"Tahsilat", {{"idnosu", I}}, R::RowSet, "", true},
        {"BakiyeDuzenle", bakiyeArgs, R::Integer, "", true},
        {"BakiyeDegistir", bakiyeArgs, R::Integer, "", true},
        {"BakiyeFiyatDegistir", plus(bakiyeArgs, {{"fiyat", D}, {"ind", D}}), R::Integer, "", true},
        {"SiparisAytintisiDip", {{"carino", I}, {"siranosu", I}}, R::Object, "baglantiu.TSiparisDipAyrinti", true},
        {"CariAra", {{"bil", SB}, {"aranan", S}}, R::RowSet, "", true},
        {"SepetSayisi", {{"bil", SB}}, R::Integer, "", true},
        {"TusSonuclariVer", {{"bil", SB}}, R::Object, "baglantiu.TTusSonuclari", true},
        {"CariSepetVer", {{"bil", SB}, {"n", I}}, R::RowSet, "", true},
        {"BelgeIndir", {{"sirano", I}, {"size", T::Int64, true}, {"adi", S, true}}, R::Stream, "", true},
        {"KayanYaziGetir", {}, R::String, "", true},
        {"BannerResimVer", {{"size", T::Int64, true}}, R::Stream, "", true},
        {"RaporGetir", {{"raporno", I}, {"bolum", I}, {"idno", I}, {"carino", I}, {"saticiadi", S},
                        {"tarih1", D}, {"tarih2", D}, {"size", T::Int64, true}}, R::Stream, "", true},
        {"KurlariAl", {{"usd", D, true}, {"eur", D, true}}, R::Integer, "", true},
        {"BalonGetir", {{"bil", SB}}, R::RowSet, "", true},
        {"TumSiparislerVer", {{"carino", I}, {"stokno", I}}, R::RowSet, "", true},
        {"MailGonserCari", mailArgs, R::Integer, "", true},
        {"MailGonserCariNormal", plus(mailArgs, {{"konu", S}}), R::Integer, "", true},
        {"MobilCariBilgisiGetir", {{"sirano", I}, {"_idsi", S}}, R::Object, "mobilstokunit.TMobilCariBilgisi", true},
        {"AcilisReklamAdet", {}, R::Integer, "", true},
        {"AcilisREklamVer", {{"sira", I}}, R::Object, "mobilstokunit.TAcilisEkran", true},
        {"AcilisEkranlarVer", {}, R::Object, "mobilstokunit.TAcilisEkranlar", true},
        {"MivodeAra", {{"s", S}}, R::RowSet, "", true},
        {"DosyaListesi2", {}, R::RowSet, "", true},
        {"CariDurumVer", {{"carino", I}}, R::String, "", true},

        // Part of the client class, not called by this program.
        {"DSServerModuleCreate", {{"Sender", T::Object}}, R::None},
        {"EchoString", {{"Value", S}}, R::String},
        {"ReverseString", {{"Value", S}}, R::String},
        {"StokAra", {{"kod", S}, {"carino", S}, {"satici", I}}, R::RowSet},
        {"OncekiSiparisler", {{"carino", I}}, R::RowSet},
        {"CariEkstreVer2", {{"carino", I}, {"TARIH1", D}, {"TARIH2", D}}, R::RowSet},
        {"CariEkstreVer2Baslik", {{"carino", I}, {"tarih1", D}}, R::RowSet},
        {"YenilerVer", {{"carino", I}}, R::RowSet},
        {"YenilerVerMobile", {{"carino", I}}, R::RowSet},
        {"KampanyaliVer", {{"cario", I}, {"satici", I}}, R::RowSet},
        {"KampanyaliVermMobil", {{"cario", I}, {"satici", I}}, R::RowSet},
        {"DuyuruVer", {}, R::RowSet},
        {"DuyuruVer2", {}, R::RowSet},
        {"ResimVer6", {{"stokno", I}, {"boy", T::Int64, true}}, R::JsonArray},
        {"StokAraDuvra", {{"kod", S}, {"bilgi", SB}}, R::RowSet},
        {"ZelaPorin", {{"kod", S}, {"bilgi", SB}}, R::RowSet},
        {"CikisGonder", {{"bilgi", SB}}, R::None},
        {"Oncekiler", {{"carino", I}}, R::RowSet},
        {"DosyaIndir", {{"size", T::Int64, true}}, R::Stream},
        {"BelgeIndir2", {{"sirano", I}, {"size", T::Int64, true}, {"adi", S, true}, {"bilgi", SB}}, R::Stream},
        {"SepetSecimGuncelle", {{"sirano", I}, {"secim", I}}, R::None},
        {"MobilStokara", {{"kod", S}, {"bilgi", SB}, {"neresi", I}, {"nekadar", I}}, R::Object,
         "mobilstokunit.TMobilStoklar"},
        {"MobilStokNoAra", {{"stokno", I}, {"bilgi", SB}}, R::Object, "mobilstokunit.TMobilStok"},
        {"SepetMobilVer", {{"carino", I}}, R::Object, "mobilstokunit.TMobilSepetler"},
        {"AcilisEkranlarVer2", {}, R::Object, "mobilstokunit.TAcilisEkranlariki"},
        {"MobilStokaraGeri", {{"kod", S}, {"bilgi", SB}, {"neresi", I}, {"nekadar", I}, {"geri", T::Callback}},
         R::Integer},
        {"MobilStokaraAdimli", {{"kod", S}, {"bilgi", SB}, {"neresi", I}, {"nekadar", I}, {"ilk", I}, {"Adet", I},
                                {"kalan", T::Boolean, true}, {"toplam", I, true}}, R::Object,
         "mobilstokunit.TMobilStoklar"},
        {"DepartmanlariGetir", {}, R::RowSet},
        {"DosyaListesi", {}, R::RowSet},
        {"AcilisEkranlariVerData", {}, R::RowSet},
        {"BuyukResimVer", {{"stokno", I}, {"boy", I, true}}, R::String},
        {"HttpResimVer", {{"stokno", I}}, R::Stream},
        {"KucukResimVer", {{"stokno", I}}, R::String},
        {"SifremiUnuttum", {{"idsi", S}, {"mailvarmi", I, true}}, R::Boolean},
        {"BalonGetir2", {{"carino", I}, {"sepet", I, true}, {"yenistok", I, true}, {"kampnayali", I, true},
                         {"duyuru", I, true}, {"Bakiye", I, true}, {"dosya", I, true}}, R::Integer},
        {"MobilSiparisKaydet", {{"idnosu", I}}, R::Integer},
        {"RaporAlinanSiparisler", {{"bilgi", SB}, {"tarih1", D}, {"tarih2", D}}, R::RowSet},
        {"RaporEnCokSatilanStoklar", {{"bilgi", SB}, {"tarih1", D}, {"tarih2", D}}, R::RowSet},
        {"SelvanoraVer", {}, R::Stream},
    };
    return m;
}

} // namespace

const std::vector<MethodSpec>& methods()
{
    static const std::vector<MethodSpec> all = build();
    return all;
}

const MethodSpec* findMethod(QStringView name)
{
    for (const auto& m : methods())
        if (name == QLatin1String(m.name)) return &m;
    return nullptr;
}

const MethodSpec* findCommand(QStringView command)
{
    static const QLatin1String prefix("TServerMethods1.");
    if (!command.startsWith(prefix)) return nullptr;
    return findMethod(command.mid(prefix.size()));
}

} // namespace protocol
