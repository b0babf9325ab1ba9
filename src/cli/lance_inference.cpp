// "run PROJECT.EXP [--observation N | --all] [--critical V] [--json] [--time]":
// opens a project (its messages go to the error stream), sets the critical
// value as the parameters dialog does, and runs forward chaining on one
// observation, or on every observation that holds data, printing each run's
// reasoning tree, counters and deduced data.
#include <chrono>
#include <ctime>
#include <cstdio>

#include "cli/commandes.h"
#include "cli/dialogues_console.h"
#include "cli/options_inference.h"
#include "cli/rapport_inference.h"
#include "core/encodage.h"
#include "inference/parametres.h"
#include "inference/textes_inference.h"

namespace veridane {
namespace {

using THorloge = std::chrono::steady_clock;

double SecondesDepuis(THorloge::time_point debut) {
    return std::chrono::duration<double>(THorloge::now() - debut).count();
}

// Processor time of the whole process, every thread counted: on a machine
// shared with other work it says what a phase cost better than the wall.
double SecondesProcesseur() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

std::string TexteDuree(const std::string& quoi, double secondes, double processeur) {
    char texte[160];
    std::snprintf(texte, sizeof texte, "%s time: %.6f s, processor time: %.6f s", quoi.c_str(), secondes, processeur);
    return texte;
}

// One engine serves every observation, so the rules are compiled once.
void Lance(TEtatVeridane& etat, TMoteur& moteur, std::size_t observation, const TOptionsInference& options,
           bool premiere, TContexteCli& contexte) {
    const auto debut = THorloge::now();
    const double processeur = SecondesProcesseur();
    moteur.ChoisitObservation(etat.Faits.Observations[observation], static_cast<int>(observation));
    moteur.InitialiseCompteurs(etat.Base.Regles);
    moteur.InitialiseRegles(etat.Base.Regles, etat.ValeurCritique);
    TNotificationsMuettes notifications;
    moteur.Strategie(etat.Base.Regles, notifications);
    const double duree = SecondesDepuis(debut);
    const double dureeProcesseur = SecondesProcesseur() - processeur;

    const bool ouverte = etat.Faits.BaseFaitsOuverte;
    const char separateur = etat.Base.SeparateurDecimal;
    if (options.Json) {
        contexte.Sortie << JsonInference(moteur, etat.Base.Regles, ouverte, separateur) << '\n';
    } else {
        if (!premiere) contexte.Sortie << '\n';
        for (const auto& ligne : LignesInference(moteur, etat.Base.Regles, ouverte, separateur))
            contexte.Sortie << Utf8DepuisWindows1252(ligne) << '\n';
    }
    if (options.Temps)
        contexte.Erreurs << TexteDuree("observation " + std::to_string(observation + 1) + " inference", duree,
                                       dureeProcesseur)
                         << '\n';
}

}  // namespace

int LanceInference(const std::vector<std::string>& arguments, TContexteCli& contexte) {
    const auto options = LitOptionsInference(arguments);
    if (!options) return UsageCli(contexte);
    TDialoguesConsole dialogues(contexte.Erreurs);
    std::optional<double> critique = 0.0;
    if (options->Critique) critique = LitDegre(*options->Critique);
    if (!critique) {
        dialogues.Avertit(MessageValeurCritiqueIncorrecte);
        return SortieUsage;
    }

    const auto debut = THorloge::now();
    const double processeur = SecondesProcesseur();
    TEtatVeridane etat;
    if (!OuvreProjetCli(etat, options->Projet, contexte, dialogues)) return SortieAvertissement;
    if (options->Temps)
        contexte.Erreurs << TexteDuree("load", SecondesDepuis(debut), SecondesProcesseur() - processeur) << '\n';
    // Opening resets the critical value; the one asked for is set afterwards,
    // as the parameters dialog would.
    etat.ValeurCritique = *critique;

    const auto choix = ObservationsChoisies(options->Toutes, options->Observation, etat.Faits, contexte, dialogues);
    if (choix.Refus != SortieSucces) return choix.Refus;
    TMoteur moteur;
    for (std::size_t i = 0; i < choix.Observations.size(); ++i)
        Lance(etat, moteur, choix.Observations[i], *options, i == 0, contexte);
    return dialogues.NbAvertissements() > 0 ? SortieAvertissement : SortieSucces;
}

}  // namespace veridane
