#pragma once

// Upper-case letters of ISO 8859-1 sit 0x20 below their lower-case forms,
// in ASCII as well as in the range 0xC0-0xDE (except the sign 0xD7).
inline char LowerLatin1(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    const bool asciiUpper = byte >= 'A' && byte <= 'Z';
    const bool latinUpper = byte >= 0xC0 && byte <= 0xDE && byte != 0xD7;
    return asciiUpper || latinUpper ? static_cast<char>(byte + 0x20) : c;
}
