#include "project/resume.h"

#include <gtest/gtest.h>

namespace veridane {
namespace {

TEST(ResumeTest, NameLabelsStandInForWhatIsNotNamed) {
    TProjet projet;
    EXPECT_EQ(EtiquettesResume(projet), (TEtiquettesResume{"noname.exp", "current directory", "(none)", "(none)"}));
    projet.NomProjet = "FLU.EXP";
    projet.RepertoireProjet = "/home/ann/Work/";
    projet.NomFichRul = "FLU.RUL";
    projet.FichRulNomme = true;
    projet.NomFichDat = "OLD.DTA";  // named, but not flagged: not shown
    EXPECT_EQ(EtiquettesResume(projet), (TEtiquettesResume{"FLU.EXP", "/home/ann/Work/", "FLU.RUL", "(none)"}));
}

TEST(ResumeTest, RulesCommentsStandInWhenTheProjectHasNone) {
    struct Cas {
        const char* nom;
        std::optional<std::vector<TModalite>> projet;
        std::vector<std::string> attendu;
    };
    const std::vector<Cas> cas = {
        {"no list", std::nullopt, {"Rules of 2026", ""}},
        {"empty list", std::vector<TModalite>{}, {"Rules of 2026", ""}},
        {"own comments", std::vector<TModalite>{{"Mine"}, {""}, {"end"}}, {"Mine", "", "end"}},
    };
    for (const Cas& c : cas) {
        TEtatVeridane etat;
        etat.Base.CommentairesRegles = {{"Rules of 2026"}, {""}};
        etat.Projet.CommentairesProjet = c.projet;
        EXPECT_EQ(LignesMontreProjet(etat), c.attendu) << c.nom;
    }
}

TEST(ResumeTest, EditedLinesReplaceTheChosenCommentary) {
    TEtatVeridane etat;
    etat.Faits.CommentairesBase = {{"base"}};
    etat.Projet.CommentairesProjet = std::vector<TModalite>{{"project"}};
    EXPECT_EQ(LignesChangeComment(etat, true), std::vector<std::string>{"base"});
    EXPECT_EQ(LignesChangeComment(etat, false), std::vector<std::string>{"project"});

    OKAbstractClick(etat, true, DecoupeLignes("new\n\nbase"));
    EXPECT_EQ(etat.Faits.CommentairesBase, (std::vector<TModalite>{{"new"}, {""}, {"base"}}));
    EXPECT_EQ(*etat.Projet.CommentairesProjet, std::vector<TModalite>{{"project"}});
    OKAbstractClick(etat, false, DecoupeLignes("p1\r\n  p2"));
    EXPECT_EQ(*etat.Projet.CommentairesProjet, (std::vector<TModalite>{{"p1"}, {"  p2"}}));
}

TEST(ResumeTest, CutsATextBoxIntoLines) {
    struct Cas {
        const char* texte;
        std::vector<std::string> lignes;
    };
    const Cas cas[] = {
        {"", {}},
        {"one", {"one"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\nb\n", {"a", "b", ""}},
        {"\n", {"", ""}},
    };
    for (const Cas& c : cas) EXPECT_EQ(DecoupeLignes(c.texte), c.lignes) << c.texte;
}

}  // namespace
}  // namespace veridane
