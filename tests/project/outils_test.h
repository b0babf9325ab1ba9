// Shared helpers of the project tests: a temporary project directory, file
// access, a scripted stand-in for the windows the project operations open,
// and short ways to build data.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

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

class TRepertoireTemporaire {
public:
    TRepertoireTemporaire() {
        std::string modele = (std::filesystem::temp_directory_path() / "veridane-XXXXXX").string();
        Chemin = std::string(::mkdtemp(modele.data())) + "/";
    }
    ~TRepertoireTemporaire() {
        std::error_code ignoree;
        std::filesystem::permissions(Chemin, std::filesystem::perms::owner_all, ignoree);
        std::filesystem::remove_all(Chemin, ignoree);
    }
    TRepertoireTemporaire(const TRepertoireTemporaire&) = delete;
    TRepertoireTemporaire& operator=(const TRepertoireTemporaire&) = delete;

    std::string operator/(const std::string& nom) const { return Chemin + nom; }
    std::string Chemin;  // with its trailing "/"
};

inline void EcritFichier(const std::string& chemin, const std::string& contenu) {
    std::ofstream(chemin, std::ios::binary) << contenu;
}

inline std::string LitFichier(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline bool Existe(const std::string& chemin) { return std::filesystem::exists(chemin); }

// File names of a directory, sorted.
inline std::vector<std::string> Fichiers(const std::string& repertoire) {
    std::vector<std::string> noms;
    for (const auto& entree : std::filesystem::directory_iterator(repertoire)) noms.push_back(entree.path().filename());
    std::sort(noms.begin(), noms.end());
    return noms;
}

// Lines joined with CR LF, each one ended.
inline std::string Lignes(const std::vector<std::string>& lignes) {
    std::string texte;
    for (const auto& l : lignes) texte += l + "\r\n";
    return texte;
}

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
