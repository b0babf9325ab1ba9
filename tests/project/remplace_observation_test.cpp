// Keeping the data of a what-if copy: the current observation replaced, the
// data count and the flags as an add or a removal would leave them.
#include <gtest/gtest.h>

#include "core/proposition.h"
#include "project/gestion_faits.h"

namespace veridane {
namespace {

TProposition F(const std::string& attribut, double valeur) { return NouvelleProposition(attribut, OpEgal, valeur); }

TEST(RemplaceObservationTest, ChangesTheBaseOnlyWhenTheDataDiffer) {
    struct Cas {
        const char* Nom;
        TObservation Donnees;
        bool Modifiee;
        int NbFaits;
    };
    const TObservation actuelle = {F("A", 1), F("B", 2)};
    TProposition incertaine = F("A", 1);
    incertaine.Certitude = 3;
    const std::vector<Cas> cas = {
        {"same data", {F("A", 1), F("B", 2)}, false, 3},
        {"other value", {F("A", 1), F("B", 2.5)}, true, 3},
        {"other order", {F("B", 2), F("A", 1)}, true, 3},
        {"one more", {F("A", 1), F("B", 2), F("C", 3)}, true, 4},
        {"emptied", {}, true, 1},
        {"other degree", {incertaine, F("B", 2)}, true, 3},
    };
    for (const auto& c : cas) {
        TBaseFaits faits;
        faits.Observations = {{F("Z", 0)}, actuelle};
        faits.NumObservation = 1;
        faits.NbFaits = 3;
        faits.BaseFaitsOuverte = true;
        RemplaceObservationCourante(faits, c.Donnees);
        EXPECT_EQ(faits.BaseFaitsModifiee, c.Modifiee) << c.Nom;
        EXPECT_EQ(faits.NbFaits, c.NbFaits) << c.Nom;
        EXPECT_EQ(faits.Observations[1].size(), c.Donnees.size()) << c.Nom;
        EXPECT_EQ(faits.Observations[0].size(), 1u) << c.Nom;
    }
}

TEST(RemplaceObservationTest, DataKeptIntoABaseWithoutDataOpenIt) {
    TBaseFaits faits;  // no observation, not open: as a new project
    RemplaceObservationCourante(faits, {F("A", 1)});
    ASSERT_EQ(faits.Observations.size(), 1u);
    EXPECT_TRUE(faits.BaseFaitsOuverte);
    EXPECT_TRUE(faits.BaseFaitsModifiee);
    EXPECT_EQ(faits.NbFaits, 1);
}

}  // namespace
}  // namespace veridane
