#include "core/fichier_regles.h"

#include <gtest/gtest.h>

#include "core/dictionnaire.h"
#include "core/etat_commandes.h"
#include "core/fichier_texte.h"
#include "core/format_nombre.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "dossier_test.h"

namespace veridane {
namespace {

// The rules of the diagnosis example, as the editors would build them.
TBaseConnaissances BaseDiagnostic() {
    TBaseConnaissances base;
    base.Vide();
    base.CommentairesRegles = {{"Diagnosis rules"}};
    TRegle grippe;
    grippe.Premisses = {NouvelleProposition("TEMPERATURE", OpSuperieur, 38.0),
                        NouvelleProposition("COUGH", OpEgal, std::string("YES"))};
    grippe.Conclusion = NouvelleProposition("DISEASE", OpEgal, std::string("FLU"));
    grippe.NbPremissesRestantes = 2;
    grippe.Priorite = 0.8;
    TRegle couleur;
    couleur.Premisses = {NouvelleProposition("COLOR", OpDans, std::vector<std::string>{"RED", "BLUE"})};
    couleur.Conclusion = NouvelleProposition("KIND", OpHorsDe, std::vector<std::string>{"A", "B"});
    couleur.NbPremissesRestantes = 1;
    couleur.Priorite = 0.5;
    base.Regles = {grippe, couleur};
    base.NbRegles = 2;
    return base;
}

const char* const FichierDiagnostic =
    "#Diagnosis rules\r\n"
    "\r\n"
    "Number of rules: 2;\r\n"
    "\r\n"
    "# Rule 1\r\n"
    "If TEMPERATURE > 38 \r\n"
    "And COUGH = YES \r\n"
    "Then DISEASE = FLU [0.8];\r\n"
    "\r\n"
    "# Rule 2\r\n"
    "If COLOR in { RED, BLUE }\r\n"
    "Then KIND not_in { A, B }[0.5];\r\n"
    "\r\n";

// One line per rule: "priority: premises => conclusion".
std::vector<std::string> Resume(const TBaseConnaissances& base) {
    std::vector<std::string> lignes;
    for (const TRegle& r : base.Regles) {
        std::string ligne = FormatGeneral(r.Priorite, 7) + ":";
        for (const TProposition& p : r.Premisses) ligne += " " + PropEnChaine(p) + ";";
        ligne += " => " + PropEnChaine(r.Conclusion);
        lignes.push_back(ligne);
    }
    return lignes;
}

std::vector<std::string> Entrees(const TBaseConnaissances& base) {
    std::vector<std::string> lignes;
    for (const TProposition& p : base.Dictionnaire) lignes.push_back(PropEnChaine(p));
    return lignes;
}

class FichierReglesTest : public DossierTest {
protected:
    bool Ouvre(const std::string& chemin) {
        Base = TBaseConnaissances{};
        Base.Vide();
        Commandes = TEtatCommandes::Demarrage();
        return OuvrirFR(Base, chemin, Commandes, Dialogues, Progression);
    }
    TBaseConnaissances Base;
    TEtatCommandes Commandes;
    TDialoguesJournal Dialogues;
    TProgressionNotee Progression;
};

TEST_F(FichierReglesTest, DiagnosisExampleReadsBackToTheSameModel) {
    TBaseConnaissances depart = BaseDiagnostic();
    depart.ReglesModifiees = true;
    ASSERT_TRUE(SauveBaseRegles(depart, Chemin("flu.rul"), Dialogues, Progression));
    EXPECT_FALSE(depart.ReglesModifiees);
    EXPECT_EQ(Progression.Appels, (std::vector<std::string>{"show:2", "hide"}));
    EXPECT_EQ(Progression.Pas, 2);
    Progression = TProgressionNotee{};
    EXPECT_EQ(Lit(Chemin("flu.rul")), FichierDiagnostic);

    ASSERT_TRUE(Ouvre(Chemin("FLU.RUL")));  // found whatever the case of its name
    EXPECT_TRUE(Dialogues.Messages.empty());
    EXPECT_EQ(Base.CommentairesRegles, depart.CommentairesRegles);
    EXPECT_EQ(Resume(Base), Resume(depart));
    EXPECT_EQ(Base.NbRegles, 2);
    EXPECT_EQ(Base.NumRegle, 2);
    EXPECT_TRUE(Base.BaseReglesOuverte);
    for (const TRegle& r : Base.Regles) {
        EXPECT_EQ(r.NbPremissesRestantes, static_cast<int>(r.Premisses.size()));
        EXPECT_FALSE(r.Declenchee);
        for (const TProposition& p : r.Premisses) EXPECT_EQ(p.Certitude, DegreCertain);
        EXPECT_EQ(r.Conclusion.Precision, DegreCertain);
    }
    // No dictionary file: it is compiled from the rules alone.
    EXPECT_TRUE(Base.DicoACompiler);
    EXPECT_EQ(Entrees(Base), (std::vector<std::string>{"COLOR in { RED, BLUE }", "COUGH = YES", "DISEASE = FLU",
                                                         "KIND not_in { A, B }", "TEMPERATURE > 38"}));
    EXPECT_EQ(Base.NbFaitsDico, 5);
    EXPECT_EQ(TexteBaseRegles(Base), FichierDiagnostic);
}

TEST_F(FichierReglesTest, ProgressTextsAndGaugeFollowTheReading) {
    std::string chemin = Ecrit("flu.rul", FichierDiagnostic);
    Ouvre(chemin);
    EXPECT_EQ(Progression.Appels, (std::vector<std::string>{"text:Compilation of the rules dictionary...", "repaint",
                                                            "show:2", "text:", "hide"}));
    EXPECT_EQ(Progression.Pas, 2);

    Ecrit("flu.dic", "COUGH = YES ;\r\n");
    Progression = TProgressionNotee{};
    Ouvre(chemin);
    EXPECT_FALSE(Base.DicoACompiler);
    EXPECT_EQ(Progression.Appels.front(), "text:Loading the rules dictionary...");
}

TEST_F(FichierReglesTest, CommandStateFollowsWhatWasRead) {
    TEtatCommandes avecRegles = TEtatCommandes::Demarrage();
    avecRegles.ReglesLues();
    avecRegles.DicoNonVide();
    Ouvre(Ecrit("flu.rul", FichierDiagnostic));
    EXPECT_EQ(Commandes, avecRegles);

    TEtatCommandes sansRegles = TEtatCommandes::Demarrage();
    sansRegles.SansRegles();
    Ouvre(Ecrit("vide.rul", "Number of rules: 0;\r\n"));
    EXPECT_EQ(Commandes, sansRegles);
    EXPECT_FALSE(Base.BaseReglesOuverte);

    // Without rules but with a dictionary file, the dictionary commands are on.
    Ecrit("vide.dic", "AGE > 18 ;\r\n");
    Ouvre(Chemin("vide.rul"));
    sansRegles.DicoNonVide();
    EXPECT_EQ(Commandes, sansRegles);
}

struct CasLecture {
    const char* Nom;
    const char* Regles;  // nullptr: no rules file
    const char* Dico;    // nullptr: no dictionary file
    std::vector<std::string> Messages;
    std::vector<std::string> ReglesTenues;  // Resume() of the rules kept
    std::vector<std::string> Dictionnaire;
};

class MessagesLecture : public FichierReglesTest, public ::testing::WithParamInterface<CasLecture> {};

TEST_P(MessagesLecture, StopsWithTheExactMessageAndKeepsWhatWasRead) {
    const CasLecture& cas = GetParam();
    std::string chemin = cas.Regles ? Ecrit("base.rul", cas.Regles) : Chemin("base.rul");
    if (cas.Dico) Ecrit("base.dic", cas.Dico);
    EXPECT_EQ(Ouvre(chemin), cas.Regles != nullptr);
    EXPECT_EQ(Dialogues.Textes(), cas.Messages);
    EXPECT_EQ(Dialogues.NbAvertissements(), static_cast<int>(cas.Messages.size()));
    EXPECT_EQ(Resume(Base), cas.ReglesTenues);
    EXPECT_EQ(Base.NbRegles, static_cast<int>(cas.ReglesTenues.size()));
    EXPECT_EQ(Entrees(Base), cas.Dictionnaire);
    EXPECT_EQ(Base.NbFaitsDico, static_cast<int>(cas.Dictionnaire.size()));
}

const char* const Tete = "Number of rules: 2;\r\nIf A = 1 Then B = 2 [0.5];\r\n";
const std::vector<std::string> UneRegle = {"0.5: A = 1; => B = 2"};
const std::vector<std::string> DicoUneRegle = {"A = 1", "B = 2"};

std::string AvecTete(const char* regle) { return std::string(Tete) + regle + "\r\n"; }

// Each case keeps its file text alive for the run.
const std::string SansIf = AvecTete("A = 1 Then B = 2 [0.5];");
const std::string SansAttributPremisse = AvecTete("If , X = 1 Then B = 2 [0.5];");
const std::string OperateurPremisse = AvecTete("If A B Then B = 2 [0.5];");
const std::string OperateurMinuscule = AvecTete("If A in_ { X } Then B = 2 [0.5];");
const std::string SansThen = AvecTete("If A = 1 B = 2 [0.5];");
const std::string SansAttributConclusion = AvecTete("If A = 1 Then , [0.5];");
const std::string OperateurConclusion = AvecTete("If A = 1 Then B == 2 [0.5];");
const std::string SansCrochet = AvecTete("If A = 1 Then B = 2 0.5;");
const std::string PrioriteMoinsUn = AvecTete("If A = 1 Then B = 2 [-1];");
// A rule text that ends right after IN or NOT_IN: the set reader must not
// step past the end of the text.
const std::string FinSurNotIn = AvecTete("; IF X NOT_IN");
const std::string FinSurIn = AvecTete("IF A = 1; AND C IN");

INSTANTIATE_TEST_SUITE_P(
    Cases, MessagesLecture,
    ::testing::Values(
        CasLecture{"IfNotFound", SansIf.c_str(), nullptr,
                   {"Error in rule 2: IF not found", "1 rules extracted, 2 expected rules"}, UneRegle, DicoUneRegle},
        CasLecture{"AntecedentAttribute", SansAttributPremisse.c_str(), nullptr,
                   {"Error in rule 2: attribute of antecedent not found", "Error in the rule 2: THEN not found",
                    "1 rules extracted, 2 expected rules"},
                   UneRegle, DicoUneRegle},
        CasLecture{"AntecedentOperator", OperateurPremisse.c_str(), nullptr,
                   {"Error in rule 2: incorrect operator in antecedent", "1 rules extracted, 2 expected rules"},
                   UneRegle, DicoUneRegle},
        CasLecture{"UnknownOperatorThenMissingThen", OperateurMinuscule.c_str(), nullptr,
                   {"Error in rule 2: incorrect operator in antecedent", "Error in the rule 2: THEN not found",
                    "1 rules extracted, 2 expected rules"},
                   UneRegle, DicoUneRegle},
        CasLecture{"ThenNotFound", SansThen.c_str(), nullptr,
                   {"Error in the rule 2: THEN not found", "1 rules extracted, 2 expected rules"}, UneRegle,
                   DicoUneRegle},
        CasLecture{"ConclusionAttribute", SansAttributConclusion.c_str(), nullptr,
                   {"Error in rule 2: attribute of conclusion not found", "1 rules extracted, 2 expected rules"},
                   UneRegle, DicoUneRegle},
        CasLecture{"ConclusionOperator", OperateurConclusion.c_str(), nullptr,
                   {"Error in rule 2: operateur of conclusion not found", "1 rules extracted, 2 expected rules"},
                   UneRegle, DicoUneRegle},
        CasLecture{"BracketNotFound", SansCrochet.c_str(), nullptr,
                   {"Error in rule 2: '[' not found ", "1 rules extracted, 2 expected rules"}, UneRegle,
                   DicoUneRegle},
        CasLecture{"PriorityMinusOne", PrioriteMoinsUn.c_str(), nullptr,
                   {"Error in rule 2: priority degree incorrect", "1 rules extracted, 2 expected rules"}, UneRegle,
                   DicoUneRegle},
        CasLecture{"RuleTextEndsOnNotIn", FinSurNotIn.c_str(), nullptr,
                   {"Error in the rule 2: THEN not found", "1 rules extracted, 2 expected rules"}, UneRegle,
                   DicoUneRegle},
        CasLecture{"RuleTextEndsOnInAfterAnd", FinSurIn.c_str(), nullptr,
                   {"Error in the rule 2: THEN not found", "1 rules extracted, 2 expected rules"}, UneRegle,
                   DicoUneRegle},
        CasLecture{"FileNotFound", nullptr, "A = 1 ;\r\n", {"File of rules not found"}, {}, {"A = 1"}},
        CasLecture{"BlankLineBeforeCount", "#Head\r\n   \r\nNumber of rules: 1;\r\nIf A = 1 Then B = 2 [1];\r\n",
                   nullptr, {"Error: not number of rules in the file "}, {}, {}},
        CasLecture{"EmptyFile", "", nullptr, {"Error: not number of rules in the file "}, {}, {}},
        CasLecture{"ThreeOfFive",
                   "Number of rules: 5;\r\nIf A = 1 Then B = 1 [0.1];\r\nIf A = 2 Then B = 2 [0.3];\r\n"
                   "If A = 3 Then B = 3 [0.2];\r\nIf A = 4 B = 4 [0.9];\r\nIf A = 5 Then B = 5 [0.9];\r\n",
                   nullptr,
                   {"Error in the rule 4: THEN not found", "3 rules extracted, 5 expected rules"},
                   {"0.3: A = 2; => B = 2", "0.2: A = 3; => B = 3", "0.1: A = 1; => B = 1"},
                   {"A = 2", "A = 3", "A = 1", "B = 2", "B = 3", "B = 1"}},
        CasLecture{"MoreRulesThanAnnounced", "Number of rules: 1;\r\nIf A = 1 Then B = 2 [0.5];\r\nIf C = 1 Then D = 2 [0.5];\r\n",
                   nullptr, {"2 rules extracted, 1 expected rules"},
                   {"0.5: A = 1; => B = 2", "0.5: C = 1; => D = 2"}, {"A = 1", "B = 2", "C = 1", "D = 2"}},
        CasLecture{"DictionaryAttribute", "Number of rules: 1;\r\nIf A = 1 Then B = 2 [0.5];\r\n",
                   "Z = 9 ;\r\n\r\n ; Y = 1 ;\r\nX = 1 ;\r\n",
                   {"Error in data 2 of the dictionary: attribute of data not found"}, UneRegle,
                   {"A = 1", "B = 2", "Z = 9"}},
        CasLecture{"DictionaryOperator", "Number of rules: 1;\r\nIf A = 1 Then B = 2 [0.5];\r\n",
                   "Z = 9 ;\r\nY => 1 ;\r\n", {"Error in data 2 of the dictionary: incorrect operator in data"},
                   UneRegle, {"A = 1", "B = 2", "Z = 9"}},
        CasLecture{"DictionaryDuplicateKeepsTheCounter", "Number of rules: 0;\r\n", "A = 1 ;\r\nA = 1 ;\r\n= ;\r\n",
                   {"Error in data 3 of the dictionary: incorrect operator in data"}, {}, {"A = 1"}},
        CasLecture{"DictionaryCounterIsHeldPlusOne", "Number of rules: 0;\r\n",
                   "A = 1 ;\r\nA = 1 ;\r\nC = 1 ;\r\n{ ;\r\n",
                   {"Error in data 3 of the dictionary: attribute of data not found"}, {}, {"A = 1", "C = 1"}},
        CasLecture{"DictionaryEntrySplitBeforeTheValue", "Number of rules: 0;\r\n", "COLOR =\r\nRED;\r\n",
                   {"Error in data 1 of the dictionary: incorrect operator in data"}, {}, {}}),
    [](const auto& info) { return std::string(info.param.Nom); });

struct CasCompte {
    const char* Ligne;
    int Attendu;
};

TEST(TrouveNbReglesTest, DecodesTheCountLine) {
    const CasCompte cas[] = {
        {"NUMBER OF RULES: 12;", 12},  {"NUMBER OF RULES:   7 ;", 7}, {"NUMBER OF RULES: 3", 3},
        {"RULE NUMBER OF: 4;", 4},     {"NUMBER OF RULES: 0;", 0},    {"NUMBER OF RULES: 2147483647;", 2147483647},
        {"", -1},
        {"# NUMBER OF RULES: 2;", -1}, {"A COMMENT # HERE", -1},
        {"   ", -2},                   {"NUMBER OF RULES:;", -2},      {"NUMBER OF RULES: 12A;", -2},
        {"NUMBER OF RULES 12;", -2},   {"NUMBER RULES: 12;", -2},      {"NUMBER OF RULES: 2147483648;", -2},
        {"NUMBER OF RULES: -1;", -2},  {"TEXT", -2},
    };
    for (const auto& c : cas) EXPECT_EQ(TrouveNbRegles(c.Ligne), c.Attendu) << '"' << c.Ligne << '"';
    EXPECT_EQ(TrouveNbRegles(std::string(3, '\0')), -1);
}

struct CasCorps {
    const char* Nom;
    const char* Corps;
    std::vector<std::string> Regles;
};

TEST_F(FichierReglesTest, BodyEdgeCases) {
    const CasCorps cas[] = {
        {"split over lines", "If A = 1\r\nAnd B = 2\r\nThen C = 3\r\n[0.5];\r\n", {"0.5: A = 1; B = 2; => C = 3"}},
        {"line with a hash dropped", "If A = 1 #\r\nIf B = 2 Then C = 3 [0.5];\r\n", {"0.5: B = 2; => C = 3"}},
        {"priority order, equal keep file order",
         "If A = 1 Then R = 1 [0.5];\r\nIf A = 2 Then R = 2 [0.8];\r\nIf A = 3 Then R = 3 [0.5];\r\n",
         {"0.8: A = 2; => R = 2", "0.5: A = 1; => R = 1", "0.5: A = 3; => R = 3"}},
        {"blanks inside brackets", "If A = 1 Then B = 2 [ 0.7 ];\r\n", {"0.7: A = 1; => B = 2"}},
        {"minus three is a word after =", "If X = -3 Then B = 2 [0.5];\r\n", {"0.5: X = -3; => B = 2"}},
        {"lower-case keywords and names", "if x = yes and y in {a,b} then z = w [0,25];\r\n",
         {"0.25: X = YES; Y in { A, B }; => Z = W"}},
        {"keywords without blanks after them", "IFA = 1 ANDB = 2 THENC = 3 [0.5];\r\n",
         {"0.5: A = 1; B = 2; => C = 3"}},
        {"text before IF ignored", "RULE ONE: IF A = 1 THEN B = 2 [0.5]; TRAILING TEXT\r\n", {"0.5: A = 1; => B = 2"}},
        {"unfinished text at the end ignored", "If A = 1 Then B = 2 [0.5];\r\nIf C = 1 Then\r\n",
         {"0.5: A = 1; => B = 2"}},
        {"lone LF ends lines", "If A = 1\nThen B = 2 [0.5];\n", {"0.5: A = 1; => B = 2"}},
        {"0x1A ends the file", "If A = 1 Then B = 2 [0.5];\r\n\x1AIf C = 1 Then D = 2 [0.5];\r\n",
         {"0.5: A = 1; => B = 2"}},
        {"malformed premise number is -1", "If T > HIGH Then B = 2 [0.5];\r\n", {"0.5: T > -1; => B = 2"}},
    };
    for (const auto& c : cas) {
        Dialogues = TDialoguesJournal{};
        std::string texte = "Number of rules: " + std::to_string(c.Regles.size()) + ";\r\n" + c.Corps;
        Ouvre(Ecrit("corps.rul", texte));
        EXPECT_EQ(Resume(Base), c.Regles) << c.Nom;
        EXPECT_TRUE(Dialogues.Messages.empty()) << c.Nom << ": " << ::testing::PrintToString(Dialogues.Textes());
    }
}

TEST_F(FichierReglesTest, HeadCommentsKeepTheirTextAfterTheFirstHash) {
    Ouvre(Ecrit("tete.rul", "#First comment \r\n\r\n" + std::string(2, '\0') + "\r\nsee # Second #x\r\n"
                            "Number of rules: 0;\r\n"));
    EXPECT_EQ(Base.CommentairesRegles, (std::vector<TModalite>{{"First comment "}, {" Second #x"}}));
    EXPECT_TRUE(Dialogues.Messages.empty());
}

// Each rule's first line that is not blank, in the order of the base: the
// rules of 0.9 come first, a blank line before a rule is not its start, and
// a rejected rule ends the list as it ends the reading.
TEST_F(FichierReglesTest, RuleStartLinesFollowTheOrderOfTheBase) {
    const std::string chemin = Ecrit("lignes.rul",
                                     "Number of rules: 6;\r\n"  // 1
                                     "\r\n"
                                     "If A = 1 \r\n"  // 3
                                     "Then B = 2 [0.5];\r\n"
                                     "\r\n"
                                     "   \r\n"
                                     "  If C = 1 Then D = 2 [0.9];\r\n"  // 7
                                     "# Rule 3\r\n"
                                     "If E = 1\n"  // 9
                                     "And F = 2 Then G = 3 [0.5]; IF ignored\r\n"
                                     "If H = 1 Then I = 2 [0.9];\r\n"  // 11
                                     "If J = 1 Then K [0.1];\r\n"
                                     "If L = 1 Then M = 1 [1];\r\n");
    Ouvre(chemin);
    EXPECT_EQ(LignesDesRegles(chemin), (std::vector<int>{7, 11, 3, 9}));
    EXPECT_EQ(Base.NbRegles, 4);
    EXPECT_TRUE(LignesDesRegles(Chemin("absent.rul")).empty());
}

TEST_F(FichierReglesTest, DecortiqueRegleKeepsNothingInAClosedBase) {
    TBaseConnaissances base;
    base.BaseReglesOuverte = false;
    EXPECT_FALSE(DecortiqueRegle(base, " IF A = 1 THEN B = 2 [0.5];", Dialogues));
    EXPECT_TRUE(base.Regles.empty());
    EXPECT_TRUE(Dialogues.Messages.empty());
}

TEST_F(FichierReglesTest, PremiseNumbersKeepSevenSignificantDigits) {
    TBaseConnaissances base = BaseDiagnostic();
    base.Regles[0].Premisses[0].Reel = 38.12345;
    base.Regles[0].Conclusion = NouvelleProposition("DOSE", OpInferieurEgal, 0.1234567);
    base.Regles[0].Priorite = 0.9234567;
    ASSERT_TRUE(SauveBaseRegles(base, Chemin("precis.rul"), Dialogues, Progression));
    EXPECT_NE(Lit(Chemin("precis.rul")).find("If TEMPERATURE > 38.12345 \r\n"), std::string::npos);
    Ouvre(Chemin("precis.rul"));
    EXPECT_EQ(Base.Regles[0].Premisses[0].Reel, 38.12345);
    EXPECT_EQ(Base.Regles[0].Conclusion.Reel, 0.1234567);
    EXPECT_EQ(Base.Regles[0].Priorite, 0.9234567);
    // The rule and its dictionary entry still name the same fact.
    EXPECT_TRUE(FaitPresent(Base.Dictionnaire, Base.Regles[0].Premisses[0]).Trouve);
}

TEST_F(FichierReglesTest, EmptyAndClosedBasesAreWrittenAsSuch) {
    TBaseConnaissances vide;
    vide.Vide();
    vide.CommentairesRegles = {{"c"}};
    EXPECT_EQ(TexteBaseRegles(vide), "#c\r\n\r\nNumber of rules: 0;\r\n\r\n");

    TBaseConnaissances fermee;
    fermee.ReglesModifiees = true;
    EXPECT_TRUE(SauveBaseRegles(fermee, Chemin("fermee.rul"), Dialogues, Progression));
    EXPECT_FALSE(std::filesystem::exists(Chemin("fermee.rul")));
    EXPECT_TRUE(fermee.ReglesModifiees);
}

}  // namespace
}  // namespace veridane
