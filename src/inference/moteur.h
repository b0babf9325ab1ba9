// The forward-chaining engine: level by level, every open rule is tested
// against the data of the previous level (at level 1 the observation's data);
// every rule whose premises have all become satisfied fires and its
// conclusion, when not already known, becomes a deduced datum. The run ends
// with the first level that deduces nothing, or at the end of the level in
// which a stop was requested.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/cases_hachees.h"
#include "core/knowledge_base.h"
#include "enregistreur.h"
#include "forme_compilee.h"

namespace veridane {

// A key equal for two propositions exactly when Equivalence holds. A NaN
// number is equivalent to nothing, so it has no key.
std::optional<std::string> CleEquivalence(const TProposition& p);

// In a fired-rule record: the rule number (1-based) and degree codes 6.
// In a premise record: the premise index (0-based) and the degree codes of the
// last datum that satisfied it (0 until then).
struct TNumeroDeRegle {
    std::int32_t Numero = 0;
    std::int32_t Certitude = 0;
    std::int32_t Precision = 0;
    bool operator==(const TNumeroDeRegle&) const = default;
};

// One level of the reasoning: the rules fired in it, in firing order.
struct TRaisonnement {
    std::uint8_t Marque = 0;
    std::vector<TNumeroDeRegle> ReglesDeclenchees;
    bool operator==(const TRaisonnement&) const = default;
};

// What the engine tells the window showing the run. PompeEvenements is where
// the window lets the person act (repaint, click "Stop Induction"): it may
// call TMoteur::StopClick.
class INotificationsMoteur {
public:
    virtual ~INotificationsMoteur() = default;
    virtual void DebutNiveau(int niveau) = 0;
    // The gauge: position indice in 0 .. nbRegles - 1.
    virtual void ProgressionRegle(int indice, int nbRegles) = 0;
    virtual void RegleDeclenchee(int numero, int nbDeclenchees) = 0;
    virtual void FaitDeduit(const TProposition& fait, int nbDeduits, int total) = 0;
    // The gauge is hidden.
    virtual void FinNiveau() = 0;
    virtual void FinInference() = 0;
    virtual void PompeEvenements() = 0;
};

// For runs nobody watches (command line, batch).
class TNotificationsMuettes : public INotificationsMoteur {
public:
    void DebutNiveau(int) override {}
    void ProgressionRegle(int, int) override {}
    void RegleDeclenchee(int, int) override {}
    void FaitDeduit(const TProposition&, int, int) override {}
    void FinNiveau() override {}
    void FinInference() override {}
    void PompeEvenements() override {}
};

class TMoteur {
public:
    // Rules a window lets go by without letting the person act, at most.
    static constexpr std::size_t PasPompe = 256;

    // The observation to reason on (its data are copied) and its 0-based index.
    void ChoisitObservation(const std::vector<TProposition>& donnees, int numero);

    // The counters at the start of a run: rules count from the base,
    // triggered 0, initial = data of the observation, deduced 0.
    void InitialiseCompteurs(const std::vector<TRegle>& regles);

    // Rules below the critical value are set aside (Declenchee); the others
    // are opened: all premises unsatisfied.
    void InitialiseRegles(std::vector<TRegle>& regles, double valeurCritique) const;

    // Attaches a recorder that the following runs fill (nothing: no record,
    // the default). The recorder must outlive the runs.
    void Enregistre(TEnregistreur* enregistreur) { Enregistreur_ = enregistreur; }
    const TEnregistreur* Enregistreur() const { return Enregistreur_; }

    // Runs the whole inference on the prepared rules. The rules must not be
    // added or removed while it runs.
    void Strategie(std::vector<TRegle>& regles, INotificationsMoteur& notifications);

    // A stop request: the run ends at the end of the current level, whose
    // record and data are kept.
    void StopClick();

    // The conclusion is known: equivalent to an initial datum or to the
    // conclusion of a rule recorded in a completed level.
    bool FaitPresent(const TProposition& conclusion) const;

    // Registers one deduced datum: counters, deduced data list, notification.
    void AjouteFait(TProposition fait, INotificationsMoteur& notifications);

    // The rule number of record k, counting the records of the completed
    // levels in order from 0; nothing when there is no such record yet.
    std::optional<int> NumeroRegleDuRecord(std::size_t k) const;

