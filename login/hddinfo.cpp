#include "hddinfo.h"

#include <stdexcept>

namespace mivo {

THDDInfo::THDDInfo(QObject* AOwner) : QObject(AOwner) {}

void THDDInfo::GetInfo()
{
    // No reader yet: the reading finds no disk, every property is cleared.
    fType = dtUnknown;
    fCylsTotal = fHeadTotal = fBPT = fBPS = fSPT = 0;
    fSerial.clear();
    fRevision.clear();
    fModel.clear();
    fBufSize = 0;
    fECC = 0;
    fLBASectors = 0;
    fSize = 0;
    fIde = true;
}

void THDDInfo::SetDrive(TDrive d)
{
    fDrive = d;
    fName = QStringLiteral("PhysicalDrive%1").arg(int(d));
    GetInfo();
}

void THDDInfo::SetDeviceName(const QString& n)
{
    fName = n;
    GetInfo();
}

void THDDInfo::SetScsiPort(int p)
{
    if (p < 0 || p == fScsiPort) return;
    throw std::runtime_error("Wrong port number!");
}

void THDDInfo::SetScsiBus(int b)
{
    if (b == fScsiBus) return;
    if (b < 0 || b >= fScsiBusCount) throw std::runtime_error("Wrong bus number!");
}

void THDDInfo::SetScsiDevice(int v)
{
    if (v == fScsiDevice) return;
    if (v < 0 || v >= fScsiDevCount) throw std::runtime_error("Wrong device number!");
}

} // namespace mivo
