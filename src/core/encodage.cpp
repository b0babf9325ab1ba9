#include "encodage.h"

namespace veridane {

namespace {

// 0x80..0x9F of Windows-1252; 0 marks the undefined bytes.
constexpr char32_t Plage80[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AjouteUtf8(std::string& sortie, char32_t code) {
    if (code < 0x80) {
        sortie += static_cast<char>(code);
    } else if (code < 0x800) {
        sortie += static_cast<char>(0xC0 | (code >> 6));
        sortie += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        // Every character of Windows-1252 lies in the basic plane.
        sortie += static_cast<char>(0xE0 | (code >> 12));
        sortie += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

char32_t CaractereWindows1252(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F && Plage80[c - 0x80] != 0) return Plage80[c - 0x80];
    return c;
}

char OctetWindows1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    if (code <= 0x9F && Plage80[code - 0x80] == 0) return static_cast<char>(code);
    for (int i = 0; i < 32; ++i)
        if (Plage80[i] == code) return static_cast<char>(0x80 + i);
    return '?';
}

std::string Utf8DepuisWindows1252(const std::string& octets) {
    std::string sortie;
    sortie.reserve(octets.size());
    for (char brut : octets) AjouteUtf8(sortie, CaractereWindows1252(static_cast<unsigned char>(brut)));
    return sortie;
}

std::string Windows1252DepuisUtf8(const std::string& texte) {
    std::string sortie;
    sortie.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        const auto tete = static_cast<unsigned char>(texte[i]);
        const std::size_t suite = tete >= 0xF0 ? (tete < 0xF5 ? 3 : 0) : tete >= 0xE0 ? 2 : tete >= 0xC2 ? 1 : 0;
        char32_t code = suite == 3 ? tete & 0x07u : suite == 2 ? tete & 0x0Fu : tete & 0x1Fu;
        bool valide = suite > 0 && i + suite < texte.size();
        for (std::size_t k = 1; valide && k <= suite; ++k) {
            const auto octet = static_cast<unsigned char>(texte[i + k]);
            valide = (octet & 0xC0) == 0x80;
            code = (code << 6) | (octet & 0x3Fu);
        }
        if (!valide) {
            sortie += texte[i++];
            continue;
        }
        sortie += OctetWindows1252(code);
        i += suite + 1;
    }
    return sortie;
}

}  // namespace veridane
