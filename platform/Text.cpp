#include "platform/Text.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iconv.h>
#include <stdexcept>

namespace {

char g_decimalSeparator = 0;  // 0: not yet taken from the locale

// Length of the UTF-8 sequence that starts with byte b (1 for a stray byte).
size_t Utf8SequenceLength(unsigned char b) {
    if (b >= 0xF0 && b < 0xF8) return 4;
    if (b >= 0xE0) return b < 0xF0 ? 3 : 1;
    if (b >= 0xC0) return 2;
    return 1;
}

// Converts with iconv; a sequence that cannot be converted becomes '?' and
// skipLength(byte) bytes of the input are passed over.
std::string Convert(const char* to, const char* from, const std::string& in, size_t (*skipLength)(unsigned char)) {
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) throw std::runtime_error(std::string("No conversion from ") + from + " to " + to);
    std::string out;
    char buffer[1024];
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    while (srcLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, size_t(dst - buffer));
        if (rc != size_t(-1) || errno == E2BIG) continue;
        // EILSEQ (no form in the target, or malformed) or EINVAL (cut short).
        out.push_back('?');
        const size_t skip = std::min(srcLeft, std::max<size_t>(1, skipLength(static_cast<unsigned char>(*src))));
        src += skip;
        srcLeft -= skip;
    }
    iconv_close(cd);
    return out;
}

size_t SingleByte(unsigned char) { return 1; }

// The decimal digits of a positive finite value: 18 significant digits and
// the number of digits before the decimal point.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal ToDecimal(double positive) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17e", positive);  // d.ddddddddddddddddde[+-]xx
    Decimal d;
    d.digits.push_back(buf[0]);
    d.digits.append(buf + 2, 17);
    d.exponent = std::atoi(buf + 20) + 1;
    return d;
}

// Keeps n significant digits, rounding the rest half away from zero.
void RoundTo(Decimal& d, int n) {
    if (n >= int(d.digits.size())) return;
    if (n < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[size_t(n)] >= '5';
    d.digits.resize(size_t(n));
    if (!up) return;
    int i = n - 1;
    while (i >= 0 && d.digits[size_t(i)] == '9') d.digits[size_t(i--)] = '0';
    if (i >= 0) {
        ++d.digits[size_t(i)];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        d.digits.pop_back();
        if (d.digits.empty()) d.digits = "1";
        ++d.exponent;
    }
}

}  // namespace

char DecimalSeparator() {
    if (g_decimalSeparator == 0) {
        const QString point = QLocale().decimalPoint();
        g_decimalSeparator = (point.size() == 1 && point[0].unicode() < 0x80) ? char(point[0].unicode()) : '.';
    }
    return g_decimalSeparator;
}

void SetDecimalSeparator(char separator) { g_decimalSeparator = separator; }

std::string FormatFixed(double value, int precision, int digits) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    precision = std::clamp(precision, 1, 18);
    digits = std::clamp(digits, 0, 18);
    const char separator = DecimalSeparator();

    Decimal d;
    if (value != 0.0) {
        d = ToDecimal(std::fabs(value));
        RoundTo(d, std::min(precision, d.exponent + digits));
        while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    }
    if (d.digits.empty()) d.exponent = 0;
    const bool negative = value < 0 && !d.digits.empty();
    auto digitAt = [&](int i) { return i >= 0 && i < int(d.digits.size()) ? d.digits[size_t(i)] : '0'; };

    std::string out = negative ? "-" : "";
    if (d.exponent > precision) {
        // Short exponent form: d[.ddd]E<exponent>.
        out.push_back(d.digits[0]);
        if (d.digits.size() > 1) {
            out.push_back(separator);
            out.append(d.digits, 1, std::string::npos);
        }
        return out + "E" + std::to_string(d.exponent - 1);
    }
    if (d.exponent <= 0) out.push_back('0');
    for (int i = 0; i < d.exponent; ++i) out.push_back(digitAt(i));
    if (digits > 0) {
        out.push_back(separator);
        for (int i = 0; i < digits; ++i) out.push_back(digitAt(d.exponent + i));
    }
    return out;
}

std::string ShortDateText(const QLocale& locale, const QDate& date) {
    // Without a language of its own (the "C" locale) Qt's short format
    // spells the month in English; the program's pages speak Russian.
    if (locale.language() == QLocale::C) return date.toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    return locale.toString(date, locale.dateFormat(QLocale::ShortFormat)).toStdString();
}

std::string ShortDateText() { return ShortDateText(QLocale(), QDate::currentDate()); }

std::string Utf8ToCp1251(const std::string& utf8) { return Convert("CP1251", "UTF-8", utf8, Utf8SequenceLength); }

std::string Cp1251ToUtf8(const std::string& cp1251) { return Convert("UTF-8", "CP1251", cp1251, SingleByte); }
