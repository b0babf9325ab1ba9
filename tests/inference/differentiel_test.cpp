// The fast engine against the plain algorithm on random rules bases and
// observations: every observable result must be the same.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "cas_aleatoires.h"
#include "core/proposition.h"
#include "inference/moteur.h"
#include "journal_moteur.h"
#include "moteur_reference.h"

namespace veridane {
namespace {

using test::GenereCas;
using test::NombreDeCas;
using test::TArret;
using test::TCas;
using test::TConsigneArret;
using test::TDeclencheurArret;
using test::TEvenement;
using test::TGenre;
using test::TJournalMoteur;

std::string Bits(double valeur) {
    std::uint64_t bits;
    std::memcpy(&bits, &valeur, sizeof bits);
    return std::to_string(bits);
}

std::string Decrit(const TProposition& p) {
    std::string texte = PropEnChaine(p) + " |" + Bits(p.Reel) + "|" + p.Modalite + "|" +
                        std::to_string(p.TypeValeur) + "|" + std::to_string(p.Liste.size()) + "|" +
                        std::to_string(p.Certitude) + std::to_string(p.Precision) + (p.Validee ? "V" : "-");
    for (const auto& mot : p.Liste) texte += "," + mot.Nom;
    return texte;
}

std::vector<std::string> Decrit(const std::vector<TProposition>& faits) {
    std::vector<std::string> textes;
    for (const auto& f : faits) textes.push_back(Decrit(f));
    return textes;
}

std::vector<std::string> DecritRegles(const std::vector<TRegle>& regles) {
    std::vector<std::string> textes;
    for (const auto& r : regles) {
        std::string texte = std::to_string(r.NbPremissesRestantes) + (r.Declenchee ? "D" : "-");
        for (const auto& p : r.Premisses) texte += p.Validee ? "V" : ".";
        textes.push_back(texte);
    }
    return textes;
}

// Within a level the gauge only moves forward, and a window gets a chance
// to act at least every PasPompe rules.
void VerifieProgression(const std::vector<int>& progressions, std::uint32_t numero) {
    int precedent = -1;
    for (int indice : progressions) {
        if (indice < precedent) precedent = -1;  // a new level
        ASSERT_LE(indice - precedent, static_cast<int>(TMoteur::PasPompe)) << "case " << numero;
        precedent = indice;
    }
}

struct TResultat {
    std::vector<std::string> Evenements;
    std::vector<TRaisonnement> Raisonnement;
    std::vector<std::string> Deduits, Courants, Nouveaux, Regles;
    std::vector<std::vector<TNumeroDeRegle>> EtatPremisses;
    std::vector<int> Compteurs;
    bool Continue;
};

void Compare(const TResultat& a, const TResultat& b, std::uint32_t numero, int run) {
    const auto ou = "case " + std::to_string(numero) + " run " + std::to_string(run);
    ASSERT_EQ(a.Evenements, b.Evenements) << ou;
    ASSERT_EQ(a.Raisonnement, b.Raisonnement) << ou;
    ASSERT_EQ(a.Deduits, b.Deduits) << ou;
    ASSERT_EQ(a.Compteurs, b.Compteurs) << ou;
    ASSERT_EQ(a.Regles, b.Regles) << ou;
    ASSERT_EQ(a.EtatPremisses, b.EtatPremisses) << ou;
    ASSERT_EQ(a.Courants, b.Courants) << ou;
    ASSERT_EQ(a.Nouveaux, b.Nouveaux) << ou;
    ASSERT_EQ(a.Continue, b.Continue) << ou;
}

// What the random cases exercised, so that a weak generator shows.
struct TStatistiques {
    int Runs = 0, AvecDeclenchement = 0, TroisNiveaux = 0, Arretes = 0, ArretsEnCoursDeNiveau = 0;
};

void CompareUnCas(std::uint32_t numero, TStatistiques& stats) {
    const TCas cas = GenereCas(numero);
    TMoteur rapide;
    reference::TMoteurReference simple;
    auto reglesRapides = cas.Regles;
    auto reglesSimples = cas.Regles;

    for (int run = 1; run <= 2; ++run) {
        const auto& observation = run == 1 ? cas.Observation : cas.Observation2;
        TConsigneArret consigne = run == 1 ? cas.Arret : TConsigneArret{};

        rapide.ChoisitObservation(observation, 0);
        rapide.InitialiseCompteurs(reglesRapides);
        rapide.InitialiseRegles(reglesRapides, cas.ValeurCritique);
        TJournalMoteur journalRapide;
        TDeclencheurArret<TMoteur> arretRapide{consigne, &rapide, false, std::nullopt};
        journalRapide.Reaction = [&](const TEvenement& e) { arretRapide(e); };
        rapide.Strategie(reglesRapides, journalRapide);
        VerifieProgression(journalRapide.Progressions, numero);

        // A stop pressed at a rule the fast engine reported is pressed at
        // that same rule in the plain run; one that never came is not pressed.
        if (consigne.Genre == TArret::Progression) {
            if (arretRapide.IndiceArret) {
                consigne.Valeur = *arretRapide.IndiceArret;
                consigne.Exacte = true;
            } else {
                consigne.Genre = TArret::Aucun;
            }
        }
        simple.ObservationInference = observation;
        simple.InitialiseCompteurs(reglesSimples);
        simple.InitialiseRegles(reglesSimples, cas.ValeurCritique);
        TJournalMoteur journalSimple;
        TDeclencheurArret<reference::TMoteurReference> arretSimple{consigne, &simple, false, std::nullopt};
        journalSimple.Reaction = [&](const TEvenement& e) { arretSimple(e); };
        simple.Strategie(reglesSimples, journalSimple);

        const TResultat a{journalRapide.Evenements,
                          rapide.Raisonnement(),
                          Decrit(rapide.FaitsDeduits()),
                          Decrit(rapide.FaitsCourants()),
                          Decrit(rapide.NouveauxFaits()),
                          DecritRegles(reglesRapides),
                          rapide.EtatPremisses(),
                          {rapide.NbRegles(), rapide.NbReglesDeclenchees(), rapide.NbFaitsInitiaux(),
                           rapide.NbFaitsDeduits()},
                          rapide.ContinueInference()};
        const TResultat b{journalSimple.Evenements,
                          simple.Raisonnement,
                          Decrit(simple.FaitsDeduits),
                          Decrit(simple.FaitsCourants),
                          Decrit(simple.NouveauxFaits),
                          DecritRegles(reglesSimples),
                          simple.EtatPremisses,
                          {simple.NbRegles, simple.NbReglesDeclenchees, simple.NbFaitsInitiaux,
                           simple.NbFaitsDeduits},
                          simple.ContinueInference};
        Compare(a, b, numero, run);
        ++stats.Runs;
        stats.AvecDeclenchement += rapide.NbReglesDeclenchees() > 0;
        stats.TroisNiveaux += rapide.Raisonnement().size() >= 3;
        stats.Arretes += arretRapide.Fait;
        stats.ArretsEnCoursDeNiveau += arretRapide.Fait && !rapide.Raisonnement().back().ReglesDeclenchees.empty();
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(MoteurDifferentielTest, FastEngineMatchesThePlainAlgorithm) {
    const std::uint32_t nombre = NombreDeCas();
    TStatistiques stats;
    for (std::uint32_t numero = 0; numero < nombre; ++numero) {
        CompareUnCas(numero, stats);
        if (HasFatalFailure()) return;
    }
    std::printf("%u random cases, %d runs: %d fired a rule, %d had 3 levels or more, %d stopped (%d in a level "
                "that fired)\n",
                nombre, stats.Runs, stats.AvecDeclenchement, stats.TroisNiveaux, stats.Arretes,
                stats.ArretsEnCoursDeNiveau);
    EXPECT_GT(stats.TroisNiveaux, static_cast<int>(nombre) / 20);
    EXPECT_GT(stats.ArretsEnCoursDeNiveau, static_cast<int>(nombre) / 50);
}

}  // namespace
}  // namespace veridane
