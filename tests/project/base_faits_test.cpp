#include "project/base_faits.h"

#include <gtest/gtest.h>

#include "core/journal.h"
#include "outils_test.h"

namespace veridane {
namespace {

using namespace veridane::test;

// The data base of the worked example: one comment, two observations.
TBaseFaits BaseExemple() {
    TBaseFaits faits;
    faits.CommentairesBase = {{"Spring survey"}};
    faits.Observations = {{Num("TEMPERATURE", OpSuperieur, 38.5), Sym("COUGH", "YES")},
                          {Ens("SYMPTOMS", OpDans, {"FEVER", "RASH"})}};
    faits.BaseFaitsOuverte = true;
    return faits;
}

const std::string TexteExemple = Lignes({
    "#Spring survey",
    "",
    "Number of data: 3;",
    "",
    "# Observation 1",
    "",
    "# Data 1",
    "TEMPERATURE > 38.5  ;",
    "# Data 2",
    "COUGH = YES  ;",
    "",
    "* ",
    "",
    "# Observation 2",
    "",
    "# Data 3",
    "SYMPTOMS in { FEVER, RASH } ;",
});

class LectureBase : public ::testing::Test {
protected:
    // Reads `contenu` as a data base file; the messages go to Dialogues.
    bool Lit(const std::string& contenu) {
        EcritFichier(Repertoire / "base.dta", contenu);
        return OuvrirFF(Etat, Repertoire / "base.dta", Dialogues, Progression);
    }
    TRepertoireTemporaire Repertoire;
    TEtatVeridane Etat;
    TDialoguesJournal Dialogues;
    TProgressionMuette Progression;
};

void AttendMemesObservations(const std::vector<TObservation>& a, const std::vector<TObservation>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].size(), b[i].size()) << "observation " << i + 1;
        for (std::size_t j = 0; j < a[i].size(); ++j) {
            EXPECT_TRUE(Equivalence(a[i][j], b[i][j])) << PropEnChaine(a[i][j]) << " / " << PropEnChaine(b[i][j]);
            EXPECT_EQ(b[i][j].Certitude, DegreCertain);
            EXPECT_EQ(b[i][j].Precision, DegreCertain);
        }
    }
}

TEST(BaseFaitsTest, WritesTheWorkedExampleByteForByte) {
    EXPECT_EQ(TexteBaseFaits(BaseExemple(), '.'), TexteExemple);
}

TEST_F(LectureBase, ReadsTheWorkedExampleBackWithoutAMessage) {
    EXPECT_TRUE(Lit(TexteExemple));
    EXPECT_TRUE(Dialogues.Messages.empty());
    AttendMemesObservations(BaseExemple().Observations, Etat.Faits.Observations);
    EXPECT_EQ(Etat.Faits.NbFaits, 3);
    EXPECT_EQ(Etat.Faits.CommentairesBase, (std::vector<TModalite>{{"Spring survey"}}));
    EXPECT_TRUE(Etat.Faits.BaseFaitsOuverte);
    EXPECT_FALSE(Etat.Faits.BaseFaitsModifiee);
    EXPECT_EQ(Etat.Projet.NomFichDat, "base.dta");
    EXPECT_TRUE(Etat.Projet.FichDatNomme);
}

TEST(BaseFaitsTest, WritesNumbersWithSevenSignificantDigitsAndTheUsersSeparator) {
    TBaseFaits faits;
    faits.Observations = {{Num("A", OpEgal, 0.5), Num("B", OpEgal, 3), Num("C", OpInferieur, 1234567.8)}};
    std::string point = TexteBaseFaits(faits, '.');
    EXPECT_NE(point.find("A = 0.5  ;\r\n"), std::string::npos);
    EXPECT_NE(point.find("B = 3  ;\r\n"), std::string::npos);
    EXPECT_NE(point.find("C < 1234568  ;\r\n"), std::string::npos);
    EXPECT_NE(TexteBaseFaits(faits, ',').find("A = 0,5  ;\r\n"), std::string::npos);
}

TEST(BaseFaitsTest, DecodesCountLines) {
    struct Cas {
        const char* ligne;
        int attendu;
    };
    const Cas cas[] = {
        {"NUMBER OF DATA: 12;", 12},
        {"NUMBER OF DATA:   7", 7},
        {"NUMBER OF DATA: 0;", 0},
        {"THE NUMBER OF DATA IS: 5 ;", 5},
        {"NUMBER OF DATA:;", -2},
        {"NUMBER OF DATA: 1A;", -2},
        {"NUMBER OF DATA: -3;", -2},
        {"NUMBER OF DATA: 99999999999;", -2},
        {"NUMBER OF DATA 12;", -2},
        {"", -1},
        {"#ANY ABSTRACT", -1},
        {"# NUMBER OF DATA: MANY", -1},
        {"# NUMBER OF DATA: 4;", -1},
        {" ", -2},
        {"SOMETHING ELSE", -2},
    };
    for (const Cas& c : cas) EXPECT_EQ(TrouveNbFaits(c.ligne), c.attendu) << '"' << c.ligne << '"';
}

