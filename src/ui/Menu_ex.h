// The main window: menus and tool buttons through which every other window is
// reached, the state of the data base in two lists, the status line with its
// progress gauge. It owns the program's state and the project operations and
// shows, after every command, what etat.Commandes says is usable.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/dialogues.h"
#include "inference/enregistreur.h"
#include "project/cycle_projet.h"
#include "project/etat.h"
#include "project/fenetres_projet.h"
#include "project/garde_commande.h"

class QAction;
class QDialog;
class QLabel;
class QListView;
class QListWidget;
class QMenu;
class QProgressBar;

namespace veridane {

class TAboutBox;
class TAbstracts;
class TAide;
class TDestroyObs;
class TDialoguesQt;
class TFiltreAide;
class TModeleLignes;
class TNewPro;
class TMoteur;
class TProgressionQt;
class TReglages;
class TTestCas;

class TMenuExpert : public QMainWindow, public IFenetresProjet {
    Q_OBJECT
public:
    // The program's own message boxes and file dialogs.
    explicit TMenuExpert(QWidget* parent = nullptr);
    // Scripted dialogs (tests, scripted runs).
    explicit TMenuExpert(IDialogues& dialogues, QWidget* parent = nullptr);
    // The program's own dialogs, and saves through `systeme` (tests that
    // make the file system fail).
    explicit TMenuExpert(const TSystemeFichiers& systeme, QWidget* parent = nullptr);
    ~TMenuExpert() override;

    TEtatVeridane& Etat() { return EtatProgramme; }
    TCycleProjet& Cycle() { return *CycleProjet; }
    TAide& Aide() { return *FenetreAide; }
    // The program was allowed to close (by "E&xit" or the close box).
    bool Quitte() const { return FermetureAccordee; }

    // Opens the project at `chemin` as "Open project" does after its file
    // dialog, abstract included.
    void OuvreProjet(const std::string& chemin);

    // The size and place the window had when the program last closed;
    // false when there is none to restore.
    bool RestaureGeometrie();

    // Back to the start-up state: no project, only New, Open, Exit and Help.
    void Demarrage();
    // Shows etat.Commandes and the data base: every action, button, caption,
    // the title and both lists.
    void Affiche();

    // Windows reached from the project operations.
    TChoixNouveauProjet NouveauProjet() override;
    void GestionnaireDico() override;
    void MontreProjet() override;
    void ChangeComment(bool base) override;
    bool SauveFichiersAnnexes(bool nouveauNom) override;

public slots:
    // "&File"
    void Newproject1Click();
    void Openproject1Click();
    void Saveproject1Click();
    void Saveprojectas1Click();
    void Exit1Click();
    // "&Rules base"
    void Viewrules1Click();
    void Addrules1Click();
    void Removerules1Click();
    void Modifyrules1Click();
    void Verifythebase1Click();
    // "Data &base"
    void Viewdata2Click();
    void Adddata2Click();
    void Addanobservation1Click();
    void Removeanobservation1Click();
    void Createanewdatabase1Click();
    // "Data &dictionary"
    void Viewdata1Click();
    void Globalviewofdictionary1Click();
    void Adddata1Click();
    // "&Inference"
    void Forwardchaining1Click();
    void Parameters1Click();
    void Testthecases1Click();
    // "&Help"
    void Index1Click();
    void Research1Click();
    void N2Click();
    // The observation list.
    void EtatBaseClick(int ligne);

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    // A project file dropped on the window opens as "Open project" would.
    void dragEnterEvent(QDragEnterEvent* evenement) override;
    void dropEvent(QDropEvent* evenement) override;

private:
    // A secondary window, opened by its own Ouvre(): whatever the window
    // does when it is shown happens there, whoever opens it.
    struct TFenetre {
        QDialog* Fenetre = nullptr;
        std::function<int()> Ouvre;
    };
    template <class T>
    static TFenetre Fenetre(T* fenetre) {
        return {fenetre, [fenetre] { return fenetre->Ouvre(); }};
    }

    void Construit(const TSystemeFichiers& systeme = TSystemeFichiers::Reel());
    void CreeActions();
    void CreeMenus();
    void CreeBarreOutils();
    void CreeCentre();
    void CreeFenetres();
    void RelieCommandes();
    void Ouvre(const TFenetre& fenetre);
    // Runs a command, then shows its outcome.
    void Commande(const std::function<void()>& action);
    // Runs the command named `nom` so that no exception escapes it (see
    // project/garde_commande.h), and shows the state after a fault.
    void CommandeGardee(const QString& nom, const std::function<void()>& action, TGarde garde = TGarde::Copie);
    void AfficheCommandes();
    void AfficheListes();
    void RemplitListes(bool avecLegendes);
    // "Recent projects": its items, one chosen, and the project to remember.
    void AfficheProjetsRecents();
    void OuvreProjetRecent(const QString& chemin);
    void RetientProjetCourant();

    std::unique_ptr<TDialoguesQt> DialoguesPropres;
    IDialogues& Dialogues;
    TEtatVeridane EtatProgramme;
    std::unique_ptr<TProgressionQt> Progression;
    std::unique_ptr<TCycleProjet> CycleProjet;
    std::unique_ptr<TMoteur> Moteur;  // the inference, shared by its three windows
    TEnregistreur Enregistreur;       // what the explanations of a run need
    TAide* FenetreAide = nullptr;
    TFiltreAide* FiltreAide = nullptr;
    bool FermetureAccordee = false;
    std::unique_ptr<TReglages> Reglages;

    // Menus and their items.
    QMenu* File1 = nullptr;
    QMenu* Rulesbase1 = nullptr;
    QMenu* Database1 = nullptr;
    QMenu* Datadictionary1 = nullptr;
    QMenu* Inference1 = nullptr;
    QMenu* Help1 = nullptr;
    QMenu* Recentprojects1 = nullptr;
    QAction *Newproject1, *Openproject1, *Saveproject1, *Saveprojectas1, *Exit1;
    QAction *Viewrules1, *Addrules1, *Removerules1, *Modifyrules1;
    QAction* Verifythebase1 = nullptr;
    QAction *Selectanobservation1, *Viewdata2, *Adddata2, *Addanobservation1, *Removeanobservation1,
        *Createanewdatabase1;
    QAction *Viewdata1, *Globalviewofdictionary1, *Adddata1;
    QAction *Forwardchaining1, *Parameters1;
    QAction* Testthecases1 = nullptr;
    QAction *Index1, *Research1, *N2;
    // Tool buttons.
    QAction *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5, *SpeedButton6,
        *SpeedButton7;

    QLabel* TitreEtatBase = nullptr;
    QListWidget* EtatBase = nullptr;
    QLabel* TitreEtatObs = nullptr;
    // The data of the selected observation, tens of thousands of lines in a
    // large base: written only when drawn.
    QListView* EtatObs = nullptr;
    TModeleLignes* ModeleEtatObs = nullptr;
    std::vector<std::string> LignesEtatObs;
    QProgressBar* Gauge1 = nullptr;

    // Secondary windows, in the order they are created.
    // The forward chaining and tree windows are reached from the selection.
    TFenetre ViewRul, GereFaits, ViewDic, ViewDat, AjoutRegles, RemovRul, SelectRul, AjoutFaitsDico, SelChain,
        ModiConf, ViewDicGlob;
    TFenetre VerifBase;
    TAbstracts* Abstracts = nullptr;
    TAboutBox* AboutBox = nullptr;
    TNewPro* NewPro = nullptr;
    TDestroyObs* DestroyObs = nullptr;
    TTestCas* TestCas = nullptr;
};

}  // namespace veridane
