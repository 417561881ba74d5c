#include "id_conversion.h"

namespace skelvora {

std::optional<int32_t> ConvertId(std::string_view s)
{
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    bool hex = false;
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= s.size())
        return std::nullopt;
    uint64_t v = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        v = v * (hex ? 16 : 10) + uint64_t(d);
        if (v > (hex ? 0xFFFFFFFFull : 0x80000000ull))
            return std::nullopt;
    }
    if (hex) {
        // Hexadecimal numbers fill all 32 bits, as the system's conversion does.
        int32_t r = int32_t(uint32_t(v));
        return negative ? int32_t(0u - uint32_t(r)) : r;
    }
    if (!negative && v > 0x7FFFFFFFull)
        return std::nullopt;
    return negative ? int32_t(-int64_t(v)) : int32_t(v);
}

} // namespace skelvora
