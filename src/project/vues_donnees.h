// The texts of the three read-only data viewers: the dictionary shown one
// entry at a time, the data of the selected observation one datum at a time,
// and the whole dictionary in one list.
#pragma once

#include <string>
#include <vector>

#include "project/etat.h"

namespace veridane {

// Significant digits of the one-at-a-time dictionary viewer; the data base
// viewer uses the 7 of every other display.
inline constexpr int ChiffresVueDico = 4;

// One item of a one-at-a-time viewer.
struct TVueDonnee {
    std::string Position;              // "Data " n ":"
    std::string Attribut;
    std::string Operateur;
    std::vector<std::string> Valeurs;  // one line, or one per value of a set
    bool operator==(const TVueDonnee&) const = default;
};

// The item at `position` (from 1) showing proposition p.
TVueDonnee VueDonnee(const TProposition& p, int position, int chiffres, char separateur);

// Dictionary viewer: the number of positions (at least 1) and the title.
int NombreVueDico(const TBaseConnaissances& base);
std::string TitreVueDico(const TBaseConnaissances& base);

// Data base viewer. The observation shown is the selected one; a data base
// without observations is shown as one empty observation.
const TObservation* ObservationVue(const TBaseFaits& faits);
// "Data base Viewer: " n " data", or with the observation number when the
// data base holds several; "... of observation " i ": no data" when empty.
std::string TitreVueBase(const TBaseFaits& faits);
// "Observation " i " contains no data".
std::string TexteObservationSansDonnees(const TBaseFaits& faits);
// "Observation " i " is empty".
std::string TitreObservationVide(const TBaseFaits& faits);

// Global dictionary view: the count label and the list.
std::string CompteVueGlobale(const TBaseConnaissances& base);
// Line k (from 0) of the global view.
std::string LigneVueGlobale(const TBaseConnaissances& base, std::size_t k);
std::vector<std::string> LignesVueGlobale(const TBaseConnaissances& base);

}  // namespace veridane
