// The plain reference engine on a project, for the engine comparison: opens
// the project, runs forward chaining on its first observation with the
// reference algorithm (every level visits every rule, every premise scans
// every working datum) and lists the initial and deduced data, one per line.
//   veridane-bench-reference PROJECT.EXP
#include <cstdio>
#include <iostream>

#include "cli/dialogues_console.h"
#include "cli/fenetres_console.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "moteur_reference.h"
#include "project/cycle_projet.h"

int main(int argc, char** argv) {
    using namespace veridane;
    if (argc != 2) {
        std::fprintf(stderr, "usage: veridane-bench-reference PROJECT.EXP\n");
        return 2;
    }
    TEtatVeridane etat;
    TDialoguesConsole dialogues(std::cerr);
    TFenetresConsole fenetres;
    TProgressionMuette progression;
    if (!TCycleProjet(etat, fenetres, dialogues, progression).OuvreProjet(argv[1])) return 1;
    if (etat.Faits.Observations.empty()) return 1;

    reference::TMoteurReference moteur;
    moteur.ObservationInference = etat.Faits.Observations.front();
    moteur.InitialiseCompteurs(etat.Base.Regles);
    moteur.InitialiseRegles(etat.Base.Regles, 0.0);
    TNotificationsMuettes notifications;
    moteur.Strategie(etat.Base.Regles, notifications);

    std::string sortie;
    for (const auto* liste : {&moteur.ObservationInference, &moteur.FaitsDeduits})
        for (const auto& fait : *liste) sortie += PropEnChaine(fait, '.') + '\n';
    std::fwrite(sortie.data(), 1, sortie.size(), stdout);
    return 0;
}
