// The in-memory knowledge base: propositions, rules, the data dictionary and
// the comment lines of the rules file. Strings hold the single-byte
// Windows-1252 text of the files; conversion to Unicode happens at the edges.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "mot.h"

namespace veridane {

// Operator codes as stored in a proposition.
inline constexpr std::uint8_t OpEgal = 0;           // "="
inline constexpr std::uint8_t OpSuperieur = 1;      // ">"
inline constexpr std::uint8_t OpInferieur = 2;      // "<"
inline constexpr std::uint8_t OpSuperieurEgal = 3;  // ">="
inline constexpr std::uint8_t OpInferieurEgal = 4;  // "<="
inline constexpr std::uint8_t OpDifferent = 5;      // "<>"
inline constexpr std::uint8_t OpDans = 6;           // "in"
inline constexpr std::uint8_t OpHorsDe = 7;         // "not_in"
inline constexpr std::uint8_t OpAucun = 8;          // no operator recognised

// Value kinds.
inline constexpr std::uint8_t TypeNumerique = 0;
inline constexpr std::uint8_t TypeSymbolique = 1;
inline constexpr std::uint8_t TypeEnsemble = 2;

// Degree codes: every rule proposition and observation datum carries 6,
// every dictionary entry 0.
inline constexpr std::int32_t DegreCertain = 6;
inline constexpr std::int32_t DegreNul = 0;

// One word of a set value, or one comment line.
struct TModalite {
    std::string Nom;
    bool operator==(const TModalite&) const = default;
};

// The words of a set value. Almost no proposition holds a set, so an empty
// list is one null pointer, a third of an empty vector; the list copies its
// words and reads as the std::vector<TModalite> it holds.
class TListeModalites {
public:
    using value_type = TModalite;
    using iterator = std::vector<TModalite>::iterator;
    using const_iterator = std::vector<TModalite>::const_iterator;

    TListeModalites() = default;
    TListeModalites(std::vector<TModalite> mots) { *this = std::move(mots); }
    TListeModalites(std::initializer_list<TModalite> mots) { *this = std::vector<TModalite>(mots); }
    TListeModalites(const TListeModalites& autre)
        : Mots_(autre.Mots_ ? std::make_unique<std::vector<TModalite>>(*autre.Mots_) : nullptr) {}
    TListeModalites(TListeModalites&&) noexcept = default;
    TListeModalites& operator=(const TListeModalites& autre) {
        if (this != &autre) *this = TListeModalites(autre);
        return *this;
    }
    TListeModalites& operator=(TListeModalites&&) noexcept = default;
    TListeModalites& operator=(std::vector<TModalite> mots) {
        if (mots.empty()) Mots_.reset();
        else Mots_ = std::make_unique<std::vector<TModalite>>(std::move(mots));
        return *this;
    }
    TListeModalites& operator=(std::initializer_list<TModalite> mots) { return *this = std::vector<TModalite>(mots); }

    const std::vector<TModalite>& Mots() const { return Mots_ ? *Mots_ : Vide(); }
    operator const std::vector<TModalite>&() const { return Mots(); }

    bool empty() const { return !Mots_ || Mots_->empty(); }
    std::size_t size() const { return Mots_ ? Mots_->size() : 0; }
    std::size_t capacity() const { return Mots_ ? Mots_->capacity() : 0; }
    const_iterator begin() const { return Mots().begin(); }
    const_iterator end() const { return Mots().end(); }
    iterator begin() { return Mots_ ? Mots_->begin() : iterator(); }
    iterator end() { return Mots_ ? Mots_->end() : iterator(); }
    const TModalite& operator[](std::size_t i) const { return (*Mots_)[i]; }
    TModalite& operator[](std::size_t i) { return (*Mots_)[i]; }
    void clear() { Mots_.reset(); }
    void push_back(TModalite mot) {
        if (!Mots_) Mots_ = std::make_unique<std::vector<TModalite>>();
        Mots_->push_back(std::move(mot));
    }

    friend bool operator==(const TListeModalites& a, const TListeModalites& b) { return a.Mots() == b.Mots(); }
    friend bool operator==(const TListeModalites& a, const std::vector<TModalite>& b) { return a.Mots() == b; }

private:
    static const std::vector<TModalite>& Vide();
    std::unique_ptr<std::vector<TModalite>> Mots_;
};

// The small fields come first, side by side, so that a proposition takes no
// padding: a large base holds millions of them.
struct TProposition {
    // Degree codes 0 to 6: two bytes each leave the small fields within the
    // eight bytes before the number.
    std::int16_t Certitude = DegreNul;
    std::int16_t Precision = DegreNul;
    std::uint8_t Operateur = OpAucun;
    std::uint8_t TypeValeur = TypeNumerique;
    bool Validee = false;
    double Reel = 0.0;
    TMot Attribut;
    TMot Modalite;
    TListeModalites Liste;  // meaningful only for TypeEnsemble
};

struct TRegle {
    std::vector<TProposition> Premisses;
    TProposition Conclusion;
    std::int32_t NbPremissesRestantes = 0;
    bool Declenchee = false;
    double Priorite = 0.0;
};

// The knowledge base proper. Regles is ordered by Priorite, highest first;
// Dictionnaire by Attribut in byte order.
struct TBaseConnaissances {
    std::vector<TRegle> Regles;
    int NbRegles = 0;
    std::vector<TProposition> Dictionnaire;
    int NbFaitsDico = 0;
    std::vector<TModalite> CommentairesRegles;
    int NumRegle = 0;

    bool BaseReglesOuverte = false;
    bool DicoCree = false;
    bool AvecDico = true;
    bool DicoACompiler = false;
    bool ReglesModifiees = false;
    bool DicoModifie = false;

    // Decimal separator of the writers and displays: the user's setting.
    char SeparateurDecimal = '.';

    // Empties everything for a new project: lists cleared, counters at 0,
    // rules base open and dictionary created.
    void Vide();
};

// Degree of a degree code (0..6).
double ReelCode(std::int32_t code);

// Display names of degree codes: the empty text for every code.
std::string TypeIncertitude(std::int32_t code);
std::string TypeImprecision(std::int32_t code);

}  // namespace veridane
