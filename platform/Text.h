// Text helpers of the program: number formatting with the program's decimal
// separator, today's date, and the Windows-1251 code page of the order files.
#pragma once

#include <string>

class QDate;
class QLocale;

// The decimal separator used for every number the program shows or reads;
// by default the one of the user's locale ('.' when that is not one byte).
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// Fixed-point text of value, as the Windows class library's fixed float
// format: rounded once to at most `precision` significant digits and at most
// `digits` decimals (halves away from zero), then written with exactly
// `digits` decimals ("-ddd.d").  When the integer part has more than
// `precision` digits the short exponent form is used instead ("1.2346E6").
// precision is taken within 1..18, digits within 0..18.  A value that rounds
// to zero is written without a sign.
std::string FormatFixed(double value, int precision, int digits);

// Today's date in the user's locale's short format (e.g. "31.12.2024").
std::string ShortDateText();
// `date` in `locale`'s short format; in digits ("31.12.2024") for a locale
// without a language of its own.
std::string ShortDateText(const QLocale& locale, const QDate& date);

// UTF-8 <-> Windows-1251.  A character without a form in the other code
// (or a malformed byte sequence) becomes '?'.
std::string Utf8ToCp1251(const std::string& utf8);
std::string Cp1251ToUtf8(const std::string& cp1251);
