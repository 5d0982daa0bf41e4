#pragma once
// TONAYSIP: the confirmation window of an order ("Sipariş Onay").
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace mivo {

class TONAYSIP : public QDialog {
    Q_OBJECT
public:
    explicit TONAYSIP(QWidget* owner = nullptr);
    QLabel* Label2;
    QLabel* Label1;
    QPushButton* Button1;   // "Evet"
    QPushButton* Button2;   // "Hayır"

    // The seven fixed-width lines of the summary, joined by CR LF.
    static QString Ozet(const QString& kullanici, const QString& cari, const QString& teslim, const QString& kargoTuru,
                        const QString& tutar, const QString& kargo, const QString& aciklama);

    // Shows the window modally; tests replace it.
    static std::function<int(TONAYSIP&)>& Calistirici();
};

} // namespace mivo
