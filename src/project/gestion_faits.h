// The logic of the observation data manager: the data of the current
// observation are copies of dictionary entries, added and removed one at a
// time. Kept apart from the window so that it can be tested without one.
#pragma once

#include <string>
#include <vector>

#include "project/etat.h"

namespace veridane {

// The text of one line of the dictionary listing or of the observation list:
// attribute, operator and value with 7 significant digits.
std::string LigneFait(const TProposition& p, char separateur);

// "Data dictionary: " n " data", or "Data dictionary: no data" when no
// dictionary has been created.
std::string LegendeDictionnaire(const TBaseConnaissances& base);

// "Data base: " n " data" with fewer than two observations, else
// "Data base of observation " i ": " n " data"; "Data base: no data" when no
// data base is open.
std::string LegendeObservation(const TBaseFaits& faits);

// The dictionary listing (empty when no dictionary has been created).
std::vector<std::string> LignesDictionnaire(const TBaseConnaissances& base);

// A data base is shown only when it is open and its selected index names an
// observation.
bool ObservationMontrable(const TBaseFaits& faits);

// The data of the current observation (empty when no data base is open).
std::vector<std::string> LignesObservation(const TBaseFaits& faits, char separateur);

// A datum copied from a dictionary entry: its own copy of the set, degree
// codes 6, not validated.
TProposition NouveauFait(const TProposition& entree);

// Makes the current observation usable: a data base without observation gets
// one empty observation, and the selected index is brought into range.
void PrepareObservationCourante(TBaseFaits& faits);

// Appends a copy of the dictionary entry to the current observation. The data
// base now holds data: it is open, and changed so that the next save writes
// it.
void AjouteFait(TBaseFaits& faits, const TProposition& entree);

// Removes the datum at `index` of the current observation; false (nothing
// changed) when there is none there.
bool RetireFait(TBaseFaits& faits, int index);

// The same data in the same order (equivalent, with the same degrees).
bool MemesDonnees(const std::vector<TProposition>& a, const std::vector<TProposition>& b);

// Replaces the data of the current observation (the data a what-if copy
// ended with). Like an add or a removal, it leaves the data base open and
// changed, so the next save writes it; nothing changes when the data are
// the same.
void RemplaceObservationCourante(TBaseFaits& faits, const std::vector<TProposition>& donnees);

// What closing the manager does to the main window's commands: with no datum
// left the "&Inference" menu is disabled; with data it is enabled when there
// are rules, and the data base can be viewed.
void FermeGereFaits(TEtatVeridane& etat);

}  // namespace veridane
