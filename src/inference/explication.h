// Explanations of a recorded run: why a datum was deduced (the rules and
// data that led to it, down to the observed data) and why a proposition was
// not (the rules that could have concluded it, and what stopped each one).
// Both are built from the engine's results and its recorder; the texts are
// in textes_explication.h.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/knowledge_base.h"
#include "enregistreur.h"
#include "moteur.h"

namespace veridane {

// Where a datum of the run came from.
struct TOrigine {
    bool Observee = true;
    int Position = 0;  // observed: 1-based place in the observation
    int Niveau = 0;    // deduced: the level at which its rule fired
    int Regle = 0;     // deduced: the rule number (1-based)
    int Record = 0;    // deduced: 0-based place among that level's records
    bool operator==(const TOrigine&) const = default;
};

// One datum of a "why" tree. A deduced datum has one child per premise of
// its rule, in premise order: the datum that satisfied it.
struct TNoeudPourquoi {
    TProposition Fait;
    TOrigine Origine;
    // The premise of the parent's rule this datum satisfied (not for the root).
    TProposition Premisse;
    int NumeroPremisse = 0;  // 1-based
    double Priorite = 0.0;   // deduced: the rule's priority
    // Deduced datum already explained higher up in the same tree: its
    // premises are not repeated (a shared datum would repeat a whole subtree).
    bool Renvoi = false;
    std::vector<TNoeudPourquoi> Appuis;
};

// Why an explanation of a premise goes no further.
enum class TCoupure { Aucune, Profondeur, Cycle };

struct TPourquoiPas;

// A premise of an open rule that no datum satisfied.
struct TPremisseNonSatisfaite {
    int Numero = 0;  // 1-based
    TProposition Premisse;
    TCoupure Coupure = TCoupure::Aucune;
    // Why no datum satisfying it was established (absent when cut).
    std::vector<TPourquoiPas> Suite;
};

// A rule that could have concluded the proposition, and what became of it.
struct TCandidat {
    int Regle = 0;  // 1-based
    double Priorite = 0.0;
    TProposition Conclusion;
    TStatutRegle Statut = TStatutRegle::Ouverte;
    int Niveau = 0;  // fired, already known or abandoned: the level
    // Abandoned: the premise (1-based) and the datum that contradicted it.
    int Premisse = 0;
    TProposition PremisseContredite;
    TProposition Contraire;
    TOrigine OrigineContraire;
    // Fired: the datum it deduced. Already known: the datum known before.
    TOrigine Resultat;
    // Open or stopped: the premises never satisfied, in premise order.
    std::vector<TPremisseNonSatisfaite> NonSatisfaites;
};

struct TPourquoiPas {
    TProposition Fait;
    // A datum of the run equal to it: it was established after all.
    std::optional<TOrigine> Etabli;
    // The rules whose conclusion, deduced, would satisfy it as a premise.
    std::vector<TCandidat> Candidats;
    // With no candidate: whether the dictionary has its attribute (so an
    // observation could give it), and the observation's data on it.
    bool AuDictionnaire = false;
    std::vector<std::pair<int, TProposition>> DonneesAttribut;  // 1-based position, datum
};

// Reads a proposition as a rule's conclusion is read: upper-cased, then the
// attribute, operator and value. Nothing when the attribute is missing, the
// operator unknown, the value missing, a number unreadable, a set unclosed
// or text is left after the value.
std::optional<TProposition> LitProposition(const std::string& texte);

class TExplication {
public:
    // A run of `moteur` on `regles` recorded by `enregistreur`, all of which
    // must outlive the explanation and stay unchanged.
    TExplication(const TMoteur& moteur, const std::vector<TRegle>& regles, const TEnregistreur& enregistreur);

    // The datum of the run equal to `fait` (Equivalence): the observed data
    // first, then the deduced data in the order deduced.
    std::optional<TOrigine> Trouve(const TProposition& fait) const;

    const TProposition& Fait(const TOrigine& origine) const;
    TOrigine Origine(TRepere repere) const;

    // Why the datum at `origine` is known. A deduced datum's tree goes down
    // to the observed data.
    TNoeudPourquoi Pourquoi(const TOrigine& origine) const;

    // Why `fait` was not established; open rules' premises are explained in
    // turn down to `profondeur` nested explanations. `dictionnaire` tells
    // whether an observation could give a datum no rule concludes.
    TPourquoiPas PourquoiPas(const TProposition& fait, int profondeur,
                             const std::vector<TProposition>& dictionnaire) const;

private:
    TNoeudPourquoi Noeud(const TOrigine& origine, std::set<std::pair<int, int>>& vus) const;
    TPourquoiPas PourquoiPas(const TProposition& fait, int profondeur, const std::vector<TProposition>& dictionnaire,
                             std::vector<TProposition>& chemin) const;
    TCandidat Candidat(std::size_t i, int profondeur, const std::vector<TProposition>& dictionnaire,
                       std::vector<TProposition>& chemin) const;
    std::optional<TOrigine> ConnuAvant(const TProposition& fait, int niveau) const;
    TOrigine OrigineDeduite(int niveau, int record) const;

    const TMoteur& Moteur_;
    const std::vector<TRegle>& Regles_;
    const TEnregistreur& Enregistreur_;
    std::vector<std::size_t> DebutsNiveaux_;  // level L -> first index in FaitsDeduits (L from 1)
};

// The datum deduced by record k of the completed levels, counting from 0
// in order (the k-th deduced datum); nothing when there is no such record.
std::optional<TOrigine> OrigineDuRecord(const TMoteur& moteur, std::size_t k);

// The rule of lowest priority in a tree (the first met, top down); nothing
// for an observed datum.
std::optional<std::pair<int, double>> RegleLaPlusFaible(const TNoeudPourquoi& noeud);

}  // namespace veridane
