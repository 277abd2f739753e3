#ifndef HEX_DIGIT_H
#define HEX_DIGIT_H

// The value of one hexadecimal digit, in either case; -1 for anything else.
[[nodiscard]] constexpr int hexDigitValue(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

#endif // HEX_DIGIT_H
