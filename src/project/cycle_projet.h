// The life of a project and of its data base: new, open, save, save as,
// quit, and the management of observations. Each method is the logic of one
// command of the main window; every question and message goes through the
// dialog interface and every window through IFenetresProjet, so the whole
// life of a project can be driven without windows.
//
// The saving commands answer whether everything asked for was written: false
// when a file dialog was cancelled or a file could not be written (a warning
// said so and the dirty flags are still set). A quit goes on only then.
#pragma once

#include <string>

#include "core/fichier_texte.h"
#include "project/etat.h"
#include "project/fenetres_projet.h"
#include "project/observations.h"

namespace veridane {

class IDialogues;
class IProgression;

class TCycleProjet {
public:
    // Saves go through `systeme` (the real file system unless a test makes
    // it fail).
    TCycleProjet(TEtatVeridane& etat, IFenetresProjet& fenetres, IDialogues& dialogues, IProgression& progression,
                 const TSystemeFichiers& systeme = TSystemeFichiers::Reel());

    // "&File" menu.
    void Newproject1Click();
    void Openproject1Click();
    bool Saveproject1Click();
    bool Saveprojectas1Click();
    // "E&xit" (asks first whether to quit) and the window's close box (does
    // not); true when the program may close.
    bool Exit1Click();
    bool FermetureDemandee();

    // Opening a known path, as "Open project" does after its file dialog
    // (the program's command-line argument, the command-line tool). False
    // when the project file could not be used; nothing changed then.
    bool OuvreProjet(const std::string& chemin);
    // A project chosen without the file dialog (a recent project, a file
    // dropped on the window): the same save question as "Open project"
    // first. False when the user cancelled or the project could not be used.
    bool OuvreProjetChoisi(const std::string& chemin);
    // Saving under a known path, as "Save project as..." does after its file
    // dialog; the commentary window is asked for when `commentaire` is set.
    bool EnregistreSous(const std::string& chemin, bool commentaire);

    // Steps of the commands above, used by the new-project dialog.
    void Initialise();
    void LanceNouveauProjet();
    void OuvreReglesAvec();

    // Data base file.
    bool SauveBaseFaits();
    bool Savedatabaseas1Click();

    // Observations (see observations.h).
    void NouvelleDataBase();
    void Createanewdatabase1Click();
    void Addanobservation1Click();
    // Removes observation `position` (1-based) as the eraser does, after its
    // question; tells the eraser whether to close.
    TApresSuppression Supprime(int position);
    TApresSuppression SupprimeLObservation(int position);

private:
    // The changed project saved, or let go; false when its save failed.
    bool QuestionAvantOuverture();
    bool QuestionsAvantDeQuitter();
    bool SauveRegles();
    bool SauveDictionnaire();
    void OuvreFichiers(const std::string& cheminRegles, const std::string& cheminBase);
    void OuvreBasesVides();

    TEtatVeridane& Etat;
    IFenetresProjet& Fenetres;
    IDialogues& Dialogues;
    IProgression& Progression;
    const TSystemeFichiers& Systeme;
};

}  // namespace veridane
