#pragma once
// Shared utilities of every window: the connection check and table tests.
#include "server/baglanti.h"
#include "server/memtable.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace mivo {

// Close, then up to 11 opening attempts 500 ms apart; on the 11th failure and
// mesaj == 1 the connection error dialog. May be called on any thread; the
// dialog is always shown on the UI thread.
bool BaglantiKontrol(TSQLConnection& c, int mesaj);

extern const char* const kBaglantiHatasi;   // "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"

// Shows the connection error dialog on the UI thread (blocking the caller when it is a worker).
void BaglantiHatasiGoster();

// Runs f on the UI thread and waits for it (directly when already there).
void ArayuzdeCalistir(const std::function<void()>& f);
// Hands f to the UI thread without waiting; dropped when hedef is gone by then.
// Take the QPointer on the UI thread, before the worker starts.
void ArayuzeGonder(const QPointer<QObject>& hedef, std::function<void()> f);

// Waits between failed attempts; tests shorten it to keep suites quick.
void BaglantiBeklemesiAyarla(int ms);
// Hears every opening attempt (1-based) before it is made; tests count with it.
void BaglantiDenemeKancasi(std::function<void(int deneme)> f);

// Runs a user action; an error no handler caught goes to the application's
// default error report and the program goes on.
void Korumali(const std::function<void()>& f);

// "Class: message" of an error, as the plain error boxes show it.
QString HataMetni(const std::exception& e);

bool TabloDoluMu(const TMemTable& t);
bool SeciliVarMi(TMemTable& t);

} // namespace mivo
