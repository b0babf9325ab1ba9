// Shared pieces of the fuzz targets: a scratch directory for the files the
// readers open, exact comparison of what the readers build, the rounding
// that the writers apply to numbers, and the report of a broken invariant.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/format_nombre.h"
#include "core/knowledge_base.h"
#include "core/proposition.h"

namespace veridane::fuzz {

// A broken invariant is a crash for the fuzzer: it keeps the input.
[[noreturn]] inline void Echec(const char* quoi, const std::string& detail = {}) {
    std::fprintf(stderr, "\n*** invariant broken: %s\n%s\n", quoi, detail.c_str());
    std::abort();
}

inline void Verifie(bool condition, const char* quoi, const std::string& detail = {}) {
    if (!condition) Echec(quoi, detail);
}

// One scratch directory per process, in memory when the system has one.
inline const std::filesystem::path& Dossier() {
    static const std::filesystem::path dossier = [] {
        std::filesystem::path racine = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
        auto d = racine / ("veridane_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dossier;
}

inline std::string Ecrit(const std::string& nom, std::string_view contenu) {
    auto chemin = Dossier() / nom;
    std::ofstream(chemin, std::ios::binary | std::ios::trunc).write(contenu.data(),
                                                                    static_cast<std::streamsize>(contenu.size()));
    return chemin.string();
}

inline void Efface(const std::string& nom) {
    std::error_code ignore;
    std::filesystem::remove(Dossier() / nom, ignore);
}

// The input cut at the first `marque`: what stands before it, and what
// follows it (nothing when the mark is absent).
inline std::pair<std::string_view, std::optional<std::string_view>> Coupe(std::string_view entree,
                                                                          std::string_view marque) {
    std::size_t pos = entree.find(marque);
    if (pos == std::string_view::npos) return {entree, std::nullopt};
    return {entree.substr(0, pos), entree.substr(pos + marque.size())};
}

// The input as one line of a statement: its line ends, 0x1A bytes (which end
// a file), "#" (which makes a whole line a comment) and "*" (which makes a
// data base line a separator) become blanks, so that a one-statement target
// reads it as the statement and nothing else.
inline std::string UneLigne(std::string_view entree) {
    std::string ligne(entree);
    for (char& c : ligne)
        if (c == '\r' || c == '\n' || c == '\x1a' || c == '#' || c == '*') c = ' ';
    return ligne;
}

inline bool Commence(const std::string& texte, std::string_view debut) { return texte.rfind(debut, 0) == 0; }

// The number that a writer's text stands for: the value rounded to the
// writers' 7 significant digits, read back.
inline double Arrondi(double valeur) {
    auto relu = LitNombre(FormatGeneral(valeur, ChiffresAffichage, '.'));
    if (!relu) Echec("a number written by the writers does not read back", FormatGeneral(valeur, ChiffresAffichage));
    return *relu;
}

inline void Arrondit(TProposition& p) {
    if (p.TypeValeur == TypeNumerique) p.Reel = Arrondi(p.Reel);
}

// Every field, the value of every kind included (bit for bit apart from the
// sign of zero, which no file can tell).
inline bool Identiques(const TProposition& a, const TProposition& b) {
    return a.Certitude == b.Certitude && a.Precision == b.Precision && a.Attribut == b.Attribut &&
           a.Operateur == b.Operateur && a.TypeValeur == b.TypeValeur && a.Reel == b.Reel &&
           a.Modalite == b.Modalite && a.Liste == b.Liste && a.Validee == b.Validee;
}

inline bool Identiques(const std::vector<TProposition>& a, const std::vector<TProposition>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!Identiques(a[i], b[i])) return false;
    return true;
}

inline bool Identiques(const TRegle& a, const TRegle& b) {
    return Identiques(a.Premisses, b.Premisses) && Identiques(a.Conclusion, b.Conclusion) &&
           a.NbPremissesRestantes == b.NbPremissesRestantes && a.Declenchee == b.Declenchee &&
           a.Priorite == b.Priorite;
}

// A numeric value under "=" can only be written with a leading digit, "." or
// ",": a negative one (a malformed number reads as -1) comes back as the
// word "-1". The file format has no text for it, so the round trip is only
// required of values it can carry.
inline bool Representable(const TProposition& p) {
    return !(p.Operateur == OpEgal && p.TypeValeur == TypeNumerique && Arrondi(p.Reel) < 0);
}

// The dictionary as a writer then a reader leave it: numbers rounded, then
// entries that became equivalent kept once (the first one), in list order.
inline std::vector<TProposition> DictionnaireRelu(std::vector<TProposition> dico) {
    std::vector<TProposition> resultat;
    for (TProposition& p : dico) {
        Arrondit(p);
        // The list is ordered by attribute: entries of p's attribute are the
        // last ones kept.
        bool deja = false;
        for (auto q = resultat.rbegin(); !deja && q != resultat.rend() && q->Attribut == p.Attribut; ++q)
            deja = Equivalence(p, *q);
        if (!deja) resultat.push_back(std::move(p));
    }
    return resultat;
}

inline std::string Decrit(const TProposition& p) {
    return PropEnChaine(p) + " (kind " + std::to_string(p.TypeValeur) + ", " +
           FormatGeneral(p.Reel, 17) + ", certainty " + std::to_string(p.Certitude) + ")";
}

}  // namespace veridane::fuzz
