#pragma once
// Every immediate end of the process goes through here. In production the
// process ends at once (nothing is saved on the way out); tests install an
// interceptor, and the callers return right after the call.
#include <functional>

namespace mivo {

void ProgramiBitir(int kod = 0);
void ProgramSonuYakalayici(std::function<void(int kod)> f);   // empty restores the real end

} // namespace mivo
