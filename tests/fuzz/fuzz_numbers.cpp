// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary 32-bit floats through the digit patterns, and arbitrary text
// through the Italian number reading, as a float and in hundredths.

#include "common/ItalianNumber.h"
#include "common/NumberFormat.h"

#include <QString>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fault(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz_numbers: %s: %s\n", what, qPrintable(detail));
    std::abort();
}

bool onlyNumberCharacters(const QString &text)
{
    for (QChar c : text)
        if (!(c.isDigit() || c == u',' || c == u'-'))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size >= sizeof(float)) {
        float value;
        std::memcpy(&value, data, sizeof value);
        for (QStringView pattern : {NumberFormat::Plain3, NumberFormat::Plain4, NumberFormat::Count3,
                                    NumberFormat::Count4, NumberFormat::TwoDecimals}) {
            const QString text = NumberFormat::format(value, pattern);
            if (!onlyNumberCharacters(text))
                fault("a pattern wrote more than digits, comma and sign", text);
        }
        // Written with two decimals and read back, a value comes back rounded.
        if (std::isfinite(value) && std::fabs(value) < 1e6f) {
            QString text = NumberFormat::format(value, NumberFormat::TwoDecimals);
            if (text.startsWith(u',') || text.startsWith(u"-,"))
                text.insert(text.indexOf(u','), u'0');
            const std::optional<float> back = ItalianNumber::toFloat(text);
            if (!back || std::fabs(*back - value) > 0.0051f + std::fabs(value) * 1e-6f)
                fault("written and read back differ", text);
        }
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<float> read = ItalianNumber::toFloat(text);
    if (read && !std::isfinite(*read))
        fault("read a number that is no number", text);
    // Hundredths are read only from what also reads as that number, and
    // written back they read the same.
    if (const std::optional<qint64> hundredths = ItalianNumber::toHundredths(text)) {
        if (!read || std::fabs(double(*read) - double(*hundredths) / 100.0) > 1e-6 * (1.0 + std::fabs(*read)))
            fault("hundredths differ from the number read", text);
        if (ItalianNumber::toHundredths(ItalianNumber::fromHundredths(*hundredths)) != hundredths)
            fault("hundredths written and read back differ", text);
    }
    return 0;
}
