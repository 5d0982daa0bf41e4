#pragma once
namespace mivo {
// Registers the pictures compiled into the controls library (static builds need it once).
void KaynaklariYukle();
}
