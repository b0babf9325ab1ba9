// A small knowledge base and data base for the inference windows' tests,
// built in memory: six rules over three levels, one of them with a known
// conclusion, and three observations (the second one empty); and the bench
// the windows are opened on.
#pragma once

#include <string>
#include <vector>

#include "core/journal.h"
#include "core/proposition.h"
#include "inference/moteur.h"
#include "project/etat.h"
#include "support/parcours.h"

namespace veridane::essai {

inline TRegle Regle(std::vector<TProposition> premisses, TProposition conclusion, double priorite) {
    TRegle regle;
    regle.Premisses = std::move(premisses);
    regle.Conclusion = std::move(conclusion);
    regle.Priorite = priorite;
    return regle;
}

inline void Rules(TEtatVeridane& etat, std::vector<TRegle> regles) {
    etat.Base.Regles = std::move(regles);
    etat.Base.NbRegles = static_cast<int>(etat.Base.Regles.size());
    etat.Base.BaseReglesOuverte = true;
}

inline void Observations(TEtatVeridane& etat, std::vector<TObservation> observations) {
    etat.Faits.Observations = std::move(observations);
    etat.Faits.NbFaits = etat.Faits.CompteFaits();
    etat.Faits.NumObservation = 0;
    etat.Faits.BaseFaitsOuverte = true;
}

// Rules in priority order, as the rules base keeps them. On observation 1 the
// run fires rules 1 and 3 at level 1, rule 2 at level 2 (rule 6 too, but its
// conclusion is an initial datum) and rule 4 at level 3.
inline std::vector<TRegle> ReglesGrippe() {
    return {
        Regle({NouvelleProposition("TEMPERATURE", OpSuperieur, 38.0)}, NouvelleProposition("FEVER", OpEgal, "YES"), 1.0),
        Regle({NouvelleProposition("COUGH", OpEgal, "YES"), NouvelleProposition("FEVER", OpEgal, "YES")},
              NouvelleProposition("DIAGNOSIS", OpEgal, "FLU"), 0.9),
        Regle({NouvelleProposition("AGE", OpSuperieurEgal, 65.0)}, NouvelleProposition("RISK", OpEgal, "HIGH"), 0.85),
        Regle({NouvelleProposition("DIAGNOSIS", OpEgal, "FLU"), NouvelleProposition("RISK", OpEgal, "HIGH")},
              NouvelleProposition("TREATMENT", OpDans, std::vector<std::string>{"REST", "ANTIVIRAL"}), 0.8),
        Regle({NouvelleProposition("RASH", OpEgal, "YES")}, NouvelleProposition("DIAGNOSIS", OpEgal, "MEASLES"), 0.7),
        Regle({NouvelleProposition("FEVER", OpEgal, "YES")}, NouvelleProposition("COUGH", OpEgal, "YES"), 0.5),
    };
}

inline std::vector<TObservation> ObservationsGrippe() {
    return {
        {NouvelleProposition("TEMPERATURE", OpEgal, 39.5), NouvelleProposition("COUGH", OpEgal, "YES"),
         NouvelleProposition("AGE", OpEgal, 70.0)},
        {},
        {NouvelleProposition("RASH", OpEgal, "YES"),
         NouvelleProposition("SYMPTOMS", OpDans, std::vector<std::string>{"ITCH", "SPOTS"})},
    };
}

inline void ProjetGrippe(TEtatVeridane& etat) {
    Rules(etat, ReglesGrippe());
    Observations(etat, ObservationsGrippe());
    etat.Projet.NomProjet = "FLU.EXP";
}

// A chain of n rules, each one deducing the premise of the next: one rule
// fires per level, so a run lasts n levels. The observation starts it.
inline void ProjetChaine(TEtatVeridane& etat, int n) {
    std::vector<TRegle> regles;
    for (int i = 1; i <= n; ++i)
        regles.push_back(Regle({NouvelleProposition("S" + std::to_string(i), OpEgal, "YES")},
                               NouvelleProposition("S" + std::to_string(i + 1), OpEgal, "YES"), 1.0));
    Rules(etat, std::move(regles));
    Observations(etat, {{NouvelleProposition("S1", OpEgal, "YES")}});
}

// What the inference windows work on, and a person to answer them.
struct TBanc {
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TMoteur moteur;
    TParcours parcours;

    TBanc() { ProjetGrippe(etat); }
    // Opens `fenetre` by its own Ouvre, as the window before it does (on
    // `observation` when given, as choosing it does), and answers the
    // windows queued on `parcours`.
    template <class TFenetre>
    bool Ouvre(TFenetre& fenetre, int observation = -1) {
        if (observation >= 0)
            moteur.ChoisitObservation(etat.Faits.Observations.at(static_cast<std::size_t>(observation)), observation);
        const bool reussi = parcours.Execute([&] { fenetre.Ouvre(); });
        if (!reussi) qWarning("%s", qPrintable(parcours.Erreur()));
        return reussi;
    }
    // Runs the inference on an observation as the forward chaining window
    // does, without the window.
    void Infere(int observation) {
        moteur.ChoisitObservation(etat.Faits.Observations.at(static_cast<std::size_t>(observation)), observation);
        moteur.InitialiseCompteurs(etat.Base.Regles);
        moteur.InitialiseRegles(etat.Base.Regles, etat.ValeurCritique);
        TNotificationsMuettes muettes;
        moteur.Strategie(etat.Base.Regles, muettes);
    }
};

}  // namespace veridane::essai
