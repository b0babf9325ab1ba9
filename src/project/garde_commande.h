// A guard around each command of the desktop program. The readers and
// editors report every fault of a file or of the user as a message; an
// exception is therefore a fault of the program itself. The guard stops it
// at the command: the project goes back to what it was before the command,
// a warning names the command and the file, and the program goes on.
#pragma once

#include <functional>
#include <string>

#include "project/etat.h"

namespace veridane {

class IDialogues;

// The file a command worked on: the project file, else its rules file, as
// the state names them (the state as the fault left it names the project
// being opened).
std::string FichierDeCommande(const TEtatVeridane& etat);

// "Internal fault in the command \"COMMAND\" on the file FILE: WHAT" and the
// line saying the project was left as it was.
std::string MessageFauteInterne(const std::string& commande, const std::string& fichier, const std::string& quoi);

// What the guard keeps to put back: a copy of the whole state, or nothing
// for a command that only reads the project (a viewer, a run), which has
// nothing to put back. A copy of a million-rule project takes a second.
enum class TGarde { Copie, LectureSeule };

// Runs `action` on `etat`; after an exception, puts `etat` back as it was
// before (TGarde::Copie), shows the warning and returns false.
bool ExecuteGardee(TEtatVeridane& etat, IDialogues& dialogues, const std::string& commande,
                   const std::function<void()>& action, TGarde garde = TGarde::Copie);

}  // namespace veridane
