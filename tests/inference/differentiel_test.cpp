// The fast engine against the plain algorithm on random rules bases and
// observations: every observable result must be the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/proposition.h"
#include "inference/moteur.h"
#include "journal_moteur.h"
#include "moteur_reference.h"

namespace veridane {
namespace {

using test::TEvenement;
using test::TGenre;
using test::TJournalMoteur;

// ---- Random rules bases, observations and stop instructions ----
class TGenerateur {
public:
    explicit TGenerateur(std::uint32_t graine) : Alea_(graine) {}

    int Entier(int min, int max) { return std::uniform_int_distribution<int>(min, max)(Alea_); }
    bool Chance(int pourcent) { return Entier(1, 100) <= pourcent; }
    template <typename T>
    const T& Parmi(const std::vector<T>& valeurs) {
        return valeurs[static_cast<std::size_t>(Entier(0, static_cast<int>(valeurs.size()) - 1))];
    }

    double Nombre() {
        static const std::vector<double> nombres{0.0, -0.0, 1.0, 2.0, 2.5, 3.0, 5.0, -1.0, 1e300};
        if (Chance(2)) return std::numeric_limits<double>::quiet_NaN();
        return Parmi(nombres);
    }

    std::string Mot() {
        static const std::vector<std::string> mots{"RED", "BLUE", "GREEN", "LOW", "", "red"};
        return Parmi(mots);
    }

    // Mostly the combinations the syntax produces, a few it cannot.
    TProposition Proposition(int nbAttributs) {
        TProposition p;
        p.Certitude = DegreCertain;
        p.Precision = DegreCertain;
        p.Attribut = "A" + std::to_string(Entier(0, nbAttributs - 1));
        p.Operateur = static_cast<std::uint8_t>(Entier(0, 7));
        if (p.Operateur == OpEgal) p.TypeValeur = Chance(50) ? TypeNumerique : TypeSymbolique;
        else p.TypeValeur = p.Operateur <= OpDifferent ? TypeNumerique : TypeEnsemble;
        if (Chance(4)) p.TypeValeur = static_cast<std::uint8_t>(Entier(0, 2));
        p.Reel = Nombre();
        p.Modalite = Mot();
        if (p.TypeValeur == TypeEnsemble || Chance(3)) {
            const int n = Entier(0, 3);
            for (int i = 0; i < n; ++i) p.Liste.push_back({Mot()});
        }
        return p;
    }

    TRegle Regle(int nbAttributs) {
        static const std::vector<double> priorites{0.0, 0.3, 0.5, 0.5, 0.8, 1.0};
        TRegle r;
        const int nbPremisses = Chance(5) ? 0 : Entier(1, 3);
        for (int j = 0; j < nbPremisses; ++j) {
            r.Premisses.push_back(Proposition(nbAttributs));
            r.Premisses.back().Validee = Chance(20);  // stale state of an earlier run
        }
        r.Conclusion = Proposition(nbAttributs);
        r.Priorite = Parmi(priorites);
        r.Declenchee = Chance(20);
        r.NbPremissesRestantes = Entier(-1, 3);
        return r;
    }

    // Data of several degrees, and now and then a copy of an earlier one: a
    // level's copies are matched once, yet a premise must keep the degrees
    // of the last datum that satisfied it.
    std::vector<TProposition> Observation(int nbAttributs, int maxFaits) {
        std::vector<TProposition> faits;
        const int n = Entier(0, maxFaits);
        for (int i = 0; i < n; ++i) {
            if (!faits.empty() && Chance(30)) {
                faits.push_back(Parmi(faits));
                continue;
            }
            faits.push_back(Proposition(nbAttributs));
            faits.back().Certitude = Entier(1, DegreCertain);
            faits.back().Precision = Entier(1, DegreCertain);
        }
        return faits;
    }

private:
    std::mt19937 Alea_;
};

// Where a stop is pressed from inside a notification.
enum class TArret { Aucun, DebutNiveau, Declenchement, Deduction, FinNiveau, Progression };

struct TConsigneArret {
    TArret Genre = TArret::Aucun;
    int Niveau = 0;
    int Valeur = 0;  // firing or deduction count, or the first rule index
    bool Exacte = false;  // progression: this index exactly, not the first at or after it
};

struct TCas {
    std::vector<TRegle> Regles;
    std::vector<TProposition> Observation;
    std::vector<TProposition> Observation2;
    double ValeurCritique = 0.0;
    TConsigneArret Arret;
};

// Presses stop once, as the instruction says; tells which rule index a
// progression stop actually happened at.
template <typename Moteur>
struct TDeclencheurArret {
    TConsigneArret Consigne;
    Moteur* Cible = nullptr;
    bool Fait = false;
    std::optional<int> IndiceArret;

    void operator()(const TEvenement& e) {
        if (Fait || !Touche(e)) return;
        Fait = true;
        if (e.Genre == TGenre::Progression) IndiceArret = e.Valeur;
        Cible->StopClick();
    }

    bool Touche(const TEvenement& e) const {
        switch (Consigne.Genre) {
            case TArret::DebutNiveau: return e.Genre == TGenre::Niveau && e.Valeur == Consigne.Niveau;
            case TArret::Declenchement: return e.Genre == TGenre::Declenchement && e.Valeur == Consigne.Valeur;
            case TArret::Deduction: return e.Genre == TGenre::Deduction && e.Valeur == Consigne.Valeur;
            case TArret::FinNiveau: return e.Genre == TGenre::FinNiveau && e.Valeur == Consigne.Niveau;
            case TArret::Progression:
                return e.Genre == TGenre::Progression && e.Niveau == Consigne.Niveau &&
                       (Consigne.Exacte ? e.Valeur == Consigne.Valeur : e.Valeur >= Consigne.Valeur);
            default: return false;
        }
    }
};

// The same case number always gives the same case.
TCas GenereCas(std::uint32_t numero) {
    TGenerateur g(numero * 2654435761u + 17u);
    TCas cas;
    const bool grand = g.Chance(3);
    const int nbAttributs = grand ? g.Entier(20, 80) : g.Entier(1, 6);
    const int nbRegles = grand ? g.Entier(257, 900) : g.Entier(0, 30);
    for (int i = 0; i < nbRegles; ++i) cas.Regles.push_back(g.Regle(nbAttributs));
    cas.Observation = g.Observation(nbAttributs, grand ? 20 : 6);
    cas.Observation2 = g.Observation(nbAttributs, grand ? 20 : 6);
    static const std::vector<double> critiques{0.0, 0.0, 0.0, 0.5, 0.8};
    cas.ValeurCritique = g.Parmi(critiques);
    if (g.Chance(50)) {
        cas.Arret.Genre = static_cast<TArret>(g.Entier(1, 5));
        cas.Arret.Niveau = g.Entier(1, 3);
        cas.Arret.Valeur = cas.Arret.Genre == TArret::Progression ? g.Entier(0, std::max(0, nbRegles - 1))
                                                                   : g.Entier(1, 5);
    }
    return cas;
}

// How many cases go through: VERIDANE_DIFF_CASES, or 5000.
std::uint32_t NombreDeCas() {
    if (const char* texte = std::getenv("VERIDANE_DIFF_CASES")) {
        const long n = std::strtol(texte, nullptr, 10);
        if (n > 0) return static_cast<std::uint32_t>(n);
    }
    return 5000;
}

// ---- The comparison ----

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
