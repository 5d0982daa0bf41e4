#pragma once
// THDDInfo: the disk identification component. This first version has the
// component's interface but reads no disk: every reading reports no disk, which
// the computer identifier rule falls back from. The readers come with their own work.
#include <QObject>
#include <QString>
#include <cstdint>

namespace mivo {

enum TDrive { dPrimaryMaster, dPrimarySlave, dSecondaryMaster, dSecondarySlave, dTertiaryMaster, dTertiarySlave,
              dQuaternaryMaster, dQuaternarySlave };
enum TGetInfoMethod { gimAuto, gimNT, gimScsi, gim9x, gimByName, gimASPI, gimZeroRights, gimWMI };
enum TDriveType { dtFixed, dtRemovable, dtCDROM, dtUnknown, dtTape, dtOptical, dtArray };

struct TScsiAddr {
    uint8_t Ha = 0, Target = 0, Lun = 0;
};

struct TScsiInfo {
    uint8_t PathId = 0, TargetId = 0, Lun = 0;
    bool DeviceClaimed = false;
    TDriveType HDDType = dtUnknown;
    QString Model, Revision, Serial;
};

class THDDInfo : public QObject {
    Q_OBJECT
public:
    explicit THDDInfo(QObject* AOwner = nullptr);

    // Reads the disk with the current Method and Drive (or DeviceName).
    void GetInfo();

    TDriveType HDDType() const { return fType; }
    uint16_t CylsTotal() const { return fCylsTotal; }
    uint16_t HeadTotal() const { return fHeadTotal; }
    uint16_t BPT() const { return fBPT; }
    uint16_t BPS() const { return fBPS; }
    uint16_t SPT() const { return fSPT; }
    QString Vendor() const { return fVendor; }
    QString Serial() const { return fSerial; }
    uint32_t BufSize() const { return fBufSize; }
    uint16_t ECC() const { return fECC; }
    QString Revision() const { return fRevision; }
    QString Model() const { return fModel; }
    uint32_t LBASectors() const { return fLBASectors; }
    int64_t Size() const { return fSize; }
    bool isIDE() const { return fIde; }
    const TScsiInfo& ScsiInfo() const { return fScsiInfo; }
    bool isNT() const { return fisNT; }

    TDrive Drive() const { return fDrive; }
    void SetDrive(TDrive d);                 // DeviceName becomes PhysicalDrive<n>, then GetInfo
    TGetInfoMethod Method() const { return fMethod; }
    void SetMethod(TGetInfoMethod m) { fMethod = m; }
    QString DeviceName() const { return fName; }
    void SetDeviceName(const QString& n);    // stores the name, then GetInfo

    int ScsiPort() const { return fScsiPort; }
    void SetScsiPort(int p);
    int ScsiBus() const { return fScsiBus; }
    void SetScsiBus(int b);
    int ScsiDevice() const { return fScsiDevice; }
    void SetScsiDevice(int v);
    uint16_t ScsiBusCount() const { return fScsiBusCount; }
    uint16_t ScsiDevCount() const { return fScsiDevCount; }
    bool CanonicalScsiAddressing() const { return fcanonical; }
    void SetCanonicalScsiAddressing(bool b) { fcanonical = b; }

private:
    TDriveType fType = dtUnknown;
    uint16_t fCylsTotal = 0, fHeadTotal = 0, fBPT = 0, fBPS = 0, fSPT = 0;
    QString fVendor;
    QString fSerial;
    uint32_t fBufSize = 0;
    uint16_t fECC = 0;
    QString fRevision, fModel;
    uint32_t fLBASectors = 0;
    int64_t fSize = 0;
    TDrive fDrive = dPrimaryMaster;
    TGetInfoMethod fMethod = gimAuto;
    QString fName;
    bool fIde = false;
    TScsiInfo fScsiInfo;
    int fScsiPort = -1, fScsiBus = -1, fScsiDevice = -1;
    uint16_t fScsiBusCount = 0, fScsiDevCount = 0;
    bool fisNT = true;
    bool fcanonical = false;
};

} // namespace mivo
