// The cases file: what each kind of line reads as, the warning of every
// line that cannot be read, and that a file written and read again holds
// the same cases and keeps its comments.
#include <gtest/gtest.h>

#include "../project/outils_test.h"
#include "core/format_nombre.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "verification/fichier_cas.h"

namespace veridane {
namespace {

using test::TRepertoireTemporaire;

// A case described with the kind of each value ("n" number, "s" word, "e"
// set), so that a number read as a word shows.
std::string Decrit(const TCas& cas) {
    std::string texte = std::to_string(cas.Observation);
    if (cas.Critique) texte += " @" + FormatGeneral(*cas.Critique, 15);
    for (const TClause& c : cas.Clauses) {
        const TProposition& p = c.Proposition;
        texte += std::string(" | ") + (c.Attendue ? "+" : "-") + p.Attribut + " " + TransformeOperateur(p.Operateur) +
                 " " + "nse"[p.TypeValeur] + ":" + ValeurEnChaine(p, 15, '.');
    }
    return texte;
}

struct TLecture {
    const char* Ligne;
    const char* Attendu;  // Decrit of the case, or the warning
};

TEST(FichierCas, ChaqueLigneSeLitOuDitPourquoiPas) {
    const TLecture table[] = {
        {"Observation 3: expect DIAGNOSIS = FLAT", "3 | +DIAGNOSIS = s:FLAT"},
        {"observation 12 :expect diagnosis = flat;reject x > 3.5", "12 | +DIAGNOSIS = s:FLAT | -X > n:3.5"},
        {"Observation 2 critical 0,75: expect BATTERY_VOLTAGE < 12,2; reject FAULT_CODES <> 0",
         "2 @0.75 | +BATTERY_VOLTAGE < n:12.2 | -FAULT_CODES <> n:0"},
        {"Observation 5: reject DIAGNOSIS in { IGNITION_FAULT , FUEL_PUMP_FAILURE }; expect W not_in {A,B}",
         "5 | -DIAGNOSIS in e:{ IGNITION_FAULT, FUEL_PUMP_FAILURE } | +W not_in e:{ A, B }"},
        {"Observation 4: expect X = .5; expect Y = -3; expect Z >= 1E3", "4 | +X = n:0.5 | +Y = s:-3 | +Z >= n:1000"},
        {"Observation 1:", "1"},
        {"Observation 1: expect A = B; ; ", "1 | +A = s:B"},
        {"Observation 1 critical 1:expect A = B", "1 @1 | +A = s:B"},
        // Every warning names the line.
        {"Diagnosis 3: expect A = B", "Error in line 7 of the cases file: 'Observation' not found"},
        {"Observation: expect A = B", "Error in line 7 of the cases file: observation number incorrect"},
        {"Observation 0: expect A = B", "Error in line 7 of the cases file: observation number incorrect"},
        {"Observation 2x: expect A = B", "Error in line 7 of the cases file: observation number incorrect"},
        {"Observation 2 expect A = B", "Error in line 7 of the cases file: ':' not found"},
        {"Observation 2 critical: expect A = B", "Error in line 7 of the cases file: critical value incorrect"},
        {"Observation 2 critical 1.5: expect A = B", "Error in line 7 of the cases file: critical value incorrect"},
        {"Observation 2 critical high: expect A = B", "Error in line 7 of the cases file: critical value incorrect"},
        {"Observation 2: assume A = B", "Error in line 7 of the cases file: 'expect' or 'reject' not found"},
        {"Observation 2: expect A = B reject C = D", "Error in line 7 of the cases file: unexpected text after proposition"},
        {"Observation 2: expect ", "Error in line 7 of the cases file: attribute of proposition not found"},
        {"Observation 2: expect A == B", "Error in line 7 of the cases file: incorrect operator in proposition"},
        {"Observation 2: expect A > high", "Error in line 7 of the cases file: value of proposition incorrect"},
        {"Observation 2: expect A = 3.5.1", "Error in line 7 of the cases file: value of proposition incorrect"},
        {"Observation 2: expect A =", "Error in line 7 of the cases file: value of proposition incorrect"},
        {"Observation 2: expect A in { B, C", "Error in line 7 of the cases file: '}' not found"},
    };
    for (const TLecture& cas : table) {
        SCOPED_TRACE(cas.Ligne);
        TDialoguesJournal dialogues;
        auto lu = DecortiqueCas(cas.Ligne, 7, dialogues);
        if (lu) {
            EXPECT_EQ(Decrit(*lu), cas.Attendu);
            EXPECT_TRUE(dialogues.Messages.empty());
        } else {
            ASSERT_EQ(dialogues.Messages.size(), 1u);
            EXPECT_EQ(dialogues.Messages[0].Genre, TGenreMessage::Avertissement);
            EXPECT_EQ(dialogues.Messages[0].Texte, cas.Attendu);
        }
    }
}

// A file with comments, an empty line, a line that cannot be read between
// two good ones, written with each decimal separator.
const std::string Fichier = test::Lignes({
    "# Cases of the flu project",
    "",
    "Observation 1 critical 0,5: expect TEMPERATURE > 38,5; reject SYMPTOMS in { FEVER, RASH }",
    "Observation two: expect A = B",
    "  # indented comment",
    "Observation 2: expect COUGH = YES; expect RATIO = 0.333333333333; reject CODE not_in { A }",
});

TEST(FichierCas, UnFichierEcritSeRelitPareilEtGardeSesCommentaires) {
    for (char separateur : {'.', ','}) {
        SCOPED_TRACE(separateur);
        TRepertoireTemporaire dossier;
        test::EcritFichier(dossier / "flu.tst", Fichier);
        TDialoguesJournal dialogues;
        auto lu = LitCas(dossier / "flu.tst", dialogues);
        ASSERT_TRUE(lu);
        EXPECT_EQ(dialogues.Textes(),
                  std::vector<std::string>{"Error in line 4 of the cases file: observation number incorrect"});
        ASSERT_EQ(lu->LignesDeCas().size(), 2u);
        EXPECT_EQ(Decrit(*lu->LignesDeCas()[0]->Cas),
                  "1 @0.5 | +TEMPERATURE > n:38.5 | -SYMPTOMS in e:{ FEVER, RASH }");
        EXPECT_EQ(lu->LignesDeCas()[1]->Numero, 6);

        ASSERT_TRUE(SauveCas(*lu, dossier / "copie.tst", separateur, dialogues));
        const std::string ecrit = test::LitFichier(dossier / "copie.tst");
        // The line that could not be read is kept as it was typed.
        EXPECT_NE(ecrit.find("\r\nObservation two: expect A = B\r\n  # indented comment\r\n"), std::string::npos);
        EXPECT_NE(ecrit.find(std::string("Observation 1 critical 0") + separateur + "5: expect TEMPERATURE > 38" +
                             separateur + "5; reject SYMPTOMS in { FEVER, RASH }\r\n"),
                  std::string::npos);
        auto relu = LitCas(dossier / "copie.tst", dialogues);
        ASSERT_TRUE(relu);
        ASSERT_EQ(relu->Lignes.size(), lu->Lignes.size());
        for (std::size_t i = 0; i < lu->Lignes.size(); ++i) {
            ASSERT_EQ(relu->Lignes[i].Cas.has_value(), lu->Lignes[i].Cas.has_value());
            if (lu->Lignes[i].Cas)
                EXPECT_EQ(Decrit(*relu->Lignes[i].Cas), Decrit(*lu->Lignes[i].Cas));
            else
                EXPECT_EQ(relu->Lignes[i].Texte, lu->Lignes[i].Texte);
        }
        // A number that seven digits do not hold is written in full.
        const auto& ratio = relu->LignesDeCas()[1]->Cas->Clauses[1].Proposition;
        EXPECT_EQ(ratio.Reel, 0.333333333333);
    }
}

TEST(FichierCas, LaSauvegardeGardeLAncienFichier) {
    TRepertoireTemporaire dossier;
    TDialoguesJournal dialogues;
    TFichierCas fichier;
    fichier.Lignes.push_back({TCas{3, std::nullopt, {}}, "", 0});
    ASSERT_TRUE(SauveCas(fichier, dossier / "car.tst", '.', dialogues));
    EXPECT_FALSE(test::Existe(dossier / "car.tst.bak"));
    EXPECT_EQ(test::LitFichier(dossier / "car.tst"), "Observation 3:\r\n");

    fichier.Lignes[0].Cas->Observation = 4;
    ASSERT_TRUE(SauveCas(fichier, dossier / "car.tst", '.', dialogues));
    EXPECT_EQ(test::LitFichier(dossier / "car.tst.bak"), "Observation 3:\r\n");
    EXPECT_EQ(test::LitFichier(dossier / "car.tst"), "Observation 4:\r\n");
    EXPECT_TRUE(dialogues.Messages.empty());
}

TEST(FichierCas, LeFichierDesCasPorteLeNomDuProjet) {
    TProjet projet;
    projet.RepertoireProjet = "/data/Garage/";
    projet.NomProjet = "CAR.EXP";
    EXPECT_EQ(CheminCas(projet), "/data/Garage/car.tst");
}

}  // namespace
}  // namespace veridane
