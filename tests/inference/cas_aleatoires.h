// Random rules bases, observations and stop instructions for the property
// tests of the engine: the same case number always gives the same case. The
// number of cases can be raised with the environment variable
// VERIDANE_DIFF_CASES.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/knowledge_base.h"
#include "journal_moteur.h"

namespace veridane::test {

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

TCas GenereCas(std::uint32_t numero);

// How many cases the property tests go through: VERIDANE_DIFF_CASES, or 5000.
std::uint32_t NombreDeCas();

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

}  // namespace veridane::test
