// The cost of the run recorder: opens a project, then runs one observation
// RUNS times with the recorder off and RUNS times with it on, alternately,
// and prints the median inference time of each (processor time, which a
// busy machine disturbs less than wall time, and wall time) and the heap
// bytes the recorder holds (measured by the allocator, and counted from its
// tables).
//   veridane-bench-explication PROJECT.EXP [OBSERVATION [RUNS]]
#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/dialogues_console.h"
#include "cli/fenetres_console.h"
#include "core/journal.h"
#include "inference/enregistreur.h"
#include "inference/moteur.h"
#include "project/cycle_projet.h"

namespace veridane {
namespace {

std::size_t EnUsage() {
    const auto info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

double Processeur() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct TDuree {
    double Processeur, Horloge;
};

TDuree Run(TEtatVeridane& etat, std::size_t observation, TEnregistreur* enregistreur) {
    TMoteur moteur;
    moteur.Enregistre(enregistreur);
    moteur.ChoisitObservation(etat.Faits.Observations[observation], static_cast<int>(observation));
    const double processeur = Processeur();
    const auto debut = std::chrono::steady_clock::now();
    moteur.InitialiseCompteurs(etat.Base.Regles);
    moteur.InitialiseRegles(etat.Base.Regles, etat.ValeurCritique);
    TNotificationsMuettes notifications;
    moteur.Strategie(etat.Base.Regles, notifications);
    return {Processeur() - processeur,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count()};
}

double Mediane(std::vector<double> valeurs) {
    std::sort(valeurs.begin(), valeurs.end());
    return valeurs[valeurs.size() / 2];
}

}  // namespace
}  // namespace veridane

int main(int argc, char** argv) {
    using namespace veridane;
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: veridane-bench-explication PROJECT.EXP [OBSERVATION [RUNS]]\n");
        return 2;
    }
    const std::size_t observation = argc > 2 ? std::stoul(argv[2]) - 1 : 0;
    const int runs = argc > 3 ? std::stoi(argv[3]) : 5;
    TEtatVeridane etat;
    TDialoguesConsole dialogues(std::cerr);
    TFenetresConsole fenetres;
    TProgressionMuette progression;
    if (!TCycleProjet(etat, fenetres, dialogues, progression).OuvreProjet(argv[1])) return 1;
    if (observation >= etat.Faits.Observations.size()) return 2;

    std::vector<double> sans, avec, sansHorloge, avecHorloge;
    for (int i = 0; i < runs; ++i) {
        const TDuree off = Run(etat, observation, nullptr);
        TEnregistreur enregistreur;
        const TDuree on = Run(etat, observation, &enregistreur);
        sans.push_back(off.Processeur);
        avec.push_back(on.Processeur);
        sansHorloge.push_back(off.Horloge);
        avecHorloge.push_back(on.Horloge);
    }
    TEnregistreur enregistreur;
    const std::size_t avant = EnUsage();
    Run(etat, observation, &enregistreur);
    const std::size_t apres = EnUsage();
    std::size_t premisses = 0;
    for (const auto& regle : etat.Base.Regles) premisses += regle.Premisses.size();
    std::printf("rules %zu premises %zu runs %d\n", etat.Base.Regles.size(), premisses, runs);
    std::printf("inference processor time: off %.4f s on %.4f s (%+.1f%%)\n", Mediane(sans), Mediane(avec),
                100.0 * (Mediane(avec) / Mediane(sans) - 1.0));
    std::printf("inference wall time: off %.4f s on %.4f s\n", Mediane(sansHorloge), Mediane(avecHorloge));
    std::printf("recorder %.1f MB measured, %.1f MB counted\n", static_cast<double>(apres - avant) / 1e6,
                static_cast<double>(enregistreur.Octets()) / 1e6);
    return 0;
}
