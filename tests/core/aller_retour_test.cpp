// Rules files that once did not survive a save: each is read, written and
// read again, and must give the same rules with no message.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/dictionnaire.h"
#include "core/etat_commandes.h"
#include "core/fichier_regles.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "dossier_test.h"

namespace veridane {
namespace {

class AllerRetour : public DossierTest {
protected:
    TBaseConnaissances Lit(const std::string& chemin) {
        TBaseConnaissances base;
        TEtatCommandes commandes;
        TProgressionMuette progression;
        Dialogues.Messages.clear();
        OuvrirFR(base, chemin, commandes, Dialogues, progression);
        return base;
    }
    TDialoguesJournal Dialogues;
};

TEST_F(AllerRetour, PrioritiesNearMinusOneKeepTheirRule) {
    struct Cas {
        const char* priorite;  // as the file holds it
        double relue;          // as the saved file gives it back
        const char* ecrite;    // the end of the conclusion line written
    };
    const Cas cas[] = {
        // 7 digits would write -1, which the reader takes for a malformed
        // degree: the rule would be lost at the next opening.
        {"-0.99999999", -0.99999999, "[-0.99999999];"},
        {"-1.00000004", -1.00000004, "[-1.00000004];"},
        {"-1.0000001", -1.0000001, "[-1.0000001];"},
        {"-0.999999999999999", -0.999999999999999, "[-0.999999999999999];"},
        {"-0.9999996", -0.9999996, "[-0.9999996];"},
        {"0.99999999", 1, "[1];"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.priorite);
        Ecrit("p.rul", std::string("\r\nNumber of rules: 1;\r\nIf A = B \r\nThen C = D [") + c.priorite + "];\r\n");
        TBaseConnaissances lue = Lit(Chemin("p.rul"));
        ASSERT_TRUE(Dialogues.Messages.empty());
        for (char separateur : {'.', ','}) {
            lue.SeparateurDecimal = separateur;
            std::string texte = TexteBaseRegles(lue);
            std::string attendue = c.ecrite;
            if (separateur == ',') std::replace(attendue.begin(), attendue.end(), '.', ',');
            EXPECT_NE(texte.find(attendue), std::string::npos) << texte;
            TBaseConnaissances relue = Lit(Ecrit("copy.rul", texte));
            EXPECT_TRUE(Dialogues.Messages.empty()) << Dialogues.Textes()[0];
            ASSERT_EQ(relue.Regles.size(), 1u);
            EXPECT_DOUBLE_EQ(relue.Regles[0].Priorite, c.relue);
        }
    }
}

}  // namespace
}  // namespace veridane
