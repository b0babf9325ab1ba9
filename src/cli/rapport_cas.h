// What "test" writes besides its text lines: the JUnit XML report that CI
// tools read, and the JSON form of the run.
#pragma once

#include <string>

#include "verification/execution_cas.h"
#include "verification/fichier_cas.h"
#include "verification/textes_cas.h"

namespace veridane {

// The failing clauses of every case, in file order (empty for a case that
// passed), as EchecsDuCas gives them.
using TEchecsParCas = std::vector<std::vector<TEchecClause>>;

// One testsuite named after the project, one testcase per case line
// ("Observation K", with the cases file and its line), and for a case
// that failed a failure whose message lists its failing clauses, "; "
// between them. UTF-8; lines ended by LF.
std::string JUnitCas(const std::string& nomProjet, const std::string& nomFichierCas, const TFichierCas& fichier,
                     const TBilanCas& bilan, const TEchecsParCas& echecs);

// The same run as one JSON document on one line, without its line end.
std::string JsonCas(const std::string& nomProjet, const TFichierCas& fichier, const TBilanCas& bilan,
                    const TEchecsParCas& echecs);

// Text with the five XML special characters escaped and the control bytes
// XML 1.0 cannot hold dropped; the Windows-1252 text becomes UTF-8.
std::string TexteXml(const std::string& texte);

}  // namespace veridane
