#pragma once
// Two-decimal rounding and the amount text, shared by every window that computes money.
#include <QString>

namespace mivo {

// Rounds the value's 15-significant-digit decimal form to two decimals, halves
// away from zero (as formatting with "#,###,##.00" and reading it back does).
double Yuvarla(double x);

// "#,###,##0.00" under the user's locale.
QString TutarMetni(double x);

// A number typed or shown under the user's locale ("1.234,50", "12,5", "-0,25");
// ok false when the text is no number.
double MetinSayi(const QString& s, bool* ok = nullptr);

} // namespace mivo
