// What the main window shows of the data base: the captions that follow the
// selected observation, the observation list and the selected observation's
// data. Computed here so that it can be tested without windows.
#pragma once

#include <string>
#include <vector>

#include "project/etat.h"

namespace veridane {

struct TAffichageBase {
    std::vector<std::string> LignesEtatBase;  // one per observation
    int Selection = -1;                       // selected line; -1 when none
    std::string TitreEtatObs;
    std::vector<std::string> LignesEtatObs;   // data of the selected observation
};

// Sets the three captions in etat.Commandes, makes the lists visible, selects
// NumObservation and returns the texts of both lists.
TAffichageBase AfficheEtatBase(TEtatVeridane& etat);

// Steps 2 to 5 of AfficheEtatBase: the lists and the selected observation's
// title, the captions left as they are (after the observation data manager,
// and after a removal that leaves one observation).
TAffichageBase ListesEtatBase(TEtatVeridane& etat);

// The observation list's click: selects line `ligne` (ignored when it names
// no observation) and returns the new display.
TAffichageBase EtatBaseClick(TEtatVeridane& etat, int ligne);

}  // namespace veridane
