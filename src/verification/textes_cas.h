// The texts of a run of the cases that the command-line program and the
// cases window share: the status of a case, the lines of its failing
// clauses, the rule coverage and the summary.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "verification/execution_cas.h"
#include "verification/fichier_cas.h"

namespace veridane {

// One failing clause: "expected P: not established", "rejected P:
// established by rule 4 at level 2" or "rejected P: observed, datum 3"; for
// an "expect", the first line of the why-not explanation when there is one.
struct TEchecClause {
    std::string Texte;
    std::optional<std::string> Explication;
};

// The why-not explanation of a proposition on the run of the case, when the
// caller has one; its first line is kept.
using TExpliqueAbsence = std::function<std::optional<std::string>(const TProposition&)>;

std::vector<TEchecClause> EchecsDuCas(const TCas& cas, const TResultatCas& resultat, char separateur,
                                      const TExpliqueAbsence& pourquoiPas = {});

// "PASS Observation 3" or "FAIL Observation 3".
std::string LigneStatutCas(const TCas& cas, const TResultatCas& resultat);

// The status line, then under a failure its clauses indented by two blanks
// and their explanations by four.
std::vector<std::string> LignesRapportCas(const TCas& cas, const TResultatCas& resultat, char separateur,
                                          const TExpliqueAbsence& pourquoiPas = {});

// "Rules fired: 12 of 43; never fired: 5, 8" ("none" when every rule fired).
std::string LigneCouverture(const TCouverture& couverture);

// "7 passed, 1 failed".
std::string LigneBilan(int reussis, int echoues);

}  // namespace veridane
