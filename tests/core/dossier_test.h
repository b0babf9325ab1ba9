// A scratch directory per test, and byte-exact file helpers.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/dialogues.h"

namespace veridane {

class DossierTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nom = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : nom)
            if (c == '/') c = '_';
        Dossier = std::filesystem::temp_directory_path() / ("veridane_core_" + nom);
        std::filesystem::remove_all(Dossier);
        std::filesystem::create_directories(Dossier);
    }
    void TearDown() override { std::filesystem::remove_all(Dossier); }

    std::string Chemin(const std::string& nom) const { return (Dossier / nom).string(); }

    std::string Ecrit(const std::string& nom, const std::string& contenu) const {
        std::ofstream(Dossier / nom, std::ios::binary) << contenu;
        return Chemin(nom);
    }

    static std::string Lit(const std::string& chemin) {
        std::ifstream fichier(chemin, std::ios::binary);
        return {std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path Dossier;
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