// Every message of the data base reader, with what stays in the data base.
TEST_F(LectureBase, ReportsEachFaultWithItsExactMessage) {
    struct Cas {
        const char* nom;
        std::string contenu;
        std::vector<std::string> messages;
        std::vector<std::size_t> observations;  // data per observation kept
        bool ouverte;
    };
    const std::vector<Cas> cas = {
        {"count larger than the data", Lignes({"", "Number of data: 3;", "A = X ;", "B = Y ;"}),
         {"2 data extracted, 3 expected data"}, {2}, true},
        {"count smaller than the data", Lignes({"Number of data: 1;", "A = X ;", "*", "B = Y ;"}),
         {"2 data extracted, 1 expected data"}, {1, 1}, true},
        {"comments only", Lignes({"#one", "#two"}), {"0 data extracted, -1 expected data"}, {0}, false},
        {"blank line before the count", Lignes({"#c", " ", "Number of data: 1;", "A = X ;"}),
         {"Error: not number of data in the file "}, {}, false},
        {"count without digits", Lignes({"Number of data: ;", "A = X ;"}),
         {"Error: not number of data in the file "}, {}, false},
        {"letter among the digits", Lignes({"Number of data: 1x2;", "A = X ;"}),
         {"Error: not number of data in the file "}, {}, false},
        {"missing attribute", Lignes({"Number of data: 4;", "A = X ;", "*", "B = Y ;", "{ Z } ;", "C = W ;"}),
         {"Error in data 3: attribute of data not found", "3 data extracted, 4 expected data"}, {1, 1}, true},
        {"unknown operator", Lignes({"Number of data: 3;", "A = X ;", "B IS Y ;", "C = Z ;"}),
         {"Error in data 2: incorrect operator in data", "2 data extracted, 3 expected data"}, {1}, true},
        {"no data", Lignes({"Number of data: 0;"}), {}, {0}, false},
    };
    for (const Cas& c : cas) {
        Dialogues.Messages.clear();
        Etat = TEtatVeridane{};
        EXPECT_TRUE(Lit(c.contenu)) << c.nom;
        EXPECT_EQ(Dialogues.Textes(), c.messages) << c.nom;
        EXPECT_EQ(Dialogues.NbAvertissements(), static_cast<int>(c.messages.size())) << c.nom;
        std::vector<std::size_t> tailles;
        for (const auto& o : Etat.Faits.Observations) tailles.push_back(o.size());
        EXPECT_EQ(tailles, c.observations) << c.nom;
        EXPECT_EQ(Etat.Faits.BaseFaitsOuverte, c.ouverte) << c.nom;
    }
}

TEST_F(LectureBase, MissingFileIsReported) {
    EXPECT_FALSE(OuvrirFF(Etat, Repertoire / "absent.dta", Dialogues, Progression));
    EXPECT_EQ(Dialogues.Textes(), std::vector<std::string>{"File of data base not found"});
    EXPECT_TRUE(Etat.Faits.Observations.empty());
    EXPECT_FALSE(Etat.Faits.BaseFaitsOuverte);
}

TEST_F(LectureBase, ReadsWhatTheWriterNeverWrites) {
    // A datum over two lines, Unix line ends, two "*" in a row, a "*" before
    // the first datum, text after ";" and comment text with its case kept.
    EXPECT_TRUE(Lit("  #  Keep Case\n\nnumber of data: 3\n*\ncolor in\n{ red, blue } ; ignored\n*\n*\nt >= 2,5 ;\n"
                    "v = x ;\x1a" "w = y ;\n"));
    EXPECT_EQ(Dialogues.Textes(), std::vector<std::string>{});
    ASSERT_EQ(Etat.Faits.Observations.size(), 4u);
    EXPECT_TRUE(Etat.Faits.Observations[0].empty());
    ASSERT_EQ(Etat.Faits.Observations[1].size(), 1u);
    EXPECT_EQ(PropEnChaine(Etat.Faits.Observations[1][0]), "COLOR in { RED, BLUE }");
    EXPECT_TRUE(Etat.Faits.Observations[2].empty());
    ASSERT_EQ(Etat.Faits.Observations[3].size(), 2u);
    EXPECT_EQ(PropEnChaine(Etat.Faits.Observations[3][0]), "T >= 2.5");
    EXPECT_EQ(Etat.Faits.CommentairesBase, (std::vector<TModalite>{{"  Keep Case"}}));
}

TEST_F(LectureBase, AStarOrHashInAValueMakesItsLineASeparatorOrAComment) {
    EXPECT_TRUE(Lit(Lignes({"Number of data: 2;", "A = X*Y ;", "B = P#Q ;", "C = Z ;"})));
    EXPECT_EQ(Dialogues.Textes(), std::vector<std::string>{"1 data extracted, 2 expected data"});
    ASSERT_EQ(Etat.Faits.Observations.size(), 2u);
    EXPECT_TRUE(Etat.Faits.Observations[0].empty());
    EXPECT_EQ(Etat.Faits.Observations[1].size(), 1u);
}

}  // namespace
}  // namespace veridane
