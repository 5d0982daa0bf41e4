// libFuzzer target: frames and requests as mivo-server receives them.
#include "fuzz_ortak.h"

#include <QGuiApplication>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char ad[] = "fuzz";
    static char* argv[] = {ad, nullptr};
    static QGuiApplication* app = (qputenv("QT_QPA_PLATFORM", "offscreen"), new QGuiApplication(argc, argv));
    (void)app;
    fuzz::bir(data, size);
    return 0;
}
