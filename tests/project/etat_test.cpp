#include "project/etat.h"

#include <gtest/gtest.h>

#include "core/proposition.h"

namespace veridane {
namespace {

TEST(EtatTest, StartUpForgetsEverythingButTheDecimalSeparator) {
    TEtatVeridane etat;
    etat.Base.SeparateurDecimal = ',';
    etat.Base.ReglesModifiees = true;
    etat.Faits.Observations = {{NouvelleProposition("A", OpEgal, 1.0)}, {}};
    etat.Projet.NomProjet = "FLU.EXP";
    etat.Commandes.Initialise();
    etat.ValeurCritique = 0.5;

    etat.Demarrage();

    EXPECT_FALSE(etat.ProjetChange());
    EXPECT_TRUE(etat.Faits.Observations.empty());
    EXPECT_EQ(etat.Projet.NomProjet, "");
    EXPECT_EQ(etat.Commandes, TEtatCommandes::Demarrage());
    EXPECT_EQ(etat.ValeurCritique, 0.0);
    EXPECT_EQ(etat.Base.SeparateurDecimal, ',');
}

}  // namespace
}  // namespace veridane
