// The proposition scanners and GereModalite.
//
// Input: any text; the scanners run on it upper-cased, as the readers hand
// it over, from every starting position, with every operator code.
//
// Invariants:
// - every scanner leaves the position within the text or at its end, never
//   past it (a position started past the end is brought back to the end),
//   and never before where it started;
// - a number read is finite, and the general format of it reads back as the
//   value rounded to the number of digits asked, within half a unit of the
//   last digit, and formats again to the same text;
// - a proposition read as the dictionary and data base readers read one
//   ("ATTR op value"), whose value the format can carry, written as the
//   files write it and read again is the same proposition (numbers rounded
//   to 7 significant digits).
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <set>

#include "outils_fuzz.h"

using namespace veridane;
using namespace veridane::fuzz;

namespace {

void VerifieNombre(double valeur) {
    Verifie(std::isfinite(valeur), "a number read is not finite");
    for (int chiffres : {1, 4, 7, 15}) {
        for (char separateur : {'.', ','}) {
            std::string texte = FormatGeneral(valeur, chiffres, separateur);
            auto relu = LitNombre(texte);
            Verifie(relu.has_value(), "a formatted number does not read back", texte);
            Verifie(FormatGeneral(*relu, chiffres, separateur) == texte, "formatting is not stable", texte);
            if (valeur == 0) continue;
            // Half a unit of the last significant digit, with room for the
            // binary rounding of the text read back.
            double unite = std::pow(10.0, std::floor(std::log10(std::fabs(valeur))) - (chiffres - 1));
            Verifie(std::fabs(*relu - valeur) <= 0.5 * unite * (1 + 1e-9) + std::fabs(valeur) * 1e-15,
                    "a formatted number is not the value rounded", texte);
        }
    }
}

// Within the text or at its end, and not before the start (or the end, for a
// start past it).
bool DansLeTexte(const std::string& texte, std::size_t depart, std::size_t pos) {
    return pos >= std::min(depart, texte.size()) && pos <= texte.size();
}

void Balaye(const std::string& texte, std::size_t depart, std::set<double>& nombres) {
    std::size_t pos = depart;
    TrouveAttribut(texte, pos);
    Verifie(DansLeTexte(texte, depart, pos), "TrouveAttribut left the text");
    pos = depart;
    SauteBlancs(texte, pos);
    Verifie(DansLeTexte(texte, depart, pos), "SauteBlancs left the text");
    pos = depart;
    double nombre = TrouveReel(texte, pos);
    Verifie(DansLeTexte(texte, depart, pos), "TrouveReel left the text");
    nombres.insert(nombre);
    for (std::uint8_t code = 0; code <= OpAucun; ++code) {
        pos = depart;
        TProposition p;
        GereModalite(texte, pos, code, p);
        Verifie(DansLeTexte(texte, depart, pos), "GereModalite left the text",
                "operator " + std::to_string(code) + " from " + std::to_string(depart) + " in " +
                    std::to_string(texte.size()) + " characters");
        if (p.TypeValeur == TypeNumerique) nombres.insert(p.Reel);
        if (code == OpDans || code == OpHorsDe)
            Verifie(p.TypeValeur == TypeEnsemble && !p.Liste.empty(), "a set was read without a word");
    }
}

// "ATTR op value" as the dictionary and data base readers read it.
std::optional<TProposition> Proposition(const std::string& texte) {
    std::size_t pos = 0;
    TProposition p;
    SauteBlancs(texte, pos);
    p.Attribut = TrouveAttribut(texte, pos);
    if (p.Attribut.empty()) return std::nullopt;
    SauteBlancs(texte, pos);
    p.Operateur = TrouveOperateur(texte, pos);
    if (p.Operateur == OpAucun) return std::nullopt;
    GereModalite(texte, pos, p.Operateur, p);
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille > 256) return 0;
    const std::string texte = Majuscules(std::string(reinterpret_cast<const char*>(donnees), taille));
    // The first positions, and the end of the text and past it.
    std::set<double> nombres;
    for (std::size_t depart = 0; depart <= std::min<std::size_t>(texte.size(), 24); ++depart)
        Balaye(texte, depart, nombres);
    Balaye(texte, texte.size() + 1, nombres);
    for (double nombre : nombres) VerifieNombre(nombre);

    auto p = Proposition(texte);
    if (!p || !Representable(*p)) return 0;
    for (char separateur : {'.', ','}) {
        // The data base line: a number or a word is followed by a blank.
        std::string ligne = Majuscules(PropEnChaine(*p, separateur)) + (p->TypeValeur == TypeEnsemble ? " ;" : "  ;");
        auto relue = Proposition(ligne);
        TProposition attendue = *p;
        Arrondit(attendue);
        Verifie(relue && Identiques(*relue, attendue), "a proposition differs after writing and reading",
                ligne + " from " + Decrit(*p));
    }
    return 0;
}
