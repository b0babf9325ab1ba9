// The availability table of the main window's commands: each event switches
// exactly its commands on or off and leaves every other one as it was.
#include "core/etat_commandes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veridane {
namespace {

using TDrapeau = bool TEtatCommandes::*;

struct TNomme {
    const char* nom;
    TDrapeau drapeau;
};

const TNomme Drapeaux[] = {
    {"save", &TEtatCommandes::SauverProjet},         {"saveas", &TEtatCommandes::SauverProjetSous},
    {"savebtn", &TEtatCommandes::BoutonSauver},      {"mrules", &TEtatCommandes::MenuRegles},
    {"mbase", &TEtatCommandes::MenuBaseFaits},       {"mdico", &TEtatCommandes::MenuDico},
    {"minfer", &TEtatCommandes::MenuInference},      {"viewrules", &TEtatCommandes::VoirRegles},
    {"remrules", &TEtatCommandes::SupprimerRegles},  {"modrules", &TEtatCommandes::ModifierRegles},
    {"rulesbtn", &TEtatCommandes::BoutonRegles},     {"selvisible", &TEtatCommandes::SelectionObservationVisible},
    {"selactive", &TEtatCommandes::SelectionObservationActive},
    {"viewdata", &TEtatCommandes::VoirDonneesBase},  {"adddata", &TEtatCommandes::AjouterDonneesBase},
    {"basebtn", &TEtatCommandes::BoutonBaseFaits},   {"viewdico", &TEtatCommandes::VoirDonneesDico},
    {"adddico", &TEtatCommandes::AjouterDonneesDico}, {"dicobtn", &TEtatCommandes::BoutonDico},
    {"lists", &TEtatCommandes::ListesVisibles},
};

TEtatCommandes Tous(bool valeur) {
    TEtatCommandes etat;
    for (const TNomme& d : Drapeaux) etat.*d.drapeau = valeur;
    return etat;
}

// The names of the flags that are set, in table order.
std::string Allumes(const TEtatCommandes& etat) {
    std::string noms;
    for (const TNomme& d : Drapeaux)
        if (etat.*d.drapeau) noms += std::string(noms.empty() ? "" : " ") + d.nom;
    return noms;
}

TEST(EtatCommandesTest, StartUpOffersOnlyNewOpenExitAndHelp) {
    // The items of closed menus are on: they follow once their menu opens.
    EXPECT_EQ(Allumes(TEtatCommandes::Demarrage()), "remrules modrules selvisible selactive viewdata adddata viewdico adddico");
    EXPECT_EQ(TEtatCommandes::Demarrage().Titre, "Veridane");
}

TEST(EtatCommandesTest, EachEventSwitchesItsOwnCommands) {
    struct Cas {
        const char* evenement;
        void (TEtatCommandes::*applique)();
        const char* coupe;   // flags it clears
        const char* allume;  // flags it sets
    };
    const Cas cas[] = {
        {"new project", &TEtatCommandes::Initialise, "minfer viewrules remrules modrules rulesbtn selvisible viewdata adddata",
         "save saveas savebtn mrules mbase mdico"},
        {"rules read", &TEtatCommandes::ReglesLues, "selvisible viewdata adddata",
         "save saveas savebtn mrules mbase mdico minfer viewrules rulesbtn"},
        {"no rules", &TEtatCommandes::SansRegles, "viewrules remrules modrules rulesbtn",
         "save saveas savebtn mrules mbase mdico minfer selvisible viewdata adddata basebtn dicobtn"},
        {"dictionary filled", &TEtatCommandes::DicoNonVide, "", "mdico viewdico adddico dicobtn"},
        {"data read", &TEtatCommandes::BaseLue, "selvisible", "viewdata adddata basebtn"},
        {"rules added", &TEtatCommandes::ReglesAjoutees, "", "minfer viewrules remrules modrules rulesbtn"},
        {"last rule removed", &TEtatCommandes::DerniereRegleSupprimee, "minfer viewrules remrules modrules rulesbtn", ""},
        {"new data base", &TEtatCommandes::NouvelleBase, "minfer selvisible", "adddata"},
        {"no datum left", &TEtatCommandes::PlusAucuneDonnee, "minfer", ""},
        {"observation clicked", &TEtatCommandes::ClicObservation, "", "selactive"},
        {"dictionary emptied", &TEtatCommandes::DicoVide, "viewdico dicobtn", ""},
    };
    for (const Cas& c : cas) {
        TEtatCommandes tousMis = Tous(true), aucun = Tous(false);
        (tousMis.*c.applique)();
        (aucun.*c.applique)();
        EXPECT_EQ(Allumes(aucun), c.allume) << c.evenement;
        TEtatCommandes restants = Tous(false);
        for (const TNomme& d : Drapeaux)
            restants.*d.drapeau = std::string(" ").append(c.coupe).append(" ").find(std::string(" ") + d.nom + " ") ==
                                  std::string::npos;
        EXPECT_EQ(Allumes(tousMis), Allumes(restants)) << c.evenement;
    }
}

}  // namespace
}  // namespace veridane
