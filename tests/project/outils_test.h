// Shared helpers of the project tests: a scripted stand-in for the windows the project operations open,
// and short ways to build data.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "commun/fichiers_test.h"
#include "core/proposition.h"
#include "core/etat_commandes.h"
#include "project/fenetres_projet.h"

namespace veridane {

// Readable failures for the command state.
inline void PrintTo(const TEtatCommandes& c, std::ostream* os) {
    *os << "{save " << c.SauverProjet << c.SauverProjetSous << c.BoutonSauver << " menus " << c.MenuRegles
        << c.MenuBaseFaits << c.MenuDico << c.MenuInference << " rules " << c.VoirRegles << c.SupprimerRegles
        << c.ModifierRegles << c.BoutonRegles << " base " << c.SelectionObservationVisible
        << c.SelectionObservationActive << c.VoirDonneesBase << c.AjouterDonneesBase << c.BoutonBaseFaits << " dico "
        << c.VoirDonneesDico << c.AjouterDonneesDico << c.BoutonDico << " lists " << c.ListesVisibles << " \""
        << c.LegendeMenuBase << "\" \"" << c.LegendeVoirDonnees << "\" \"" << c.LegendeAjouterDonnees << "\" \""
        << c.Titre << "\"}";
}

}  // namespace veridane

namespace veridane::test {

// The windows of a project, scripted: each call is logged, and the new-project
// dialog, the dictionary manager and the commentary window do what the test
// says.
class TFenetresScript : public IFenetresProjet {
public:
    TChoixNouveauProjet NouveauProjet() override {
        Journal.push_back("NouveauProjet");
        return Choix;
    }
    void GestionnaireDico() override {
        Journal.push_back("GestionnaireDico");
        if (Dico) Dico();
    }
    void MontreProjet() override { Journal.push_back("MontreProjet"); }
    void ChangeComment(bool base) override {
        Journal.push_back(base ? "ChangeComment(base)" : "ChangeComment(projet)");
        if (Commentaire) Commentaire(base);
    }

    TChoixNouveauProjet Choix = TChoixNouveauProjet::Annuler;
    std::function<void()> Dico;
    std::function<void(bool)> Commentaire;
    std::vector<std::string> Journal;
};

inline TProposition Num(const std::string& a, std::uint8_t op, double v) { return NouvelleProposition(a, op, v); }
inline TProposition Sym(const std::string& a, const std::string& v) { return NouvelleProposition(a, OpEgal, v); }
inline TProposition Ens(const std::string& a, std::uint8_t op, std::vector<std::string> v) {
    return NouvelleProposition(a, op, std::move(v));
}

}  // namespace veridane::test
