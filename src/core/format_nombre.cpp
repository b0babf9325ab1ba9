#include "format_nombre.h"

#include <cmath>
#include <charconv>
#include <string>

namespace veridane {

namespace {

// Decimal digits of |valeur| rounded half away from zero to `chiffres`
// significant digits, and the decimal exponent of the first one.
void ChiffresArrondis(double valeur, int chiffres, std::string& digits, int& exposant) {
    // to_chars gives the exact binary value whatever the C locale, so 30
    // digits are enough to round the way a person would (12345 to 4 digits
    // is 1235, not 1234).
    char tampon[64];
    auto fin = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(valeur), std::chars_format::scientific, 30).ptr;
    std::string texte(tampon, fin);
    std::size_t e = texte.find('e');
    exposant = std::stoi(texte.substr(e + 1));
    std::string tous = texte.substr(0, 1) + texte.substr(2, e - 2);
    digits = tous.substr(0, chiffres);
    if (tous[chiffres] >= '5') {
        int i = chiffres - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exposant;
        } else {
            ++digits[i];
        }
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

}  // namespace

std::string FormatGeneral(double valeur, int chiffres, char separateur) {
    if (std::isnan(valeur)) return "NAN";
    if (std::isinf(valeur)) return valeur < 0 ? "-INF" : "INF";
    if (chiffres < 1) chiffres = 1;
    if (chiffres > 18) chiffres = 18;
    if (valeur == 0.0) return "0";

    std::string digits;
    int exposant = 0;
    ChiffresArrondis(valeur, chiffres, digits, exposant);

    std::string texte = valeur < 0 ? "-" : "";
    if (exposant < chiffres && exposant >= -4) {
        if (exposant < 0) {
            texte += "0";
            texte += separateur;
            texte.append(static_cast<std::size_t>(-exposant - 1), '0');
            texte += digits;
        } else {
            std::size_t entiers = static_cast<std::size_t>(exposant) + 1;
            if (digits.size() <= entiers) {
                texte += digits;
                texte.append(entiers - digits.size(), '0');
            } else {
                texte += digits.substr(0, entiers);
                texte += separateur;
                texte += digits.substr(entiers);
            }
        }
        return texte;
    }
    texte += digits[0];
    if (digits.size() > 1) {
        texte += separateur;
        texte += digits.substr(1);
    }
    texte += 'E';
    texte += std::to_string(exposant);
    return texte;
}

}  // namespace veridane
