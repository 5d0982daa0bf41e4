#include "yuvarla.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace mivo {

double Yuvarla(double x)
{
    if (!std::isfinite(x) || x == 0) return x == 0 ? 0.0 : x;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));   // d.dddddddddddddde±XX: 15 significant digits
    std::string digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    const int exp = std::atoi(p + 1);
    // value = 0.digits × 10^(exp+1); keep the digits down to the hundredths.
    const int intLen = exp + 1;            // digits before the decimal point (may be <= 0)
    const int keep = intLen + 2;           // digits up to the hundredths
    if (keep < 0) return 0.0;              // below 0.001: rounds to zero
    std::string kept = keep <= int(digits.size()) ? digits.substr(0, size_t(keep)) : digits + std::string(size_t(keep) - digits.size(), '0');
    const bool up = keep < int(digits.size()) && digits[size_t(keep)] >= '5';
    // kept is the amount in hundredths, as a decimal digit string.
    if (kept.empty()) kept = "0";
    if (up) {
        int i = int(kept.size()) - 1;
        while (i >= 0) {
            if (kept[size_t(i)] == '9') { kept[size_t(i)] = '0'; --i; }
            else { ++kept[size_t(i)]; break; }
        }
        if (i < 0) kept.insert(kept.begin(), '1');
    }
    while (kept.size() < 3) kept.insert(kept.begin(), '0');
    const std::string text = kept.substr(0, kept.size() - 2) + "." + kept.substr(kept.size() - 2);
    const double v = std::strtod(text.c_str(), nullptr);
    return x < 0 ? -v : v;
}

QString TutarMetni(double x)
{
    return QLocale().toString(Yuvarla(x), 'f', 2);
}

double MetinSayi(const QString& s, bool* ok)
{
    const QLocale loc;
    QString t = s.trimmed();
    bool iyi = false;
    double d = loc.toDouble(t, &iyi);
    if (!iyi) {
        // Without group separators, and a leading decimal separator (",5").
        t.remove(loc.groupSeparator());
        if (t.startsWith(loc.decimalPoint()) || t.startsWith(QLatin1Char('-') + loc.decimalPoint()))
            t.insert(t.indexOf(loc.decimalPoint()), QLatin1Char('0'));
        d = loc.toDouble(t, &iyi);
    }
    if (ok) *ok = iyi;
    return iyi ? d : 0.0;
}

} // namespace mivo
