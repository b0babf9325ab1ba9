// A scratch directory per test, and byte-exact file helpers.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "commun/fichiers_test.h"
#include "core/dialogues.h"

namespace veridane {

class DossierTest : public ::testing::Test {
protected:
    std::string Chemin(const std::string& nom) const { return Repertoire / nom; }
    std::string Ecrit(const std::string& nom, const std::string& contenu) const {
        test::EcritFichier(Chemin(nom), contenu);
        return Chemin(nom);
    }
    static std::string Lit(const std::string& chemin) { return test::LitFichier(chemin); }

    test::TRepertoireTemporaire Repertoire;
    std::filesystem::path Dossier{Repertoire.Chemin};
};

// Records every progress call as a line, so a test can check the texts and
// the gauge.
class TProgressionNotee : public IProgression {
public:
    void Texte(const std::string& texte) override { Appels.push_back("text:" + texte); }
    void Montre(int maximum) override { Appels.push_back("show:" + std::to_string(maximum)); }
    void Avance() override { ++Pas; }
    void Cache() override { Appels.push_back("hide"); }
    void Rafraichit() override { Appels.push_back("repaint"); }
    std::vector<std::string> Appels;
    int Pas = 0;
};

}  // namespace veridane
