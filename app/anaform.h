#pragma once
// TForm1: the main window. Its construction runs the whole start-up.
#include "server/baglanti.h"
#include "server/baglantiu.h"
#include "server/memtable.h"
#include "login/anabaglam.h"

#include <QDate>
#include <QMainWindow>
#include <functional>

class QLabel;
class QLineEdit;
class QMenu;
class QMovie;
class QToolButton;
class QAction;

namespace mivo {

class TsPageControl;
class TsTabSheet;
class TStokListesi;
class TSepetSayfasi;

// true from 26 December to 5 January.
bool YilbasiDonemi(const QDate& bugun = QDate::currentDate());

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Runs the login and returns its modal result; tests replace it.
    using GirisCalistirici = std::function<int(QWidget* sahip, TSQLConnection& bagim, TSonucBilgisi& bilgim)>;
    static GirisCalistirici& Giris();

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // False when the start-up ended the process (only seen when a test intercepts the end).
    bool Basladi() const { return basladi_; }

    TSonucBilgisi sbilgi;
    TSQLConnection bagc;

    bool _indirmeyapiliyormu = false;
    int _acilisadet = 0;
    double _USDKUR = 1.0;
    double _EURKUR = 1.0;

    // In-memory tables of the tabs.
    TMemTable stok, sepet, kargo, ONCEKILER, EKSTRE, YENILER, kampstok, MIVOLISTE, dosyatable;

    // Header, tool bar and work area.
    QLabel* kullanicilbl = nullptr;
    QLabel* cariadilbl = nullptr;
    QLabel* saticilbl = nullptr;
    QLabel* RxGIFAnimator1 = nullptr;
    QToolButton* sSpeedButton1 = nullptr;
    QMenu* Genelmenu = nullptr;
    QAction* M1 = nullptr;
    QAction* N4 = nullptr;
    QAction* WebSitesi1 = nullptr;
    QAction* G1 = nullptr;
    QLineEdit* araedit = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* musteritus = nullptr;
    QLabel* kurlar = nullptr;
    QLabel *gifstokara = nullptr, *gifyeniler = nullptr, *gifkampanyali = nullptr, *gifduyuru = nullptr,
           *gifekstre = nullptr, *gifoncekiler = nullptr, *gifsanalpos = nullptr, *gifdosyalar = nullptr,
           *gifmivoara = nullptr;
    TsPageControl* sPageControl1 = nullptr;
    TsTabSheet *sstoklistesi = nullptr, *ssepet = nullptr, *sonceki = nullptr, *sccariekstre = nullptr,
               *syeniler = nullptr, *skampanyali = nullptr, *sTabSheetduyuru = nullptr, *sTabbakiyeler = nullptr,
               *sTabSheet2 = nullptr, *tabdosyalar = nullptr, *sanalkart = nullptr;
    QLabel* kayanyazi = nullptr;

    // What the tabs of other subsystems are handed, and the tabs themselves.
    AnaBaglam baglam;
    TStokListesi* stokListesi = nullptr;
    TSepetSayfasi* sepetSayfasi = nullptr;
    QWidget* RealTimeMarquee1 = nullptr;

    // Operations used by other parts of the program.
    void UstBilgiYaz();
    bool GirisYap();
    void WebSitesi1Click();
    void SpeedButton2Click();
    void SpeedButton1Click();

    // Where the web-site item sends the shell; tests replace it.
    static std::function<bool(const QUrl&)>& KabukAc();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCreate();
    void ArayuzKur();
    void KullaniciTipiUygula();
    void BaslangicGorevi();
    QLabel* MesgulGostergesi(const QString& ad);
    bool basladi_ = false;
};

} // namespace mivo
