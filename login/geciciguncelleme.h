#pragma once
// TEMPORARY: stands in for the update download window until it lands. It only
// tells the user which program version the server expects; it downloads nothing.
#include "server/baglanti.h"

#include <QDialog>
#include <memory>

namespace mivo {

class TGeciciGuncellemePenceresi : public QDialog {
    Q_OBJECT
public:
    // Same shape as the update window's constructor: owner and the expected version.
    static std::unique_ptr<TGeciciGuncellemePenceresi> Yeni(QWidget* AOwner, int version);

    TSQLConnection* bagim = nullptr;   // given like the update window's connection; unused here
    int BeklenenVersiyon() const { return version_; }

private:
    TGeciciGuncellemePenceresi(QWidget* AOwner, int version);
    int version_ = 0;
};

} // namespace mivo
