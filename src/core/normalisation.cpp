#include "normalisation.h"

namespace veridane {

namespace {

// What an accented Windows-1252 letter becomes; nullptr when it is dropped.
const char* Equivalent(unsigned char c) {
    if (c == 140 || c == 156) return "OE";
    if (c == 159 || c == 165 || c == 221 || c == 255) return "Y";
    if ((c >= 192 && c <= 197) || (c >= 224 && c <= 229)) return "A";
    if (c == 198 || c == 230) return "AE";
    if (c == 199 || c == 231) return "C";
    if ((c >= 200 && c <= 203) || (c >= 232 && c <= 235)) return "E";
    if ((c >= 204 && c <= 207) || (c >= 236 && c <= 239)) return "I";
    if ((c >= 210 && c <= 214) || (c >= 242 && c <= 246)) return "O";
    if ((c >= 217 && c <= 220) || (c >= 249 && c <= 252)) return "U";
    return nullptr;
}

}  // namespace

std::string FaitChaine(const std::string& texte) {
    std::string resultat;
    for (char brut : texte) {
        unsigned char c = static_cast<unsigned char>(brut);
        if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
        if (c == ' ' || c == '_') {
            if (!resultat.empty() && resultat.back() != '_') resultat += '_';
            continue;
        }
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            resultat += static_cast<char>(c);
            continue;
        }
        if (const char* equivalent = Equivalent(c)) resultat += equivalent;
    }
    return resultat;
}

}  // namespace veridane