    // The engine state, for the windows and the reasoning tree.
    const std::vector<TProposition>& ObservationInference() const { return ObservationInference_; }
    int NumObservationInference() const { return NumObservationInference_; }
    const std::vector<TRaisonnement>& Raisonnement() const { return Raisonnement_; }
    const std::vector<TProposition>& FaitsCourants() const { return FaitsCourants_; }
    const std::vector<TProposition>& NouveauxFaits() const { return NouveauxFaits_; }
    // The premise records of the last run, rule by rule (built on demand:
    // the engine keeps them in one flat array), and one of them.
    std::vector<std::vector<TNumeroDeRegle>> EtatPremisses() const;
    TNumeroDeRegle EtatPremisse(std::size_t regle, std::size_t premisse) const;
    // The compiled form of the rules base, kept for the next runs on the same
    // rules; how many times it was built, for those who watch the cost.
    const TCompilation& Compilation() const { return Compilation_; }
    // Deduced data in the order deduced, across levels.
    const std::vector<TProposition>& FaitsDeduits() const { return FaitsDeduits_; }
    bool ContinueInference() const { return ContinueInference_; }
    int NbReglesDeclenchees() const { return NbReglesDeclenchees_; }
    int NbFaitsInitiaux() const { return NbFaitsInitiaux_; }
    int NbFaitsDeduits() const { return NbFaitsDeduits_; }
    int NbRegles() const { return NbRegles_; }

private:
    struct TIndex;

    void DebutRun();
    void Niveau(std::vector<TRegle>& regles, TIndex& index, INotificationsMoteur& notifications);
    void TesteRegle(std::vector<TRegle>& regles, std::size_t i, const TIndex& index,
                    std::vector<TNumeroDeRegle>& declenchees, INotificationsMoteur& notifications);
    void Declenche(std::vector<TRegle>& regles, std::size_t i, std::vector<TNumeroDeRegle>& declenchees,
                   INotificationsMoteur& notifications);
    // Known datum `position`: the initial data, then the deduced ones.
    const TProposition& Connu(std::uint32_t position) const;
    // The slot of the known datum equivalent to p (of hash `hache`), or the
    // empty slot where it would go.
    std::size_t CaseConnue(const TProposition& p, std::size_t hache) const;
    void Connais(std::uint32_t position);
    void OublieConnus();
    // The last datum of the level before `limite` that satisfies the
    // premise, copies included, or Aucun.
    std::uint32_t DernierSatisfaisantAvant(const TIndex& index, const TProposition& premisse, std::uint32_t attribut,
                                           std::uint32_t limite) const;
    // Working datum k of the level under way, for the recorder.
    TRepere Repere(std::size_t k) const;

    std::vector<TProposition> ObservationInference_;
    int NumObservationInference_ = 0;
    std::vector<TProposition> FaitsCourants_;
    std::vector<TProposition> NouveauxFaits_;
    // Degree codes of the last datum that satisfied each premise, indexed as
    // the compiled form numbers the premises.
    struct TDegres {
        std::int32_t Certitude = 0;
        std::int32_t Precision = 0;
    };
    std::vector<TDegres> DegresPremisses_;
    TCompilation Compilation_;
    const TFormeCompilee* Forme_ = nullptr;
    std::vector<TRaisonnement> Raisonnement_;
    std::vector<TProposition> FaitsDeduits_;
    bool ContinueInference_ = false;
    bool ArretDemande_ = false;
    bool NiveauCoupe_ = false;  // the last level's scan ended at a stop request
    TEnregistreur* Enregistreur_ = nullptr;
    int NbReglesDeclenchees_ = 0;
    int NbFaitsInitiaux_ = 0;
    int NbFaitsDeduits_ = 0;
    int NbRegles_ = 0;
    // The known data (initial data and the data deduced by completed
    // levels, which are the recorded conclusions), found by open addressing
    // on HacheEquivalence: each slot holds the hash and the position + 1,
    // at most half full. No key is built and nothing is allocated per datum.
    using TCaseConnue = TCaseHachee;
    std::vector<TCaseConnue> Connus_;
    std::size_t NbConnus_ = 0;
};

}  // namespace veridane
