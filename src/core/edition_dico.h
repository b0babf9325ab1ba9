// The dictionary manager's logic without its window: the entry being
// composed from what the person types (attribute, operator, value or set),
// its one-line display, the checks before it is added, and whether a
// dictionary entry is used by a rule (then it cannot be removed).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "knowledge_base.h"

namespace veridane {

class IDialogues;

// Line of the attribute list when the dictionary holds nothing.
inline constexpr const char* AttributsDicoVide = " Data dictionary is empty ";

class TFaitEnCours {
public:
    std::string Attribut;
    std::uint8_t Operateur = OpAucun;
    std::uint8_t TypeValeur = TypeNumerique;
    double Reel = 0.0;
    std::string Modalite;
    std::vector<TModalite> Liste;
    bool AttributValide = false;
    bool OperateurValide = false;
    bool ValeurValide = false;

    // The attribute field changed: the name is its normalised text.
    void ChangeAttribut(const std::string& texte);

    // An operator was chosen (OpAucun: nothing selected). Returns true when
    // the three set controls are to be shown (operators "in" and "not_in").
    bool ChoisitOperateur(std::uint8_t code);

    // The value field changed; interpreted by the operator chosen.
    void ChangeValeur(const std::string& texte);

    // "Add value": appends the normalised text to the set; returns the word
    // added, empty when nothing was added.
    std::string AjouteValeur(const std::string& texte);

    // "Remove value": takes the word at this position out of the set.
    bool RetireValeur(std::size_t position);

    // Back to an empty entry (operator none, empty set, nothing valid).
    void Reinitialise();

    // The antecedent line: "[Attribute]  [Operator] [Value(s)]" when empty.
    std::string AffFait(char separateur) const;

    // The dictionary entry this one becomes (degree codes 0).
    TProposition Proposition() const;
};

enum class TVerdictAjout { Accepte, Refuse, Doublon };

struct TControleAjout {
    TVerdictAjout Verdict;
    std::size_t Index;  // where the entry goes when accepted
};

// The checks of "Add antecedent ->", in order, each refusal shown as an
// information message. A duplicate is reported apart because the entry is
// then reset.
TControleAjout ControleAjout(const TFaitEnCours& fait, const std::vector<TProposition>& dictionnaire,
                             IDialogues& dialogues);

// Number (from 1) of the first rule whose conclusion or premises hold a
// proposition equal to the entry; 0 when none or no rules base is open.
int FaitUtilise(const TBaseConnaissances& base, const TProposition& entree);

// "Removal impossible: data used in rule N" unless the entry is free;
// true when it may be removed.
bool ControleRetrait(const TBaseConnaissances& base, const TProposition& entree, IDialogues& dialogues);

// Inserts an accepted entry at the index found when it was accepted, counts
// it and marks the dictionary changed.
void InsereAuDico(TBaseConnaissances& base, TProposition entree, std::size_t index);

// Takes the entry at this index out, counts and marks the change.
void RetireDuDico(TBaseConnaissances& base, std::size_t index);

// The attribute names of the dictionary, each once, in dictionary order;
// the single line AttributsDicoVide when it is empty.
std::vector<std::string> TrouveLesAttributs(const TBaseConnaissances& base);

// "Data Dictionary: no data" or "Data Dictionary: 12 data".
std::string TitreDico(int nbFaitsDico);

}  // namespace veridane
