#include "mesajkutusu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace mivo {

namespace {

int gFont = 15;

QMessageBox::StandardButton standart(TMsgDlgBtn b)
{
    switch (b) {
    case mbYes: return QMessageBox::Yes;
    case mbNo: return QMessageBox::No;
    case mbOK: return QMessageBox::Ok;
    case mbCancel: return QMessageBox::Cancel;
    case mbAbort: return QMessageBox::Abort;
    case mbRetry: return QMessageBox::Retry;
    case mbIgnore: return QMessageBox::Ignore;
    case mbAll: return QMessageBox::YesToAll;   // replaced by a plain button below
    case mbNoToAll: return QMessageBox::NoToAll;
    case mbYesToAll: return QMessageBox::YesToAll;
    case mbHelp: return QMessageBox::Help;
    case mbClose: return QMessageBox::Close;
    }
    return QMessageBox::Ok;
}

class GercekDiyaloglar : public DiyalogServisi {
public:
    int goster(const DiyalogIstegi& istek) override
    {
        if (istek.tur == DiyalogIstegi::HataRaporu) {
            QMessageBox m(QMessageBox::Critical, QApplication::applicationName(), istek.metin, QMessageBox::Ok);
            m.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
            m.exec();
            return mrOk;
        }
        auto m = MesajKutusuOlustur(istek);
        if (istek.tur == DiyalogIstegi::DuzKutu) m->setWindowTitle(istek.baslik);
        switch (istek.dlgType) {
        case mtWarning: case mtError: case mtInformation: case mtConfirmation: QApplication::beep(); break;
        case mtCustom: break;
        }
        m->exec();
        QAbstractButton* tik = m->clickedButton();
        const QVariant r = tik ? tik->property("mivoSonuc") : QVariant();
        return r.isValid() ? r.toInt() : (istek.dugmeler.contains(mbCancel) ? mrCancel : mrNone);
    }
};

std::shared_ptr<DiyalogServisi>& servis()
{
    static std::shared_ptr<DiyalogServisi> s = std::make_shared<GercekDiyaloglar>();
    return s;
}

} // namespace

int ModalSonuc(TMsgDlgBtn b)
{
    switch (b) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrNoToAll;
    case mbYesToAll: return mrYesToAll;
    case mbHelp: return mrHelp;
    case mbClose: return mrClose;
    }
    return mrNone;
}

QString DugmeMetni(TMsgDlgBtn b)
{
    switch (b) {
    case mbYes: return QStringLiteral("Evet");
    case mbNo: return QStringLiteral("Hayır");
    case mbCancel: return QStringLiteral("Vazgeç");
    case mbOK: return QStringLiteral("Tamam");
    case mbAbort: return QStringLiteral("İptal");
    case mbRetry: return QStringLiteral("Tekrar");
    case mbIgnore: return QStringLiteral("Atla");
    case mbYesToAll: return QStringLiteral("Tümüne Evet");
    case mbNoToAll: return QStringLiteral("Tümüne Hayır");
    case mbHelp: return QStringLiteral("Yardım");
    case mbAll: return QStringLiteral("&All");
    case mbClose: return QStringLiteral("&Close");
    }
    return {};
}

DiyalogServisi& diyaloglar() { return *servis(); }

void DiyalogServisiKur(std::shared_ptr<DiyalogServisi> s)
{
    servis() = s ? std::move(s) : std::make_shared<GercekDiyaloglar>();
}

void MesajFontBoyuAyarla(int px) { gFont = px; }
int MesajFontBoyu() { return gFont; }

std::unique_ptr<QMessageBox> MesajKutusuOlustur(const DiyalogIstegi& istek, QWidget* parent)
{
    auto m = std::make_unique<QMessageBox>(parent);
    m->setText(istek.metin);
    QFont f = m->font();
    f.setPixelSize(gFont);
    m->setFont(f);
    switch (istek.dlgType) {
    case mtWarning: m->setIcon(QMessageBox::Warning); m->setWindowTitle(QStringLiteral("Uyarı")); break;
    case mtError: m->setIcon(QMessageBox::Critical); m->setWindowTitle(QStringLiteral("Hata")); break;
    case mtInformation: m->setIcon(QMessageBox::Information); m->setWindowTitle(QStringLiteral("Bilgi")); break;
    case mtConfirmation: m->setIcon(QMessageBox::Question); m->setWindowTitle(QStringLiteral("Soru")); break;
    case mtCustom: m->setWindowTitle(QApplication::applicationName()); break;
    }
    // The platform's order of buttons, with the default one first in the tab order.
    static const TMsgDlgBtn sira[] = {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore,
                                      mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose};
    QVector<QPushButton*> dugmeler;
    QPushButton* varsayilan = nullptr;
    for (TMsgDlgBtn b : sira) {
        if (!istek.dugmeler.contains(b)) continue;
        QPushButton* p = (b == mbAll) ? m->addButton(DugmeMetni(b), QMessageBox::AcceptRole)
                                      : m->addButton(standart(b));
        p->setText(DugmeMetni(b));
        p->setProperty("mivoSonuc", ModalSonuc(b));
        p->setProperty("mivoDugme", int(b));
        dugmeler.push_back(p);
        if (b == istek.varsayilan) varsayilan = p;
    }
    if (varsayilan) {
        QWidget* onceki = varsayilan;
        for (QPushButton* p : dugmeler)
            if (p != varsayilan) { QWidget::setTabOrder(onceki, p); onceki = p; }
    }
    // Focus and Enter: OK when present, otherwise Yes, otherwise Retry.
    QPushButton* odak = nullptr;
    for (TMsgDlgBtn b : {mbOK, mbYes, mbRetry}) {
        for (QPushButton* p : dugmeler)
            if (p->property("mivoDugme").toInt() == int(b)) { odak = p; break; }
        if (odak) break;
    }
    if (odak) m->setDefaultButton(odak);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        m->adjustSize();
        m->move(s->geometry().center() - m->rect().center());
    }
    return m;
}

int MesajKutusu(const QString& Msg, TMsgDlgType DlgType, const TMsgDlgButtons& Buttons, TMsgDlgBtn DefaultButton)
{
    DiyalogIstegi i;
    i.tur = DiyalogIstegi::Mesaj;
    i.metin = Msg;
    i.dlgType = DlgType;
    i.dugmeler = Buttons;
    i.varsayilan = DefaultButton;
    return diyaloglar().goster(i);
}

int DuzMesaj(const QString& metin, const QString& baslik, TMsgDlgType tur)
{
    DiyalogIstegi i;
    i.tur = DiyalogIstegi::DuzKutu;
    i.metin = metin;
    i.baslik = baslik;
    i.dlgType = tur;
    i.dugmeler = {mbOK};
    i.varsayilan = mbOK;
    return diyaloglar().goster(i);
}

void HataRaporu(const QString& mesaj)
{
    DiyalogIstegi i;
    i.tur = DiyalogIstegi::HataRaporu;
    i.metin = mesaj;
    i.dlgType = mtError;
    i.dugmeler = {mbOK};
    diyaloglar().goster(i);
}

} // namespace mivo
