// Which commands of the main window are usable, and the texts that follow the
// data base. The file operations change it as they go; the main window only
// shows it. Keeping it here lets the operations be tested without windows.
#pragma once

#include <string>

namespace veridane {

struct TEtatCommandes {
    // "&File" menu and the save button.
    bool SauverProjet = false;      // "&Save project"
    bool SauverProjetSous = false;  // "Save project &as..."
    bool BoutonSauver = false;

    // Menus.
    bool MenuRegles = false;        // "&Rules base"
    bool MenuBaseFaits = false;     // "Data &base"
    bool MenuDico = false;          // "Data &dictionary"
    bool MenuInference = false;     // "&Inference"

    // "&Rules base" items and the rules button.
    bool VoirRegles = false;        // "&View rules"
    bool SupprimerRegles = true;    // "&Remove rules"
    bool ModifierRegles = true;     // "&Modify rules"
    bool BoutonRegles = false;

    // "Data &base" items and the data base button.
    bool SelectionObservationVisible = true;  // "&Select an observation"
    bool SelectionObservationActive = true;
    bool VoirDonneesBase = true;              // "&View data"
    bool AjouterDonneesBase = true;           // "&Add / Remove data"
    bool BoutonBaseFaits = false;

    // "Data &dictionary" items and the dictionary button.
    bool VoirDonneesDico = true;              // "&View data (in details)"
    bool AjouterDonneesDico = true;           // "&Add / Remove data"
    bool BoutonDico = false;

    // The data base display (title, observation list, data list).
    bool ListesVisibles = false;

    // Captions that follow the selected observation.
    std::string LegendeMenuBase = "Data &base";
    std::string LegendeVoirDonnees = "&View data";
    std::string LegendeAjouterDonnees = "&Add / Remove data";

    // Window title.
    std::string Titre = "Veridane";

    // The start-up state: no project, only New, Open, Exit and Help usable.
    static TEtatCommandes Demarrage() { return TEtatCommandes{}; }

    bool operator==(const TEtatCommandes&) const = default;

    // The rows of the availability table, one per event.
    void Initialise();                  // new project emptied
    void ReglesLues();                  // rules file read with at least one rule
    void SansRegles();                  // rules file read without rules
    void DicoNonVide();                 // dictionary holds entries
    void BaseLue();                     // data base read with at least one datum
    void ReglesAjoutees();              // rules added in the rules editor
    void DerniereRegleSupprimee();      // last rule removed
    void NouvelleBase();                // new data base
    void PlusAucuneDonnee();            // observation eraser closed with no datum left
    void ClicObservation();             // a click in the observation list
    void DicoVide();                    // dictionary manager left the dictionary empty
};

}  // namespace veridane
