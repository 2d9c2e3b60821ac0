// Numbers as the measuring program writes them into its display and its CSV
// files: the printf conversions it has always used, produced without the C
// library's locale, so a German desktop still writes "0000001.25".
#pragma once

#include <string>

namespace measuring {

// "%0W.Pf" (zeroPad) or "%W.Pf": value rounded to `precision` decimals,
// padded to `width` characters with zeros after the sign or with blanks.
std::string formatFixed(double value, int width, int precision, bool zeroPad);

// "%0Wu" / "%W.Wu": at least `digits` digits, zeros in front.
std::string formatDigits(unsigned value, int digits);

}  // namespace measuring
