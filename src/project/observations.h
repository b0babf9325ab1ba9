// The observations of the data base: a new data base, adding an observation,
// and the observations eraser's removal with its questions. Each ends by
// refreshing the main window's data base display through etat.
#pragma once

#include <string>

#include "project/etat.h"

namespace veridane {

class IDialogues;

// What the observations eraser must do after a removal.
enum class TApresSuppression { ResteOuvert, Ferme };

// A new, unnamed data base holding one empty observation.
void NouvelleDataBase(TEtatVeridane& etat);

// "&New data base": asks when the data base holds data; true when a new one
// was made.
bool Createanewdatabase1Click(TEtatVeridane& etat, IDialogues& dialogues);

// The question asked before a data base holding data is replaced.
std::string QuestionNouvelleBase(int nbFaits, int nbObservations);

// "Add an &observation in data base".
void Addanobservation1Click(TEtatVeridane& etat, IDialogues& dialogues);

// The eraser's "Remove observation" for observation `position` (1-based):
// asks when it holds data, then removes it on Yes.
TApresSuppression SupprimeObservation(TEtatVeridane& etat, IDialogues& dialogues, int position);

// The removal itself. The selection stays on the same observation when
// another is removed, and moves to a neighbour (the next one, or the
// previous one for the last) when the selected one is removed.
TApresSuppression SupprimeLObservation(TEtatVeridane& etat, IDialogues& dialogues, int position);

// The eraser's "&Close": recounts the data and disables the inference when
// none is left.
void FermeEffaceur(TEtatVeridane& etat);

// Texts of the eraser: its title and the label of the observation at
// `position` (1-based).
std::string TitreEffaceur(const TEtatVeridane& etat);
std::string LegendeEffaceur(const TEtatVeridane& etat, int position);

}  // namespace veridane
