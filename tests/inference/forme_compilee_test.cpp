// The compiled form of the rules is built once and serves the next runs of
// the same engine; after any edit of the rules, the next run must give what
// a run on the edited rules gives, compiling again only when the premises'
// attributes changed.
#include <gtest/gtest.h>

#include <functional>

#include "core/proposition.h"
#include "inference/moteur.h"
#include "moteur_reference.h"

namespace veridane {
namespace {

TRegle Regle(std::vector<TProposition> premisses, TProposition conclusion, double priorite = 0.5) {
    TRegle r;
    r.Premisses = std::move(premisses);
    r.Conclusion = std::move(conclusion);
    r.Priorite = priorite;
    return r;
}

TProposition Egal(const std::string& attribut, const std::string& valeur) {
    return NouvelleProposition(attribut, OpEgal, valeur);
}

// A chain over three levels, with a rule abandoned and one that needs two data.
std::vector<TRegle> Base() {
    return {Regle({Egal("A", "ON")}, Egal("B", "ON")),
            Regle({Egal("B", "ON"), Egal("A", "ON")}, Egal("C", "V1")),
            Regle({Egal("A", "OFF")}, Egal("X", "ON")),
            Regle({Egal("C", "V1")}, Egal("D", "V2")),
            Regle({Egal("C", "V3"), Egal("B", "ON")}, Egal("E", "ON"))};
}

// The reasoning and deduced data of a run, as texts.
std::vector<std::string> Resultat(const std::vector<TRaisonnement>& raisonnement,
                                  const std::vector<TProposition>& deduits,
                                  const std::vector<std::vector<TNumeroDeRegle>>& premisses) {
    std::vector<std::string> lignes;
    for (const auto& niveau : raisonnement) {
        std::string ligne = "level:";
        for (const auto& r : niveau.ReglesDeclenchees) ligne += ' ' + std::to_string(r.Numero);
        lignes.push_back(ligne);
    }
    for (const auto& fait : deduits) lignes.push_back("deduced " + PropEnChaine(fait));
    for (const auto& regle : premisses) {
        std::string ligne = "premises:";
        for (const auto& p : regle) ligne += ' ' + std::to_string(p.Numero) + '/' + std::to_string(p.Certitude);
        lignes.push_back(ligne);
    }
    return lignes;
}

std::vector<std::string> Lance(TMoteur& moteur, std::vector<TRegle>& regles) {
    moteur.ChoisitObservation({Egal("A", "ON")}, 0);
    moteur.InitialiseCompteurs(regles);
    moteur.InitialiseRegles(regles, 0.0);
    TNotificationsMuettes muettes;
    moteur.Strategie(regles, muettes);
    return Resultat(moteur.Raisonnement(), moteur.FaitsDeduits(), moteur.EtatPremisses());
}

std::vector<std::string> LanceReference(std::vector<TRegle> regles) {
    reference::TMoteurReference moteur;
    moteur.ObservationInference = {Egal("A", "ON")};
    moteur.InitialiseCompteurs(regles);
    moteur.InitialiseRegles(regles, 0.0);
    TNotificationsMuettes muettes;
    moteur.Strategie(regles, muettes);
    return Resultat(moteur.Raisonnement, moteur.FaitsDeduits, moteur.EtatPremisses);
}

TEST(FormeCompileeTest, NextRunFollowsEveryEditOfTheRules) {
    struct Cas {
        const char* Edition;
        std::function<void(std::vector<TRegle>&)> Modifie;
        int Compilations;  // after the second run
    };
    const Cas cas[] = {
        {"nothing", [](auto&) {}, 1},
        {"a premise value", [](auto& r) { r[4].Premisses[0].Modalite = "V1"; }, 1},
        {"a conclusion", [](auto& r) { r[3].Conclusion = Egal("E", "ON"); }, 1},
        {"a premise attribute", [](auto& r) { r[2].Premisses[0].Attribut = "D"; }, 2},
        {"a premise added", [](auto& r) { r[0].Premisses.push_back(Egal("Z", "ON")); }, 2},
        {"a premise removed", [](auto& r) { r[1].Premisses.pop_back(); }, 2},
        {"a rule removed", [](auto& r) { r.erase(r.begin()); }, 2},
        {"a rule inserted first", [](auto& r) { r.insert(r.begin(), Regle({Egal("D", "V2")}, Egal("F", "ON"), 1.0)); }, 2},
        {"the premises of two rules swapped", [](auto& r) { std::swap(r[0].Premisses, r[3].Premisses); }, 2},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.Edition);
        std::vector<TRegle> regles = Base();
        TMoteur moteur;
        ASSERT_EQ(Lance(moteur, regles), LanceReference(Base()));
        c.Modifie(regles);
        const auto attendu = LanceReference(regles);
        EXPECT_EQ(Lance(moteur, regles), attendu);
        EXPECT_EQ(moteur.Compilation().NbCompilations(), c.Compilations);
    }
}

}  // namespace
}  // namespace veridane
