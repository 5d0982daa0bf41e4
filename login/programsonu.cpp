#include "programsonu.h"

#include <cstdio>
#include <cstdlib>

namespace mivo {

namespace {
std::function<void(int)>& yakalayici()
{
    static std::function<void(int)> f;
    return f;
}
} // namespace

void ProgramiBitir(int kod)
{
    if (auto& f = yakalayici()) { f(kod); return; }
    std::fflush(nullptr);
    std::_Exit(kod);
}

void ProgramSonuYakalayici(std::function<void(int)> f) { yakalayici() = std::move(f); }

} // namespace mivo
