#include "correspondance.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace veridane {
namespace {

int SiVrai(bool condition, int oui, int non) { return condition ? oui : non; }

bool Contient(const std::vector<TModalite>& liste, std::string_view mot) {
    return std::any_of(liste.begin(), liste.end(), [&](const TModalite& m) { return m.Nom == mot; });
}

// The words of a set, hashed, so that comparing two sets of many words takes
// time in proportion to their sizes rather than to their product (two sets of
// 100,000 words would otherwise take a minute for one premise).
std::unordered_set<std::string_view> Mots(const std::vector<TModalite>& liste) {
    std::unordered_set<std::string_view> mots;
    mots.reserve(liste.size());
    for (const TModalite& m : liste) mots.insert(m.Nom);
    return mots;
}

// Some word of a is also a word of b.
bool UnCommun(const std::vector<TModalite>& a, const std::vector<TModalite>& b) {
    auto mots = Mots(b);
    return std::any_of(a.begin(), a.end(), [&](const TModalite& m) { return mots.count(m.Nom) > 0; });
}

// Some word of a is no word of b.
bool UnHors(const std::vector<TModalite>& a, const std::vector<TModalite>& b) {
    auto mots = Mots(b);
    return std::any_of(a.begin(), a.end(), [&](const TModalite& m) { return mots.count(m.Nom) == 0; });
}

bool PremisseNumerique(const TProposition& p) { return p.TypeValeur == TypeNumerique && p.Operateur <= OpDifferent; }

bool PremisseSymbole(const TProposition& p) { return p.Operateur == OpEgal && p.TypeValeur == TypeSymbolique; }

// Datum "= d" against a numeric premise.
int EgalNombre(double d, std::uint8_t op, double p) {
    switch (op) {
        case OpEgal: return SiVrai(d == p, 2, 0);
        case OpSuperieur: return SiVrai(d > p, 2, 0);
        case OpInferieur: return SiVrai(d < p, 2, 0);
        case OpSuperieurEgal: return SiVrai(d >= p, 2, 0);
        case OpInferieurEgal: return SiVrai(d <= p, 2, 0);
        default: return SiVrai(d != p, 2, 0);
    }
}

// The datum's operator is ">", "<", ">=", "<=" or "<>"; the premise is a
// number with one of "=" .. "<>". Each cell keeps its own boundary.
int IntervalleNombre(std::uint8_t opFait, double d, std::uint8_t op, double p) {
    switch (opFait) {
        case OpSuperieur:
            switch (op) {
                case OpEgal: return SiVrai(p <= d, 0, 1);
                case OpSuperieur: return SiVrai(d >= p, 2, 1);
                case OpInferieur: return SiVrai(d >= p, 0, 1);
                case OpSuperieurEgal: return SiVrai(d > p, 2, 1);
                case OpInferieurEgal: return SiVrai(d > p, 0, 1);
                default: return SiVrai(d >= p, 2, 1);
            }
        case OpInferieur:
            switch (op) {
                case OpEgal: return SiVrai(p >= d, 0, 1);
                case OpSuperieur: return SiVrai(d <= p, 0, 1);
                case OpInferieur: return SiVrai(d <= p, 2, 1);
                case OpSuperieurEgal: return SiVrai(d < p, 0, 1);
                case OpInferieurEgal: return SiVrai(d < p, 2, 1);
                default: return SiVrai(d <= p, 2, 1);
            }
        case OpSuperieurEgal:
            switch (op) {
                case OpEgal: return SiVrai(p < d, 0, 1);
                case OpSuperieur: return SiVrai(d > p, 2, 1);
                case OpInferieur: return SiVrai(d > p, 0, 1);
                case OpSuperieurEgal: return SiVrai(d >= p, 2, 1);
                case OpInferieurEgal: return SiVrai(d >= p, 0, 1);
                default: return SiVrai(d > p, 2, 1);
            }
        case OpInferieurEgal:
            switch (op) {
                case OpEgal: return SiVrai(p > d, 0, 1);
                case OpSuperieur: return SiVrai(d < p, 0, 1);
                case OpInferieur: return SiVrai(d < p, 2, 1);
                case OpSuperieurEgal: return SiVrai(d <= p, 0, 1);
                case OpInferieurEgal: return SiVrai(d <= p, 2, 1);
                default: return SiVrai(d < p, 2, 1);
            }
        default:  // "<>"
            switch (op) {
                case OpEgal: return SiVrai(p == d, 0, 2);
                case OpSuperieur: return SiVrai(d >= p, 2, 1);
                case OpInferieur: return SiVrai(d <= p, 2, 1);
                case OpSuperieurEgal: return SiVrai(d > p, 2, 1);
                case OpInferieurEgal: return SiVrai(d < p, 2, 1);
                default: return SiVrai(d == p, 2, 1);
            }
    }
}

int EgalSymbole(const TMot& s, const TProposition& premisse) {
    if (PremisseSymbole(premisse)) return SiVrai(s == premisse.Modalite, 2, 0);
    if (premisse.TypeValeur != TypeEnsemble) return SansRapport;
    if (premisse.Operateur == OpDans) return SiVrai(Contient(premisse.Liste, s), 2, 0);
    if (premisse.Operateur == OpHorsDe) return SiVrai(!Contient(premisse.Liste, s), 2, 0);
    return SansRapport;
}

// Datum "in LD": only the premise's operator chooses the row.
int DansListe(const std::vector<TModalite>& ld, const TProposition& premisse) {
    if (premisse.TypeValeur == TypeNumerique) return SansRapport;
    if (PremisseSymbole(premisse)) return SiVrai(Contient(ld, premisse.Modalite), 2, 0);
    if (premisse.Operateur == OpDans) return SiVrai(UnCommun(ld, premisse.Liste), 2, 0);
    if (premisse.Operateur == OpHorsDe) return SiVrai(UnHors(ld, premisse.Liste), 2, 0);
    return SansRapport;
}

// Datum "not_in LD".
int HorsListe(const std::vector<TModalite>& ld, const TProposition& premisse) {
    if (premisse.TypeValeur == TypeNumerique) return SansRapport;
    if (PremisseSymbole(premisse)) return SiVrai(!Contient(ld, premisse.Modalite), 2, 0);
    if (premisse.Operateur == OpDans) return SiVrai(UnCommun(ld, premisse.Liste), 0, 2);
    if (premisse.Operateur == OpHorsDe) return SiVrai(UnHors(premisse.Liste, ld), 1, 2);
    return SansRapport;
}

}  // namespace

int Correspondance(const TProposition& fait, const TProposition& premisse) {
    if (fait.Attribut != premisse.Attribut) return SansRapport;
    return CorrespondanceMemeAttribut(fait, premisse);
}

int CorrespondanceMemeAttribut(const TProposition& fait, const TProposition& premisse) {
    switch (fait.Operateur) {
        case OpEgal:
            if (fait.TypeValeur == TypeNumerique)
                return PremisseNumerique(premisse) ? EgalNombre(fait.Reel, premisse.Operateur, premisse.Reel)
                                                   : SansRapport;
            if (fait.TypeValeur == TypeSymbolique) return EgalSymbole(fait.Modalite, premisse);
            return SansRapport;
        case OpSuperieur:
        case OpInferieur:
        case OpSuperieurEgal:
        case OpInferieurEgal:
        case OpDifferent:
            if (fait.TypeValeur != TypeNumerique || !PremisseNumerique(premisse)) return SansRapport;
            return IntervalleNombre(fait.Operateur, fait.Reel, premisse.Operateur, premisse.Reel);
        case OpDans: return DansListe(fait.Liste, premisse);
        case OpHorsDe: return HorsListe(fait.Liste, premisse);
        default: return SansRapport;
    }
}

}  // namespace veridane
