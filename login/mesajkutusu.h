#pragma once
// The one way the system informs and asks the user. Every dialog goes through
// the service below; tests install a scripted responder in its place.
#include <QString>
#include <QVector>
#include <memory>

class QMessageBox;
class QWidget;

namespace mivo {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using TMsgDlgButtons = QVector<TMsgDlgBtn>;

// Modal results.
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7,
             mrClose = 8, mrHelp = 9, mrAll = 12, mrNoToAll = 13, mrYesToAll = 14 };

int ModalSonuc(TMsgDlgBtn b);
QString DugmeMetni(TMsgDlgBtn b);   // Turkish caption, or the platform's for All and Close

// What a dialog asks; also what a scripted responder sees.
struct DiyalogIstegi {
    enum Tur { Mesaj, DuzKutu, HataRaporu } tur = Mesaj;
    QString metin;
    TMsgDlgType dlgType = mtInformation;
    TMsgDlgButtons dugmeler;
    TMsgDlgBtn varsayilan = mbOK;
    QString baslik;            // plain boxes: their caption
};

class DiyalogServisi {
public:
    virtual ~DiyalogServisi() = default;
    virtual int goster(const DiyalogIstegi& istek) = 0;
};

// The service in force (the real dialogs unless a test installed another).
DiyalogServisi& diyaloglar();
void DiyalogServisiKur(std::shared_ptr<DiyalogServisi> s);   // nullptr restores the real one

// Font size of every message dialog (the main window sets 15 at start).
void MesajFontBoyuAyarla(int px);
int MesajFontBoyu();

// The Turkish message dialog.
int MesajKutusu(const QString& Msg, TMsgDlgType DlgType, const TMsgDlgButtons& Buttons, TMsgDlgBtn DefaultButton);
// The platform's plain message box (Application.MessageBox): caption and one OK button.
int DuzMesaj(const QString& metin, const QString& baslik, TMsgDlgType tur = mtWarning);
// The application's default error report for an error no handler caught; the program goes on.
void HataRaporu(const QString& mesaj);

// Builds the dialog MesajKutusu shows, without showing it (tests inspect it).
std::unique_ptr<QMessageBox> MesajKutusuOlustur(const DiyalogIstegi& istek, QWidget* parent = nullptr);

} // namespace mivo
