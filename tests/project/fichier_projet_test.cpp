#include "project/fichier_projet.h"

#include <gtest/gtest.h>

#include "outils_test.h"

namespace veridane {
namespace {

using namespace veridane::test;

TEST(FichierProjetTest, ReadsNamesAndCommentsWithItsTolerances) {
    struct Cas {
        const char* nom;
        std::vector<std::string> lignes;
        TContenuProjet attendu;
    };
    const std::vector<Cas> cas = {
        {"as written", {"#Flu study", "#", "", "Rules file: Flu.RUL", "Data base: Flu.DTA"},
         {{{"Flu study"}, {""}}, "FLU.RUL", "FLU.DTA"}},
        {"blanks skipped, text after the name ignored", {"rules file:   demo.rul extra", "DATA BASE :x.dta"},
         {{}, "DEMO.RUL", "X.DTA"}},
        {"a later line replaces an earlier one", {"Rules file: a.rul", "Rules file: b.rul", "Data base: c.dta"},
         {{}, "B.RUL", "C.DTA"}},
        {"a # anywhere makes a comment", {"Rules file: a.rul # old", "  ## two", "Data base: d.dta"},
         {{{" old"}, {"# two"}}, std::nullopt, "D.DTA"}},
        {"other lines ignored", {"Project of 2026", "Rules: r.rul", "Data base: d.dta"}, {{}, std::nullopt, "D.DTA"}},
        {"a line without a name names nothing", {"Rules file: a.rul", "Rules file:", "Data base:   "},
         {{}, "A.RUL", std::nullopt}},
    };
    for (const Cas& c : cas) EXPECT_EQ(DecortiqueProjet(c.lignes), c.attendu) << c.nom;
}

TEST(FichierProjetTest, AcceptsOnlyPlainFileNames) {
    struct Cas {
        const char* nom;
        bool simple;
    };
    const Cas cas[] = {
        {"FLU.RUL", true},   {"a-b_c.dta", true},   {"", false},          {"../FLU.RUL", false},
        {"..", false},       {"DIR/FLU.RUL", false}, {"DIR\\FLU.RUL", false}, {"C:FLU.RUL", false},
        {"/etc/x", false},   {"A..B", false},
    };
    for (const Cas& c : cas) EXPECT_EQ(NomFichierSimple(c.nom), c.simple) << c.nom;
}

TEST(FichierProjetTest, NamesTheProjectAfterAPath) {
    struct Cas {
        const char* chemin;
        const char* repertoire;
        const char* nom;
    };
    const Cas cas[] = {
        {"/home/ann/Work/Flu.exp", "/home/ann/Work/", "Flu.EXP"},
        {"/home/ann/Work/Flu", "/home/ann/Work/", "Flu.EXP"},
        {"Flu.txt", "", "Flu.EXP"},
        {"/w/my.study.exp", "/w/", "my.study.EXP"},
    };
    for (const Cas& c : cas) {
        TEtatVeridane etat;
        FormeNomProjet(etat, c.chemin);
        EXPECT_EQ(etat.Projet.RepertoireProjet, c.repertoire);
        EXPECT_EQ(etat.Projet.NomProjet, c.nom);
        EXPECT_EQ(etat.Commandes.Titre, std::string("Veridane - ") + c.nom);
    }
    TProjet projet;
    FormeNomFichRul(projet, "/a/B/Demo.RUL");
    FormeNomFichDat(projet, "/a/B/Demo.DTA");
    EXPECT_EQ(projet.NomFichRul, "Demo.RUL");
    EXPECT_EQ(projet.NomFichDat, "Demo.DTA");
    EXPECT_TRUE(projet.FichRulNomme && projet.FichDatNomme);
}

TEST(FichierProjetTest, WritesOnlyTheNamedFiles) {
    TProjet projet;
    projet.NomFichRul = "R.RUL";
    projet.FichRulNomme = true;
    EXPECT_EQ(TexteProjet(projet), Lignes({"", "Rules file: R.RUL"}));
    EXPECT_EQ(CheminFichier(projet, "R.RUL"), "r.rul");
    projet.RepertoireProjet = "/Data/Work/";
    EXPECT_EQ(CheminFichier(projet, "Flu.DTA"), "/Data/Work/flu.dta");
}

}  // namespace
}  // namespace veridane
