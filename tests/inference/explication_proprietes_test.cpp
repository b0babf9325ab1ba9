// Properties of the run recorder and of the "why" trees over the random
// cases of the engine: every explanation is well founded, and the recorded
// fate of every rule is what a replay of that rule alone against the run's
// data, level by level, gives.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "cas_aleatoires.h"
#include "core/proposition.h"
#include "inference/correspondance.h"
#include "inference/explication.h"
#include "inference/moteur.h"

namespace veridane {
namespace {

using test::TDeclencheurArret;
using test::TEvenement;
using test::TJournalMoteur;

// The data each level tested: level 1 the observation, level L the data
// deduced at level L - 1, in record order.
std::vector<std::vector<TProposition>> DonneesParNiveau(const TMoteur& moteur) {
    std::vector<std::vector<TProposition>> niveaux{moteur.ObservationInference()};
    std::size_t suivant = 0;
    for (const auto& niveau : moteur.Raisonnement()) {
        std::vector<TProposition> deduits;
        for (std::size_t r = 0; r < niveau.ReglesDeclenchees.size(); ++r)
            deduits.push_back(moteur.FaitsDeduits()[suivant++]);
        niveaux.push_back(std::move(deduits));
    }
    niveaux.pop_back();  // what the last level deduced was never tested
    return niveaux;
}

// What became of one rule, as the recorder tells it or as a replay finds it.
struct TDevenir {
    TStatutRegle Statut = TStatutRegle::Ouverte;
    int Niveau = 0;
    int PremisseAbandon = -1;
    std::vector<TRepere> Satisfactions, Contradictions;
    bool operator==(const TDevenir&) const = default;
};

TDevenir Enregistre(const TEnregistreur& e, std::size_t i, std::size_t nbPremisses) {
    TDevenir d{e.Statut(i), e.NiveauStatut(i), e.PremisseAbandon(i), {}, {}};
    for (std::size_t j = 0; j < nbPremisses; ++j) {
        d.Satisfactions.push_back(e.SatisfaitePar(i, j));
        d.Contradictions.push_back(e.ContreditePar(i, j));
    }
    return d;
}

bool Connu(const TProposition& conclusion, const std::vector<std::vector<TProposition>>& niveaux, int avant) {
    for (int l = 0; l < avant && l < static_cast<int>(niveaux.size()); ++l)
        for (const auto& fait : niveaux[static_cast<std::size_t>(l)])
            if (Equivalence(fait, conclusion)) return true;
    return false;
}

// The rule alone against the data of the first nbNiveaux levels.
TDevenir Rejoue(const TRegle& regle, double critique, const std::vector<std::vector<TProposition>>& niveaux,
                std::size_t nbNiveaux) {
    const std::size_t n = regle.Premisses.size();
    TDevenir d{TStatutRegle::Ouverte, 0, -1, std::vector<TRepere>(n), std::vector<TRepere>(n)};
    if (regle.Priorite < critique) {
        d.Statut = TStatutRegle::Exclue;
        return d;
    }
    std::vector<bool> satisfaite(n, false);
    std::size_t restantes = n;
    for (std::size_t l = 0; l < nbNiveaux; ++l) {
        const int niveau = static_cast<int>(l) + 1;
        bool abandonnee = false;
        for (std::size_t j = 0; j < n; ++j) {
            if (satisfaite[j]) continue;
            const auto& donnees = niveaux[l];
            for (std::size_t k = 0; k < donnees.size(); ++k) {
                const TRepere ici{niveau, static_cast<std::int32_t>(k)};
                const int r = Correspondance(donnees[k], regle.Premisses[j]);
                if (r == Contredite) {
                    d.Contradictions[j] = ici;
                    if (!abandonnee) d.PremisseAbandon = static_cast<int>(j);
                    abandonnee = true;
                    break;
                }
                if (r == Satisfaite) {
                    d.Satisfactions[j] = ici;
                    if (!satisfaite[j]) --restantes;
                    satisfaite[j] = true;
                }
            }
            if (restantes == 0) {
                d.Statut = Connu(regle.Conclusion, niveaux, niveau) ? TStatutRegle::DejaConnue : TStatutRegle::Declenchee;
                d.Niveau = niveau;
                return d;
            }
        }
        if (abandonnee) {
            d.Statut = TStatutRegle::Abandonnee;
            d.Niveau = niveau;
            return d;
        }
    }
    return d;
}

// Equivalence, except that a NaN number is the same datum as itself.
bool MemeFait(const TProposition& a, const TProposition& b) {
    if (Equivalence(a, b)) return true;
    return a.TypeValeur == TypeNumerique && b.TypeValeur == TypeNumerique && std::isnan(a.Reel) &&
           std::isnan(b.Reel) && a.Attribut == b.Attribut && a.Operateur == b.Operateur;
}

struct TCompte {
    int Noeuds = 0, Abandonnees = 0, Ouvertes = 0, Arretees = 0, DejaConnues = 0;
};

// Every datum of the tree satisfies its premise by the matching table and
// was known before its rule's level; each rule named fired at that level;
// leaves are observed data.
void VerifieArbre(const TNoeudPourquoi& noeud, const TMoteur& moteur, const std::vector<TRegle>& regles,
                  const std::string& ou, TCompte& compte) {
    ++compte.Noeuds;
    const auto& o = noeud.Origine;
    if (o.Observee) {
        ASSERT_TRUE(noeud.Appuis.empty()) << ou;
        ASSERT_TRUE(MemeFait(noeud.Fait, moteur.ObservationInference().at(static_cast<std::size_t>(o.Position - 1))))
            << ou;
        return;
    }
    const auto& records = moteur.Raisonnement().at(static_cast<std::size_t>(o.Niveau - 1)).ReglesDeclenchees;
    ASSERT_EQ(records.at(static_cast<std::size_t>(o.Record)).Numero, o.Regle) << ou;
    const TRegle& regle = regles[static_cast<std::size_t>(o.Regle - 1)];
    ASSERT_TRUE(MemeFait(noeud.Fait, regle.Conclusion)) << ou;
    if (noeud.Renvoi) return;
    ASSERT_EQ(noeud.Appuis.size(), regle.Premisses.size()) << ou << " rule " << o.Regle;
    for (std::size_t j = 0; j < noeud.Appuis.size(); ++j) {
        const auto& appui = noeud.Appuis[j];
        ASSERT_EQ(appui.NumeroPremisse, static_cast<int>(j) + 1) << ou;
        ASSERT_EQ(Correspondance(appui.Fait, regle.Premisses[j]), Satisfaite) << ou << " rule " << o.Regle;
        ASSERT_TRUE(appui.Origine.Observee || appui.Origine.Niveau < o.Niveau) << ou << " rule " << o.Regle;
        VerifieArbre(appui, moteur, regles, ou, compte);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

void VerifieUnCas(std::uint32_t numero, TCompte& compte) {
    const auto cas = test::GenereCas(numero);
    const std::string ou = "case " + std::to_string(numero);

    // The same run without and with the recorder.
    auto reglesSans = cas.Regles;
    auto reglesAvec = cas.Regles;
    TMoteur sans, avec;
    TEnregistreur enregistreur;
    avec.Enregistre(&enregistreur);
    TJournalMoteur journalSans, journalAvec;
    TDeclencheurArret<TMoteur> arretSans{cas.Arret, &sans, false, std::nullopt};
    TDeclencheurArret<TMoteur> arretAvec{cas.Arret, &avec, false, std::nullopt};
    journalSans.Reaction = [&](const TEvenement& e) { arretSans(e); };
    journalAvec.Reaction = [&](const TEvenement& e) { arretAvec(e); };
    for (auto [moteur, regles, journal] : {std::tuple{&sans, &reglesSans, &journalSans},
                                           std::tuple{&avec, &reglesAvec, &journalAvec}}) {
        moteur->ChoisitObservation(cas.Observation, 0);
        moteur->InitialiseCompteurs(*regles);
        moteur->InitialiseRegles(*regles, cas.ValeurCritique);
        moteur->Strategie(*regles, *journal);
    }
    ASSERT_EQ(journalSans.Evenements, journalAvec.Evenements) << ou;
    ASSERT_EQ(sans.Raisonnement(), avec.Raisonnement()) << ou;
    ASSERT_EQ(sans.EtatPremisses(), avec.EtatPremisses()) << ou;

    const TExplication explication(avec, reglesAvec, enregistreur);
    for (std::size_t l = 0; l < avec.Raisonnement().size(); ++l)
        for (std::size_t r = 0; r < avec.Raisonnement()[l].ReglesDeclenchees.size(); ++r) {
            const int regle = avec.Raisonnement()[l].ReglesDeclenchees[r].Numero;
            const TOrigine origine{false, 0, static_cast<int>(l) + 1, regle, static_cast<int>(r)};
            VerifieArbre(explication.Pourquoi(origine), avec, reglesAvec, ou, compte);
            if (::testing::Test::HasFatalFailure()) return;
        }

    // A stop cut the run short when its last level still deduced data; no
    // stop, no rule left behind.
    const bool arretee = enregistreur.Arretee();
    if (!arretAvec.Fait) {
        ASSERT_FALSE(arretee) << ou;
    } else if (!avec.Raisonnement().back().ReglesDeclenchees.empty()) {
        ASSERT_TRUE(arretee) << ou;
    }
    const auto niveaux = DonneesParNiveau(avec);
    for (std::size_t i = 0; i < cas.Regles.size(); ++i) {
        const auto n = cas.Regles[i].Premisses.size();
        const TDevenir vu = Enregistre(enregistreur, i, n);
        TDevenir rejoue = Rejoue(cas.Regles[i], cas.ValeurCritique, niveaux, niveaux.size());
        // A stop may leave a rule untested at the last level.
        TDevenir avantArret = Rejoue(cas.Regles[i], cas.ValeurCritique, niveaux, niveaux.size() - 1);
        for (auto* d : {&rejoue, &avantArret})
            if (arretee && d->Statut == TStatutRegle::Ouverte) d->Statut = TStatutRegle::Arretee;
        ASSERT_TRUE(vu == rejoue || (arretee && vu == avantArret))
            << ou << " rule " << i + 1 << " status " << static_cast<int>(vu.Statut) << " level " << vu.Niveau
            << ", replayed " << static_cast<int>(rejoue.Statut) << " level " << rejoue.Niveau;
        compte.Abandonnees += vu.Statut == TStatutRegle::Abandonnee;
        compte.Ouvertes += vu.Statut == TStatutRegle::Ouverte;
        compte.Arretees += vu.Statut == TStatutRegle::Arretee;
        compte.DejaConnues += vu.Statut == TStatutRegle::DejaConnue;
    }
}

TEST(ExplicationProprietesTest, TreesAreWellFoundedAndStatusesAgreeWithAReplay) {
    const std::uint32_t nombre = test::NombreDeCas();
    TCompte compte;
    for (std::uint32_t numero = 0; numero < nombre; ++numero) {
        VerifieUnCas(numero, compte);
        if (HasFatalFailure()) return;
    }
    // Each kind of fate must really have been met.
    EXPECT_GT(compte.Noeuds, static_cast<int>(nombre));
    EXPECT_GT(compte.Abandonnees, 0);
    EXPECT_GT(compte.Ouvertes, 0);
    EXPECT_GT(compte.Arretees, 0);
    EXPECT_GT(compte.DejaConnues, 0);
}

}  // namespace
}  // namespace veridane
