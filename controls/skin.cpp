#include "skin.h"

#include "controls/kaynaklar.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QPalette>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>

namespace mivo {

const char* const kOfficeSkin = "Office2010 Blue (internal)";
const char* const kWinterSkin = "Winter2011 (internal)";

namespace {
QString gAktif = QString::fromLatin1(kOfficeSkin);

using Renkler = QHash<QString, QString>;

Renkler officeRenkleri()
{
    return {
        {"pencere", "#cfddee"}, {"panel", "#dfe9f5"}, {"taban", "#ffffff"}, {"yazi", "#1e395b"},
        {"soluk", "#8d9db3"}, {"kenar", "#8ba0bc"}, {"izgara", "#c5d3e6"}, {"ipucu", "#fdfdfd"},
        {"baslikYazi", "#15428b"}, {"baslikUst", "#f6f9fd"}, {"baslikOrta", "#e4ecf7"}, {"baslikAlt", "#d4e1f2"},
        {"baslikKenar", "#a7bcd8"},
        {"dugmeUst", "#fbfcfe"}, {"dugmeOrta", "#e8eff9"}, {"dugmeAlt", "#d3e0f1"}, {"dugmeKenar", "#8ba0bc"},
        {"vurguUst", "#fff9de"}, {"vurguAlt", "#ffe38e"}, {"vurguKenar", "#e3b43b"},
        {"basiliUst", "#fdd989"}, {"basiliAlt", "#f8b94a"},
        {"secim", "#fbe29b"}, {"secimYazi", "#1e2a3a"}, {"secimKenar", "#d9a634"},
        {"kaydirmaZemin", "#e9eff7"}, {"ilerlemeUst", "#7fd17f"}, {"ilerlemeAlt", "#3a9e3f"},
    };
}

Renkler kisRenkleri()
{
    return {
        {"pencere", "#e8eef4"}, {"panel", "#f3f6f9"}, {"taban", "#ffffff"}, {"yazi", "#2b3a4a"},
        {"soluk", "#9aa7b5"}, {"kenar", "#9fb1c4"}, {"izgara", "#d6e0ea"}, {"ipucu", "#ffffff"},
        {"baslikYazi", "#24476b"}, {"baslikUst", "#ffffff"}, {"baslikOrta", "#eef3f8"}, {"baslikAlt", "#dde6ef"},
        {"baslikKenar", "#b8c7d6"},
        {"dugmeUst", "#ffffff"}, {"dugmeOrta", "#eef3f8"}, {"dugmeAlt", "#d9e3ed"}, {"dugmeKenar", "#93a7bc"},
        {"vurguUst", "#eaf6ff"}, {"vurguAlt", "#bfe2fb"}, {"vurguKenar", "#4a98d3"},
        {"basiliUst", "#aad5f5"}, {"basiliAlt", "#7dbbe8"},
        {"secim", "#c3e1f7"}, {"secimYazi", "#102a43"}, {"secimKenar", "#4a98d3"},
        {"kaydirmaZemin", "#eff3f7"}, {"ilerlemeUst", "#8fd0f0"}, {"ilerlemeAlt", "#3b8fc8"},
    };
}

QPalette paletOlustur(const Renkler& r)
{
    QPalette p = QStyleFactory::create(QStringLiteral("Fusion")) ? QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette()
                                                                  : QApplication::palette();
    auto c = [&r](const char* k) { return QColor(r.value(QString::fromLatin1(k))); };
    p.setColor(QPalette::Window, c("pencere"));
    p.setColor(QPalette::WindowText, c("yazi"));
    p.setColor(QPalette::Base, c("taban"));
    p.setColor(QPalette::AlternateBase, c("panel"));
    p.setColor(QPalette::Text, c("yazi"));
    p.setColor(QPalette::Button, c("dugmeAlt"));
    p.setColor(QPalette::ButtonText, c("yazi"));
    p.setColor(QPalette::Highlight, c("secim"));
    p.setColor(QPalette::HighlightedText, c("secimYazi"));
    p.setColor(QPalette::Mid, c("kenar"));
    p.setColor(QPalette::Dark, c("kenar").darker(120));
    p.setColor(QPalette::Light, c("taban"));
    p.setColor(QPalette::ToolTipBase, c("ipucu"));
    p.setColor(QPalette::ToolTipText, c("yazi"));
    p.setColor(QPalette::Link, c("baslikYazi"));
    p.setColor(QPalette::Disabled, QPalette::Text, c("soluk"));
    p.setColor(QPalette::Disabled, QPalette::WindowText, c("soluk"));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, c("soluk"));
    return p;
}

// Selected tabs of the page control use these (the tab bar paints from the palette).
void sekmeRenkleri(QPalette& p, bool kis)
{
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    Q_UNUSED(kis);
}
} // namespace

QString SkinStilSayfasi(const QString& ad)
{
    KaynaklariYukle();
    QFile f(QStringLiteral(":/mivo/skin.qss"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString qss = QString::fromUtf8(f.readAll());
    const Renkler r = ad == QLatin1String(kWinterSkin) ? kisRenkleri() : officeRenkleri();
    // Longest names first, so "@baslikUst" is not eaten by a shorter "@baslik".
    QStringList adlar = r.keys();
    std::sort(adlar.begin(), adlar.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& k : adlar) qss.replace(QLatin1Char('@') + k, r.value(k));
    return qss;
}

void SkinSec(const QString& ad)
{
    // Only the two internal skins exist; anything else falls back to the default one.
    gAktif = ad == QLatin1String(kWinterSkin) ? ad : QString::fromLatin1(kOfficeSkin);
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) return;
    if (QStyle* s = QStyleFactory::create(QStringLiteral("Fusion"))) app->setStyle(s);
    const bool kis = gAktif == QLatin1String(kWinterSkin);
    QPalette p = paletOlustur(kis ? kisRenkleri() : officeRenkleri());
    sekmeRenkleri(p, kis);
    app->setPalette(p);
    app->setStyleSheet(SkinStilSayfasi(gAktif));
}

QString AktifSkin() { return gAktif; }

} // namespace mivo
