// The process-wide state of the program: the knowledge base, the data base of
// observations, the project's naming, the command state of the main window
// and the critical value. One object, owned by the main window and passed by
// reference to every window and operation; tests build it directly.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/etat_commandes.h"
#include "core/knowledge_base.h"

namespace veridane {

using TObservation = std::vector<TProposition>;

struct TBaseFaits {
    std::vector<TObservation> Observations;
    int NumObservation = 0;  // the selected observation, 0-based
    int NbFaits = 0;         // data of all observations together
    int NumFait = 0;         // ordinal of the statement being read
    std::vector<TModalite> CommentairesBase;

    bool BaseFaitsOuverte = false;
    bool BaseFaitsModifiee = false;
    bool BaseFaitsSansNom = false;

    // The selected observation; the data base must hold one.
    TObservation& ObservationCourante() { return Observations.at(static_cast<std::size_t>(NumObservation)); }
    const TObservation& ObservationCourante() const {
        return Observations.at(static_cast<std::size_t>(NumObservation));
    }
    // Sum of the data counts of all observations.
    int CompteFaits() const;
};

struct TProjet {
    std::string RepertoireProjet;  // with its trailing separator; "" when none
    std::string NomProjet;
    std::string NomFichRul;
    std::string NomFichDic;
    std::string NomFichDat;
    bool FichRulNomme = false;
    bool FichDatNomme = false;
    // Absent until a project file is read or a commentary is made.
    std::optional<std::vector<TModalite>> CommentairesProjet;
    bool ProjetSansNom = false;
    bool ReglesIntrouvables = false;
};

struct TEtatVeridane {
    TBaseConnaissances Base;
    TBaseFaits Faits;
    TProjet Projet;
    TEtatCommandes Commandes;
    double ValeurCritique = 0.0;
    // The cases file of the project was changed in the program and not saved.
    bool CasModifies = false;

    // Any of the dirty flags set.
    bool ProjetChange() const {
        return Base.ReglesModifiees || Base.DicoModifie || Faits.BaseFaitsModifiee || CasModifies;
    }
    // Back to the start-up state: no project, nothing named, nothing open.
    void Demarrage();
};

}  // namespace veridane
