#include "core/edition_regles.h"

#include <gtest/gtest.h>

#include "core/journal.h"
#include "core/proposition.h"

namespace veridane {
namespace {

std::vector<TProposition> Dico() {
    auto entree = [](TProposition p) {
        p.Certitude = p.Precision = DegreNul;
        return p;
    };
    return {entree(NouvelleProposition("AGE", OpSuperieur, 18.0)),
            entree(NouvelleProposition("CLASS", OpEgal, std::string("ADULT"))),
            entree(NouvelleProposition("COLOUR", OpDans, std::vector<std::string>{"RED", "BLUE"})),
            entree(NouvelleProposition("T", OpEgal, 38.5))};
}

TMessageJournal Info(const std::string& texte) { return {TGenreMessage::Information, texte, TBoutons::Ok}; }

TEST(RegleEnCoursTest, EachEntryAtMostOnceInARule) {
    TRegleEnCours regle;
    TDialoguesJournal journal;
    EXPECT_TRUE(regle.AjouteConclusion(1, journal));
    EXPECT_TRUE(regle.AjoutePremisse(0, journal));
    EXPECT_TRUE(regle.AjoutePremisse(2, journal));
    EXPECT_FALSE(regle.AjoutePremisse(1, journal));
    EXPECT_FALSE(regle.AjoutePremisse(2, journal));
    EXPECT_FALSE(regle.AjouteConclusion(3, journal));  // inert while a conclusion is there
    EXPECT_EQ(journal.Messages, (std::vector<TMessageJournal>{Info("Antecedent already use in conclusion"),
                                                              Info("Antecedent already use in premise 2")}));
    EXPECT_EQ(regle.ChercheAntecedent(0), 0);
    EXPECT_EQ(regle.ChercheAntecedent(2), 1);
    EXPECT_EQ(regle.ChercheAntecedent(1), -1);
    EXPECT_EQ(regle.ChercheAntecedent(3), -2);
    EXPECT_EQ(regle.Conclusion->Index, 1);
}

TEST(RegleEnCoursTest, DisplayLines) {
    TRegleEnCours regle;
    TDialoguesJournal journal;
    const auto dico = Dico();
    EXPECT_EQ(regle.Lignes(dico, '.'), (std::vector<std::string>{"If ?", "Then ?"}));
    regle.AjoutePremisse(0, journal);
    regle.AjoutePremisse(2, journal);
    EXPECT_EQ(regle.Lignes(dico, '.'),
              (std::vector<std::string>{"If AGE > 18", "And COLOUR in { RED, BLUE }", "Then ?"}));
    regle.AjouteConclusion(3, journal);
    EXPECT_EQ(regle.Lignes(dico, ',').back(), "Then T = 38,5");
}

TEST(RegleEnCoursTest, RemovingLines) {
    TRegleEnCours regle;
    TDialoguesJournal journal;
    const auto dico = Dico();
    regle.AjoutePremisse(0, journal);
    regle.AjoutePremisse(2, journal);
    regle.AjouteConclusion(1, journal);
    regle.RetireLigne(1, journal);  // the second premise
    EXPECT_TRUE(regle.Prete());
    regle.RetireLigne(0, journal);  // the only premise left
    EXPECT_FALSE(regle.Prete());
    EXPECT_EQ(regle.Lignes(dico, '.'), (std::vector<std::string>{"If ?", "Then CLASS = ADULT"}));
    regle.RetireLigne(0, journal);  // "If ?": nothing to remove
    regle.RetireLigne(1, journal);  // the conclusion
    regle.RetireLigne(1, journal);  // "Then ?": nothing
    EXPECT_EQ(journal.Messages, (std::vector<TMessageJournal>{Info("Premise 2 removed"), Info("Premise 1 removed"),
                                                              Info("Conclusion removed")}));
    EXPECT_FALSE(regle.PremissesPresentes());
    EXPECT_FALSE(regle.ConclusionPresente());
}

TEST(RegleEnCoursTest, BuiltRuleCopiesTheEntries) {
    TRegleEnCours regle;
    TDialoguesJournal journal;
    auto dico = Dico();
    regle.AjoutePremisse(2, journal);
    regle.AjoutePremisse(0, journal);
    regle.AjouteConclusion(1, journal);
    TRegle construite = regle.Construit(dico, 0.75);
    ASSERT_EQ(construite.Premisses.size(), 2u);
    EXPECT_EQ(construite.NbPremissesRestantes, 2);
    EXPECT_DOUBLE_EQ(construite.Priorite, 0.75);
    EXPECT_FALSE(construite.Declenchee);
    for (const TProposition* p : {&construite.Premisses[0], &construite.Premisses[1], &construite.Conclusion}) {
        EXPECT_EQ(p->Certitude, DegreCertain);
        EXPECT_EQ(p->Precision, DegreCertain);
        EXPECT_FALSE(p->Validee);
    }
    EXPECT_TRUE(Equivalence(construite.Premisses[0], dico[2]));
    EXPECT_TRUE(Equivalence(construite.Conclusion, dico[1]));
    // The rule holds its own words: changing the dictionary leaves it alone.
    dico[2].Liste[0].Nom = "GREEN";
    EXPECT_EQ(construite.Premisses[0].Liste[0].Nom, "RED");
}

TRegle RegleDePriorite(double priorite, const std::string& nom = "X") {
    TRegle r;
    r.Premisses.push_back(NouvelleProposition(nom, OpEgal, 1.0));
    r.Conclusion = NouvelleProposition("Y", OpEgal, priorite);
    r.NbPremissesRestantes = 1;
    r.Priorite = priorite;
    return r;
}

TBaseConnaissances BaseDePriorites(std::vector<double> priorites) {
    TBaseConnaissances base;
    base.Vide();
    for (double p : priorites) base.Regles.push_back(RegleDePriorite(p));
    base.NbRegles = static_cast<int>(base.Regles.size());
    return base;
}

TEST(AjouteRegleTest, PlacedAfterEqualAndHigherPriorities) {
    struct Cas {
        std::vector<double> Priorites;
        double Nouvelle;
        std::size_t Place;
    };
    const Cas cas[] = {{{0.9, 0.5, 0.3}, 0.5, 2}, {{0.9, 0.5, 0.3}, 1.0, 0}, {{0.9, 0.5, 0.3}, 0.0, 3},
                       {{0.9, 0.5, 0.3}, 0.3, 3}, {{}, 0.4, 0},              {{0.5, 0.5}, 0.5, 2}};
    for (const auto& c : cas) {
        TBaseConnaissances base = BaseDePriorites(c.Priorites);
        AjouteRegle(base, RegleDePriorite(c.Nouvelle, "NEW"));
        EXPECT_EQ(base.NbRegles, static_cast<int>(c.Priorites.size()) + 1);
        EXPECT_TRUE(base.ReglesModifiees);
        EXPECT_EQ(base.Regles.at(c.Place).Premisses[0].Attribut, "NEW") << c.Nouvelle;
    }
}

TEST(TexteRegleTest, HeaderAndLines) {
    TBaseConnaissances base = BaseDePriorites({0.9, 0.8});
    base.Regles.push_back(RegleDePriorite(0.75));
    base.Regles[2].Premisses.push_back(NouvelleProposition("T", OpSuperieur, 38.5));
    base.Regles[2].Conclusion = NouvelleProposition("C", OpHorsDe, std::vector<std::string>{"A", "B"});
    base.NbRegles = 3;
    EXPECT_EQ(TexteRegle(base, 2, "Belief degree"),
              (std::vector<std::string>{"Rule number 3: Belief degree = 75%", "If X = 1", "And T > 38.5",
                                        "Then C not_in { A, B }"}));
    base.SeparateurDecimal = ',';
    EXPECT_EQ(TexteRegle(base, 2, "Priority degree")[0], "Rule number 3: Priority degree = 75%");
    EXPECT_EQ(TexteRegle(base, 2, "Priority degree")[2], "And T > 38,5");
    base.Regles[0].Priorite = 0.125;
    EXPECT_EQ(TexteRegle(base, 0, "Belief degree")[0], "Rule number 1: Belief degree = 12,5%");
}

TEST(ModificationTest, PresenceOfAnEntry) {
    TRegle regle = RegleDePriorite(0.5);
    regle.Premisses.push_back(NouvelleProposition("Z", OpEgal, 2.0));
    regle.Premisses.push_back(NouvelleProposition("X", OpEgal, 1.0));  // equal to the first
    auto entree = [](TProposition p) {
        p.Certitude = p.Precision = DegreNul;
        return p;
    };
    EXPECT_EQ(Presence(regle, entree(NouvelleProposition("X", OpEgal, 1.0))), 2);  // the last equal premise
    EXPECT_EQ(Presence(regle, entree(NouvelleProposition("Z", OpEgal, 2.0))), 1);
    EXPECT_EQ(Presence(regle, entree(NouvelleProposition("Y", OpEgal, 0.5))), -1);
    EXPECT_EQ(Presence(regle, entree(NouvelleProposition("Y", OpEgal, 0.6))), -2);
}

TEST(ModificationTest, TypedDegrees) {
    struct Cas {
        const char* Texte;
        bool Accepte;
        double Priorite;
    };
    const Cas cas[] = {{"0,5", true, 0.5}, {"0", true, 0},       {"1", true, 1},      {" .25", true, 0.25},
                       {"1.5", false, 0.7}, {"-0.1", false, 0.7}, {"", false, 0.7},    {"0.5x", false, 0.7},
                       {"1e-1", true, 0.1}, {"abc", false, 0.7}};
    for (const auto& c : cas) {
        TRegle regle = RegleDePriorite(0.7);
        EXPECT_EQ(ChangeDegre(regle, c.Texte), c.Accepte) << c.Texte;
        EXPECT_DOUBLE_EQ(regle.Priorite, c.Priorite) << c.Texte;
    }
}

}  // namespace
}  // namespace veridane
