// The cases window: the observations of the data base with what their cases
// expect, run all at once with the main window's gauge; a case's failing
// clauses and their explanation; the current results accepted as a case's
// expectations, or its line edited by hand. The cases file is written with
// the project (SauveFichiersAnnexes of the main window).
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "verification/execution_cas.h"
#include "verification/fichier_cas.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace veridane {

class IDialogues;
class IProgression;
struct TEtatVeridane;

class TTestCas : public QDialog {
    Q_OBJECT
public:
    TTestCas(TEtatVeridane& etat, IDialogues& dialogues, IProgression& progression, QWidget* parent = nullptr);

    // Each opening: the cases file read again unless the cases were changed
    // here and not saved yet; nothing run.
    void Initialise();
    // Initialise, then the window, modally.
    int Ouvre();

    // Writes the cases file beside the project when the cases were changed,
    // or, with `nouveauNom`, when "Save project as..." takes them along.
    bool Sauve(bool nouveauNom);
    // Around "Save project as...": the cases of the project as it stands
    // are written under the name the project takes.
    void PrepareNouveauNom();
    void FinNouveauNom() { Emporter = false; }

public slots:
    void RunAllClick();
    void AcceptClick();
    void EditClick();
    void GrilleSelection();

private:
    // One row of the grid: a case line, or an observation without one.
    struct TRangee {
        int Observation = 0;
        std::optional<std::size_t> Ligne;  // index in Cas.Lignes
    };

    void LitSiInchanges();
    void ConstruitRangees();
    void AfficheGrille();
    void AfficheRangee(int rangee);
    void AfficheDetails();
    void AfficheBilan();
    int RangeeChoisie() const;
    // Runs one case, keeps its result and leaves the run in Moteur.
    TResultatCas Execute(const TCas& cas);
    // Puts `cas` on the chosen row's line (a new line for an observation
    // without one); the row's result is then unknown.
    void Remplace(int rangee, const TCas& cas);

    TEtatVeridane& Etat;
    IDialogues& Dialogues;
    IProgression& Progression;
    TFichierCas Cas;
    bool Emporter = false;
    std::vector<TRangee> Rangees;
    std::vector<std::optional<TResultatCas>> Resultats;  // one per line of Cas
    std::optional<TCouverture> Couverture;
    TMoteur Moteur;

    QTableWidget* Grille;
    QPlainTextEdit* Details;
    QLabel* Bilan;
    QPushButton *RunAll, *Accept, *Edit, *Close;
};

}  // namespace veridane
