// The rule editors' logic without their windows: the rule being written
// from dictionary entries, its insertion by priority, the display of a rule
// in the browsers, the changes of the modification window and the removal
// of a rule.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "knowledge_base.h"

namespace veridane {

class IDialogues;

// One proposition chosen for a rule: a dictionary index with the degree
// codes the rule's proposition will carry.
struct TPropSpe {
    std::int32_t Certitude = DegreCertain;
    std::int32_t Precision = DegreCertain;
    int Index = 0;
    bool operator==(const TPropSpe&) const = default;
};

// The rule being written in the rules editor. It only refers to dictionary
// entries until it is built.
class TRegleEnCours {
public:
    std::vector<TPropSpe> Premisses;
    std::optional<TPropSpe> Conclusion;

    bool PremissesPresentes() const { return !Premisses.empty(); }
    bool ConclusionPresente() const { return Conclusion.has_value(); }
    bool Prete() const { return PremissesPresentes() && ConclusionPresente(); }

    // Position (from 0) of the premise referring to the entry, -1 when the
    // conclusion does, -2 when neither does.
    int ChercheAntecedent(int index) const;

    // Each refuses an entry already in the rule with its message; true when
    // the entry was taken.
    bool AjoutePremisse(int index, IDialogues& dialogues);
    bool AjouteConclusion(int index, IDialogues& dialogues);

    // Removes the item shown on this line of the rule display (premises
    // first, the conclusion on the last line), with its message.
    void RetireLigne(int ligne, IDialogues& dialogues);

    // The rule display: "If ..."/"And ..." or "If ?", then "Then ..." or
    // "Then ?".
    std::vector<std::string> Lignes(const std::vector<TProposition>& dictionnaire, char separateur) const;

    // The rule itself, every proposition copied from the dictionary with the
    // degree codes of its TPropSpe. The rule must be ready.
    TRegle Construit(const std::vector<TProposition>& dictionnaire, double priorite) const;

    void Vide() { *this = TRegleEnCours{}; }
};

// Inserts a rule by priority (after every rule of equal or higher priority),
// opening the rules base when the project has none; counts it and marks the
// rules changed.
void AjouteRegle(TBaseConnaissances& base, TRegle regle);

// "Rule number 3: Belief degree = 75%" then the premise lines and the
// conclusion line of the rule at this index.
std::vector<std::string> TexteRegle(const TBaseConnaissances& base, int index, const std::string& motDegre);

// "Prefix" + n + " rule" (fewer than 2) or " rules".
std::string TitreAvecNombre(const std::string& prefixe, int nombre);

// The priority degree as a percentage: "75%".
std::string Pourcentage(double degre, char separateur);

// A premise or conclusion line: "If " / "And " / "Then " + the proposition.
std::string LigneProposition(const std::string& debut, const TProposition& p, char separateur);

// Modification of a rule in place.

// -2 when the entry equals neither the conclusion nor a premise, -1 when only
// the conclusion, else the position (from 0) of the last equal premise.
int Presence(const TRegle& regle, const TProposition& entree);

// Appends a copy of the entry (degree codes 6) as a premise unless the rule
// already holds it ("Antecedent already used in ..."); true when added.
bool AjoutePremisseModif(TRegle& regle, const TProposition& entree, IDialogues& dialogues);

// Takes a premise out; a rule keeps at least one. True when removed.
bool RetirePremisseModif(TRegle& regle, std::size_t position);

// A typed degree ("," read as "."), stored when it is from 0 to 1.
bool ChangeDegre(TRegle& regle, const std::string& texte);

// Takes the rule at this index out of the base, counts it and marks the
// rules changed.
void RetireRegle(TBaseConnaissances& base, std::size_t index);

}  // namespace veridane
