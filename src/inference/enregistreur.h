// The run recorder: what an explanation of a run needs and the reasoning
// list does not keep. The engine fills it only when one is attached
// (TMoteur::Enregistre); a run without one does exactly what it did before.
//
// A datum the engine tested is named by a TRepere: the level at which it
// was tested and its place in that level's working data. At level 1 the
// working data are the observation; at level L > 1 they are the data
// deduced at level L - 1, in the order of that level's records. The
// explanations (explication.h) turn a TRepere into an observed datum or a
// deduced one with its rule.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/knowledge_base.h"

namespace veridane {

struct TRepere {
    std::int32_t Niveau = 0;  // level of the test, from 1; 0: no datum
    std::int32_t Indice = 0;  // 0-based place in that level's working data
    explicit operator bool() const { return Niveau > 0; }
    bool operator==(const TRepere&) const = default;
};

// The final status of a rule in a run.
enum class TStatutRegle : std::uint8_t {
    Ouverte,     // open at the end: some premise was never satisfied
    Exclue,      // priority below the critical value: set aside before the run
    Abandonnee,  // a datum contradicted one of its premises
    Declenchee,  // fired, and its conclusion became a deduced datum
    DejaConnue,  // fired, but its conclusion was already known: nothing added
    Arretee,     // still open when a stop request ended the run early
};

class TEnregistreur {
public:
    // ---- Filled by the engine --------------------------------------------
    // A new run on these rules: the rules already set aside are excluded.
    void DebutRun(const std::vector<TRegle>& regles);
    // Datum `repere` satisfied premise j of rule i (the last one of a scan
    // is the one kept, as the engine keeps its degrees).
    void Satisfaite(std::size_t i, std::size_t j, TRepere repere) { Satisfactions_[Debuts_[i] + j] = repere; }
    // Datum `repere` contradicted premise j of rule i.
    void Contredite(std::size_t i, std::size_t j, TRepere repere);
    // Rule i fired at `niveau`; `dejaConnue`: its conclusion was known.
    void Declenchee(std::size_t i, int niveau, bool dejaConnue);
    // The run is over; `arretee`: a stop request cut it short, so the rules
    // still open may not have been given all the data.
    void FinRun(bool arretee);

    // ---- Read by the explanations ----------------------------------------
    std::size_t NbRegles() const { return Statuts_.size(); }
    TStatutRegle Statut(std::size_t i) const { return Statuts_[i]; }
    // The level of the status: where the rule fired or was abandoned; 0
    // for the other statuses.
    int NiveauStatut(std::size_t i) const { return Niveaux_[i]; }
    // The premise (0-based) whose contradiction abandoned rule i; -1 when
    // none did.
    int PremisseAbandon(std::size_t i) const { return Abandons_[i]; }
    // The datum that satisfied premise j of rule i; false when none did.
    TRepere SatisfaitePar(std::size_t i, std::size_t j) const { return Satisfactions_[Debuts_[i] + j]; }
    // The datum that contradicted premise j of rule i; false when none did.
    TRepere ContreditePar(std::size_t i, std::size_t j) const { return Contradictions_[Debuts_[i] + j]; }
    bool Arretee() const { return Arretee_; }
    // Heap bytes of its tables.
    std::size_t Octets() const;

private:
    std::vector<std::uint32_t> Debuts_;  // rule -> first premise slot, as the compiled form counts them
    std::vector<TRepere> Satisfactions_;
    std::vector<TRepere> Contradictions_;
    std::vector<TStatutRegle> Statuts_;
    std::vector<std::int32_t> Niveaux_;
    std::vector<std::int32_t> Abandons_;
    bool Arretee_ = false;
};

}  // namespace veridane
