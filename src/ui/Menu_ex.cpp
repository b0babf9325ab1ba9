#include "Menu_ex.h"

#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "Add_dat.h"
#include "Add_rul.h"
#include "Aide.h"
#include "Apropos.h"
#include "Conversion.h"
#include "Dest_obs.h"
#include "DialoguesQt.h"
#include "Forw_ch.h"
#include "New_pro.h"
#include "Man_dat.h"
#include "Mod_conf.h"
#include "Mod_rul.h"
#include "ModeleLignes.h"
#include "Remo_rul.h"
#include "ProgressionQt.h"
#include "core/fichier_texte.h"
#include "Reglages.h"
#include "Resume.h"
#include "Sel_chai.h"
#include "Sel_rul.h"
#include "Veri_bas.h"
#include "Test_cas.h"
#include "Tree_rea.h"
#include "V_dic_g.h"
#include "View_dat.h"
#include "View_dic.h"
#include "View_rul.h"
#include "inference/moteur.h"
#include "project/affichage_base.h"
#include "project/garde_commande.h"

namespace veridane {

namespace {

// A hint "Short| long text": the short part is the tool tip, the long part
// goes to the status line.
const QString IndicationAjoutDonnees =
    "First use \"Add an observation in data base\": data can then be given to an observation";

// A menu item that is not available still shows its hint in the status
// line when the pointer rests on it.
class TIndicationsInactives : public QObject {
public:
    TIndicationsInactives(QMenu* menu, QStatusBar* barre) : QObject(menu), Menu(menu), Barre(barre) {
        menu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        if (evenement->type() == QEvent::MouseMove) {
            QAction* action = Menu->actionAt(static_cast<QMouseEvent*>(evenement)->position().toPoint());
            if (action != nullptr && !action->isEnabled() && !action->statusTip().isEmpty())
                Barre->showMessage(action->statusTip());
        }
        return false;
    }

private:
    QMenu* Menu;
    QStatusBar* Barre;
};

void MetIndication(QAction* action, const QString& indication) {
    qsizetype barre = indication.indexOf('|');
    action->setToolTip(indication.left(barre).trimmed());
    action->setStatusTip(indication.mid(barre + 1).trimmed());
}

// The one local project file (.exp) that a drag carries, or nothing.
QString FichierProjetDeposable(const QMimeData* donnees) {
    if (donnees == nullptr || !donnees->hasUrls() || donnees->urls().size() != 1) return {};
    const QUrl adresse = donnees->urls().front();
    if (!adresse.isLocalFile()) return {};
    const QFileInfo fichier(adresse.toLocalFile());
    if (fichier.suffix().compare("exp", Qt::CaseInsensitive) != 0 || !fichier.isFile()) return {};
    return fichier.absoluteFilePath();
}

}  // namespace

TMenuExpert::TMenuExpert(QWidget* parent)
    : QMainWindow(parent), DialoguesPropres(std::make_unique<TDialoguesQt>(this)), Dialogues(*DialoguesPropres) {
    DialoguesPropres->SuitProjet([this] { return EtatProgramme.Projet.RepertoireProjet; });
    Construit();
}

TMenuExpert::TMenuExpert(IDialogues& dialogues, QWidget* parent) : QMainWindow(parent), Dialogues(dialogues) {
    Construit();
}

TMenuExpert::TMenuExpert(const TSystemeFichiers& systeme, QWidget* parent)
    : QMainWindow(parent), DialoguesPropres(std::make_unique<TDialoguesQt>(this)), Dialogues(*DialoguesPropres) {
    Construit(systeme);
}

TMenuExpert::~TMenuExpert() {
    if (FiltreAide != nullptr) qApp->removeEventFilter(FiltreAide);
}

void TMenuExpert::Construit(const TSystemeFichiers& systeme) {
    setObjectName("MenuExpert");
    setProperty("contexteAide", 1);
    setAcceptDrops(true);
    Reglages = std::make_unique<TReglages>();
    CreeActions();
    CreeMenus();
    CreeBarreOutils();
    CreeCentre();
    Progression = std::make_unique<TProgressionQt>(*statusBar(), *Gauge1);
    CycleProjet = std::make_unique<TCycleProjet>(EtatProgramme, *this, Dialogues, *Progression, systeme);
    Moteur = std::make_unique<TMoteur>();
    Moteur->Enregistre(&Enregistreur);  // the windows explain their runs
    FenetreAide = new TAide(":/help/", this);
    FiltreAide = new TFiltreAide(*FenetreAide, this);
    qApp->installEventFilter(FiltreAide);
    CreeFenetres();
    RelieCommandes();
    resize(1024, 730);
    Demarrage();
}

void TMenuExpert::CreeActions() {
    auto action = [this](QAction*& membre, const char* nom, const char* texte) {
        membre = new QAction(texte, this);
        membre->setObjectName(nom);
    };
    action(Newproject1, "Newproject1", "&New project");
    action(Openproject1, "Openproject1", "Open &project");
    action(Saveproject1, "Saveproject1", "&Save project");
    action(Saveprojectas1, "Saveprojectas1", "Save project &as...");
    action(Exit1, "Exit1", "E&xit");
    action(Viewrules1, "Viewrules1", "&View rules");
    action(Addrules1, "Addrules1", "&Add rules");
    action(Removerules1, "Removerules1", "&Remove rules");
    action(Modifyrules1, "Modifyrules1", "&Modify rules");
    action(Verifythebase1, "Verifythebase1", "Verify the &base");
    action(Selectanobservation1, "Selectanobservation1", "&Select an observation");
    action(Viewdata2, "Viewdata2", "&View data");
    action(Adddata2, "Adddata2", "&Add / Remove data");
    action(Addanobservation1, "Addanobservation1", "Add an &observation in data base");
    action(Removeanobservation1, "Removeanobservation1", "Remove an obser&vation from data base");
    action(Createanewdatabase1, "Createanewdatabase1", "&New data base");
    action(Viewdata1, "Viewdata1", "&View data (in details)");
    action(Globalviewofdictionary1, "Globalviewofdictionary1", "&Global view of dictionary");
    action(Adddata1, "Adddata1", "&Add / Remove data");
    action(Forwardchaining1, "Forwardchaining1", "&Forward chaining");
    action(Parameters1, "Parameters1", "&Parameters");
    action(Testthecases1, "Testthecases1", "&Test the cases");
    action(Index1, "Index1", "&Index");
    action(Research1, "Research1", "&Research");
    action(N2, "N2", "&About");

    // The usual desktop keys for the file commands.
    Newproject1->setShortcut(QKeySequence::New);
    Openproject1->setShortcut(QKeySequence::Open);
    Saveproject1->setShortcut(QKeySequence::Save);
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void TMenuExpert::CreeMenus() {
    auto menu = [this](QMenu*& membre, const char* nom, const char* titre, std::initializer_list<QAction*> items) {
        membre = menuBar()->addMenu(titre);
        membre->setObjectName(nom);
        membre->menuAction()->setObjectName(QString(nom) + "Menu");
        for (QAction* item : items) {
            if (item == nullptr)
                membre->addSeparator();
            else
                membre->addAction(item);
        }
    };
    menu(File1, "File1", "&File", {Newproject1, Openproject1, Saveproject1, Saveprojectas1, nullptr, Exit1});
    menu(Rulesbase1, "Rulesbase1", "&Rules base", {Viewrules1, Addrules1, Removerules1, Modifyrules1, nullptr, Verifythebase1});
    menu(Database1, "Database1", "Data &base",
         {Selectanobservation1, Viewdata2, Adddata2, Addanobservation1, Removeanobservation1, Createanewdatabase1});
    menu(Datadictionary1, "Datadictionary1", "Data &dictionary", {Viewdata1, Globalviewofdictionary1, Adddata1});
    menu(Inference1, "Inference1", "&Inference", {Forwardchaining1, nullptr, Parameters1, nullptr, Testthecases1});
    menu(Help1, "Help1", "&Help", {Index1, Research1, nullptr, N2});
    File1->addSeparator();
    Recentprojects1 = File1->addMenu("&Recent projects");
    Recentprojects1->setObjectName("Recentprojects1");
    Recentprojects1->menuAction()->setObjectName("Recentprojects1Menu");
    new TIndicationsInactives(Database1, statusBar());
}

void TMenuExpert::CreeBarreOutils() {
    auto* barre = addToolBar("Tools");
    barre->setObjectName("Panel2");
    barre->setMovable(false);
    barre->setFloatable(false);
    barre->setIconSize(QSize(28, 28));
    barre->toggleViewAction()->setEnabled(false);
    struct TBouton {
        QAction** Membre;
        const char* Nom;
        const char* Icone;
        const char* Indication;
    };
    const TBouton groupes[3][3] = {
        {{&SpeedButton4, "SpeedButton4", "exit", "Exit| Quit Veridane Menu"}, {}, {}},
        {{&SpeedButton1, "SpeedButton1", "open", "Open project| Open a project with rules base and data dictionary"},
         {&SpeedButton3, "SpeedButton3", "new", "New project| Create a new project"},
         {&SpeedButton2, "SpeedButton2", "save", "Save project| Save the project on disk"}},
        {{&SpeedButton7, "SpeedButton7", "rules", "View rules| View the base of rules"},
         {&SpeedButton6, "SpeedButton6", "database", "View data base| View the base of data"},
         {&SpeedButton5, "SpeedButton5", "dictionary", "View data dictionary| View the dictionary of data"}}};
    for (const auto& groupe : groupes) {
        if (!barre->actions().isEmpty()) barre->addSeparator();
        for (const TBouton& bouton : groupe) {
            if (bouton.Membre == nullptr) continue;
            QAction* action = barre->addAction(QIcon(QString(":/icons/%1.svg").arg(bouton.Icone)), QString());
            action->setObjectName(QString(bouton.Nom) + "Action");
            MetIndication(action, bouton.Indication);
            // Without its picture a button still shows what it does.
            action->setIconText(action->toolTip());
            barre->widgetForAction(action)->setObjectName(bouton.Nom);
            *bouton.Membre = action;
        }
    }
}

void TMenuExpert::CreeCentre() {
    auto* centre = new QWidget(this);
    QFont gras = font();
    gras.setBold(true);

    TitreEtatBase = new QLabel("DATA BASE", centre);
    TitreEtatBase->setObjectName("TitreEtatBase");
    TitreEtatBase->setAlignment(Qt::AlignCenter);
    TitreEtatBase->setFont(gras);
    EtatBase = new QListWidget(centre);
    EtatBase->setObjectName("EtatBase");
    EtatBase->setStatusTip("Click to select an observation of the Data Base");
    EtatBase->setProperty("contexteAide", 24);
    EtatBase->setSpacing(1);
    connect(EtatBase, &QListWidget::currentRowChanged, this, &TMenuExpert::EtatBaseClick);

    TitreEtatObs = new QLabel(centre);
    TitreEtatObs->setObjectName("TitreEtatObs");
    TitreEtatObs->setAlignment(Qt::AlignCenter);
    TitreEtatObs->setFont(gras);
    ModeleEtatObs = new TModeleLignes(this, [this](int ligne) {
        return Texte(LignesEtatObs[static_cast<std::size_t>(ligne)]);
    });
    EtatObs = VueLignes(centre, "EtatObs", ModeleEtatObs);
    // Display only: a click selects nothing.
    EtatObs->setSelectionMode(QAbstractItemView::NoSelection);
    EtatObs->setFocusPolicy(Qt::NoFocus);
    EtatObs->setSpacing(1);

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(TitreEtatBase);
    gauche->addWidget(EtatBase, 1);
    auto* droite = new QVBoxLayout;
    droite->addWidget(TitreEtatObs);
    droite->addWidget(EtatObs, 1);
    auto* rangee = new QHBoxLayout(centre);
    rangee->setContentsMargins(16, 12, 16, 12);
    rangee->setSpacing(16);
    rangee->addLayout(gauche, 2);
    rangee->addLayout(droite, 3);
    setCentralWidget(centre);

    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName("Gauge1");
    Gauge1->setFixedWidth(240);
    Gauge1->setTextVisible(false);
    Gauge1->setStyleSheet("QProgressBar::chunk { background-color: #1f5fbf; }");
    statusBar()->setObjectName("Panel1");
    statusBar()->addPermanentWidget(Gauge1);
    Gauge1->hide();
}

void TMenuExpert::CreeFenetres() {
    // The windows of the commands, in the program's start-up order. The
    // priority degree dialog and the rule modification window belong to the
    // rules editor and to the rule chooser, which create them in that order.
    TEtatVeridane& etat = EtatProgramme;
    ViewRul = Fenetre(new TViewRul(etat, Dialogues, this));
    GereFaits = Fenetre(new TGereFaits(etat, Dialogues, this));
    Abstracts = new TAbstracts(etat, Dialogues, this);
    ViewDic = Fenetre(new TViewDic(etat, Dialogues, this));
    ViewDat = Fenetre(new TViewDat(etat, Dialogues, this));
    AboutBox = new TAboutBox(etat, Dialogues, this);
    AjoutRegles = Fenetre(new TAjoutRegles(etat, Dialogues, this));
    RemovRul = Fenetre(new TRemovRul(etat, Dialogues, this));
    auto* choixRegle = new TSelectRul(etat, Dialogues, this);
    SelectRul = Fenetre(choixRegle);
    AjoutFaitsDico = Fenetre(new TAjoutFaitsDico(etat, Dialogues, this));
    auto* chainage = new TForwChain(etat, Dialogues, *Moteur, this);
    NewPro = new TNewPro(etat, Dialogues, this);
    DestroyObs = new TDestroyObs(etat, Dialogues, *CycleProjet, this);
    auto* selection = new TSelChain(etat, Dialogues, *Moteur, this);
    SelChain = Fenetre(selection);
    ModiConf = Fenetre(new TModiConf(etat, Dialogues, this));
    auto* arbre = new TTree(etat, Dialogues, *Moteur, this);
    ViewDicGlob = Fenetre(new TViewDicGlob(etat, Dialogues, this));
    TestCas = new TTestCas(etat, Dialogues, *Progression, this);
    connect(DestroyObs, &TDestroyObs::BaseChangee, this, &TMenuExpert::Affiche);
    // Choosing the observation runs the inference, whose window leads to
    // the reasoning tree.
    selection->UtiliseChainage(chainage);
    chainage->UtiliseArbre(arbre);
    // A finding on a rule opens that rule in the same modification window.
    auto* verification = new TVerifBase(etat, Dialogues, this);
    VerifBase = Fenetre(verification);
    verification->OuvreModification = [choixRegle](int regle) {
        choixRegle->ModifRule().ChoisitRegle(regle);
        choixRegle->ModifRule().Ouvre();
    };
}

void TMenuExpert::RelieCommandes() {
    using THandler = void (TMenuExpert::*)();
    const std::pair<QAction*, THandler> commandes[] = {
        {Newproject1, &TMenuExpert::Newproject1Click},
        {SpeedButton3, &TMenuExpert::Newproject1Click},
        {Openproject1, &TMenuExpert::Openproject1Click},
        {SpeedButton1, &TMenuExpert::Openproject1Click},
        {Saveproject1, &TMenuExpert::Saveproject1Click},
        {SpeedButton2, &TMenuExpert::Saveproject1Click},
        {Saveprojectas1, &TMenuExpert::Saveprojectas1Click},
        {Exit1, &TMenuExpert::Exit1Click},
        {SpeedButton4, &TMenuExpert::Exit1Click},
        {Viewrules1, &TMenuExpert::Viewrules1Click},
        {SpeedButton7, &TMenuExpert::Viewrules1Click},
        {Addrules1, &TMenuExpert::Addrules1Click},
        {Removerules1, &TMenuExpert::Removerules1Click},
        {Modifyrules1, &TMenuExpert::Modifyrules1Click},
        {Verifythebase1, &TMenuExpert::Verifythebase1Click},
        {Viewdata2, &TMenuExpert::Viewdata2Click},
        {SpeedButton6, &TMenuExpert::Viewdata2Click},
        {Adddata2, &TMenuExpert::Adddata2Click},
        {Addanobservation1, &TMenuExpert::Addanobservation1Click},
        {Removeanobservation1, &TMenuExpert::Removeanobservation1Click},
        {Createanewdatabase1, &TMenuExpert::Createanewdatabase1Click},
        {Viewdata1, &TMenuExpert::Viewdata1Click},
        {SpeedButton5, &TMenuExpert::Viewdata1Click},
        {Globalviewofdictionary1, &TMenuExpert::Globalviewofdictionary1Click},
        {Adddata1, &TMenuExpert::Adddata1Click},
        {Forwardchaining1, &TMenuExpert::Forwardchaining1Click},
        {Parameters1, &TMenuExpert::Parameters1Click},
        {Testthecases1, &TMenuExpert::Testthecases1Click},
        {Index1, &TMenuExpert::Index1Click},
        {Research1, &TMenuExpert::Research1Click},
        {N2, &TMenuExpert::N2Click},
    };
    // The commands that only read the project: their guard copies nothing.
    // A run changes only the rules' run marks, which every run sets afresh.
    const THandler lectures[] = {&TMenuExpert::Viewrules1Click,  &TMenuExpert::Viewdata2Click,
                                 &TMenuExpert::Viewdata1Click,   &TMenuExpert::Globalviewofdictionary1Click,
                                 &TMenuExpert::Forwardchaining1Click, &TMenuExpert::Index1Click,
                                 &TMenuExpert::Research1Click,   &TMenuExpert::N2Click};
    for (const auto& [action, handler] : commandes) {
        // A tool button's command is named after the menu item of its handler.
        QAction* nom = std::find_if(std::begin(commandes), std::end(commandes),
                                    [h = handler](const auto& c) { return c.second == h; })->first;
        const TGarde garde = std::find(std::begin(lectures), std::end(lectures), handler) != std::end(lectures)
                                 ? TGarde::LectureSeule
                                 : TGarde::Copie;
        connect(action, &QAction::triggered, this, [this, nom, h = handler, garde] {
            CommandeGardee(nom->text(), [this, h] { (this->*h)(); }, garde);
        });
    }
}

// --- Showing the state ---------------------------------------------------

void TMenuExpert::Demarrage() {
    EtatProgramme.Demarrage();
    FermetureAccordee = false;
    Gauge1->hide();
    statusBar()->clearMessage();
    Affiche();
}

void TMenuExpert::Affiche() {
    AfficheCommandes();
    AfficheListes();
    AfficheProjetsRecents();
}

void TMenuExpert::AfficheCommandes() {
    const TEtatCommandes& c = EtatProgramme.Commandes;
    const std::pair<QAction*, bool> actifs[] = {
        {Saveproject1, c.SauverProjet},
        {Saveprojectas1, c.SauverProjetSous},
        {SpeedButton2, c.BoutonSauver},
        {Rulesbase1->menuAction(), c.MenuRegles},
        {Database1->menuAction(), c.MenuBaseFaits},
        {Datadictionary1->menuAction(), c.MenuDico},
        {Inference1->menuAction(), c.MenuInference},
        {Viewrules1, c.VoirRegles},
        {Removerules1, c.SupprimerRegles},
        {Modifyrules1, c.ModifierRegles},
        {SpeedButton7, c.BoutonRegles},
        {Selectanobservation1, c.SelectionObservationActive},
        {Viewdata2, c.VoirDonneesBase},
        {Adddata2, c.AjouterDonneesBase},
        {SpeedButton6, c.BoutonBaseFaits},
        {Viewdata1, c.VoirDonneesDico},
        {Adddata1, c.AjouterDonneesDico},
        {SpeedButton5, c.BoutonDico},
    };
    for (const auto& [action, actif] : actifs) action->setEnabled(actif);
    Verifythebase1->setEnabled(!EtatProgramme.Base.Regles.empty());
    Selectanobservation1->setVisible(c.SelectionObservationVisible);
    Database1->setTitle(Texte(c.LegendeMenuBase));
    Viewdata2->setText(Texte(c.LegendeVoirDonnees));
    Adddata2->setText(Texte(c.LegendeAjouterDonnees));
    // Says how to make it available while it is not.
    Adddata2->setStatusTip(c.AjouterDonneesBase ? QString() : IndicationAjoutDonnees);
    setWindowTitle(Texte(c.Titre));
}

void TMenuExpert::AfficheListes() {
    bool visibles = EtatProgramme.Commandes.ListesVisibles && !EtatProgramme.Faits.Observations.empty();
    // The arrow keys move through the observations as soon as they appear.
    bool apparait = visibles && EtatBase->isHidden();
    TitreEtatBase->setVisible(visibles);
    EtatBase->setVisible(visibles);
    EtatObs->setVisible(visibles);
    if (!visibles) {
        QSignalBlocker bloque(EtatBase);
        EtatBase->clear();
        LignesEtatObs.clear();
        ModeleEtatObs->Remplit(0);
        TitreEtatObs->clear();
        return;
    }
    // The lists follow the data; the captions stay as the last operation
    // left them (some operations show them without numbers on purpose).
    TEtatCommandes legendes = EtatProgramme.Commandes;
    TAffichageBase affichage = AfficheEtatBase(EtatProgramme);
    EtatProgramme.Commandes.LegendeMenuBase = legendes.LegendeMenuBase;
    EtatProgramme.Commandes.LegendeVoirDonnees = legendes.LegendeVoirDonnees;
    EtatProgramme.Commandes.LegendeAjouterDonnees = legendes.LegendeAjouterDonnees;

    QSignalBlocker bloque(EtatBase);
    EtatBase->clear();
    for (const std::string& ligne : affichage.LignesEtatBase) EtatBase->addItem(Texte(ligne));
    EtatBase->setCurrentRow(affichage.Selection);
    TitreEtatObs->setText(Texte(affichage.TitreEtatObs));
    LignesEtatObs = std::move(affichage.LignesEtatObs);
    ModeleEtatObs->Remplit(static_cast<int>(LignesEtatObs.size()));
    if (apparait) EtatBase->setFocus();
}

// --- Commands --------------------------------------------------------------

void TMenuExpert::Commande(const std::function<void()>& action) {
    action();
    RetientProjetCourant();
    Affiche();
}

void TMenuExpert::Ouvre(const TFenetre& fenetre) {
    fenetre.Ouvre();
    Affiche();
}

void TMenuExpert::Newproject1Click() { Commande([this] { CycleProjet->Newproject1Click(); }); }
void TMenuExpert::Openproject1Click() { Commande([this] { CycleProjet->Openproject1Click(); }); }
void TMenuExpert::OuvreProjet(const std::string& chemin) {
    CommandeGardee(Openproject1->text(), [this, &chemin] { CycleProjet->OuvreProjet(chemin); });
    Affiche();
}

void TMenuExpert::CommandeGardee(const QString& nom, const std::function<void()>& action, TGarde garde) {
    if (ExecuteGardee(EtatProgramme, Dialogues, Octets(QString(nom).remove('&')), action, garde)) return;
    Progression->Cache();
    statusBar()->clearMessage();
    Affiche();
}

void TMenuExpert::Saveproject1Click() { Commande([this] { CycleProjet->Saveproject1Click(); }); }
void TMenuExpert::Saveprojectas1Click() {
    // The project's cases go with it under its new name.
    TestCas->PrepareNouveauNom();
    Commande([this] { CycleProjet->Saveprojectas1Click(); });
    TestCas->FinNouveauNom();
}

void TMenuExpert::Exit1Click() {
    bool quitter = CycleProjet->Exit1Click();
    Affiche();
    if (!quitter) return;
    FermetureAccordee = true;
    close();
}

void TMenuExpert::closeEvent(QCloseEvent* evenement) {
    // The close box asks the same save questions as "E&xit", without asking
    // first whether to quit.
    if (!FermetureAccordee) {
        CommandeGardee(Exit1->text(), [this] { FermetureAccordee = CycleProjet->FermetureDemandee(); });
        Affiche();
    }
    if (!FermetureAccordee) {
        evenement->ignore();
        return;
    }
    FenetreAide->close();
    Reglages->RetientGeometrieFenetre(saveGeometry());
    evenement->accept();
}

bool TMenuExpert::RestaureGeometrie() {
    const QByteArray geometrie = Reglages->GeometrieFenetre();
    return !geometrie.isEmpty() && restoreGeometry(geometrie);
}

void TMenuExpert::dragEnterEvent(QDragEnterEvent* evenement) {
    // Anything but one project file is refused: the pointer says so.
    if (!FichierProjetDeposable(evenement->mimeData()).isEmpty()) evenement->acceptProposedAction();
}

void TMenuExpert::dropEvent(QDropEvent* evenement) {
    const QString chemin = FichierProjetDeposable(evenement->mimeData());
    if (chemin.isEmpty()) return;
    evenement->acceptProposedAction();
    Commande([this, chemin] { CycleProjet->OuvreProjetChoisi(Octets(chemin)); });
}

// --- Recent projects ---------------------------------------------------------

void TMenuExpert::AfficheProjetsRecents() {
    Recentprojects1->clear();
    const QStringList recents = Reglages->ProjetsRecents();
    for (int i = 0; i < recents.size(); ++i) {
        const QString& chemin = recents.at(i);
        QAction* item = Recentprojects1->addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(chemin).fileName()));
        item->setObjectName(QString("RecentProject%1").arg(i + 1));
        item->setData(chemin);
        item->setStatusTip(chemin);
        item->setToolTip(chemin);
        connect(item, &QAction::triggered, this, [this, chemin] { OuvreProjetRecent(chemin); });
    }
    Recentprojects1->setEnabled(!recents.isEmpty());
}

void TMenuExpert::OuvreProjetRecent(const QString& chemin) {
    if (!QFileInfo(chemin).isFile()) {
        Reglages->RetireProjetRecent(chemin);
        Dialogues.Avertit("The project " + Octets(chemin) + " no longer exists; it is removed from the recent projects.");
        Affiche();
        return;
    }
    Commande([this, chemin] { CycleProjet->OuvreProjetChoisi(Octets(chemin)); });
}

// The project on disk, once opened or saved under its name, heads the list.
void TMenuExpert::RetientProjetCourant() {
    const TProjet& projet = EtatProgramme.Projet;
    if (projet.ProjetSansNom || projet.NomProjet.empty() || projet.RepertoireProjet.empty()) return;
    // The name is kept in upper case: look it up as the readers do.
    if (auto fichier = TrouveFichier(projet.RepertoireProjet + projet.NomProjet))
        Reglages->AjouteProjetRecent(QFileInfo(Texte(*fichier)).absoluteFilePath());
}

void TMenuExpert::showEvent(QShowEvent* evenement) {
    // Shown by the program (not restored by the desktop): the start-up state.
    if (!evenement->spontaneous()) Demarrage();
    QMainWindow::showEvent(evenement);
}

void TMenuExpert::Viewrules1Click() { Ouvre(ViewRul); }
void TMenuExpert::Addrules1Click() { Ouvre(AjoutRegles); }
void TMenuExpert::Removerules1Click() { Ouvre(RemovRul); }
void TMenuExpert::Modifyrules1Click() { Ouvre(SelectRul); }
void TMenuExpert::Verifythebase1Click() { Ouvre(VerifBase); }
void TMenuExpert::Viewdata2Click() { Ouvre(ViewDat); }

void TMenuExpert::Adddata2Click() {
    Ouvre(GereFaits);
    TBaseFaits& faits = EtatProgramme.Faits;
    faits.NbFaits = faits.CompteFaits();
    if (faits.NbFaits > 0) {
        EtatProgramme.Commandes.VoirDonneesBase = true;
        EtatProgramme.Commandes.BoutonBaseFaits = true;
    }
    Affiche();
}

void TMenuExpert::Addanobservation1Click() { Commande([this] { CycleProjet->Addanobservation1Click(); }); }
void TMenuExpert::Removeanobservation1Click() { Ouvre(Fenetre(DestroyObs)); }
void TMenuExpert::Createanewdatabase1Click() { Commande([this] { CycleProjet->Createanewdatabase1Click(); }); }
void TMenuExpert::Viewdata1Click() { Ouvre(ViewDic); }
void TMenuExpert::Globalviewofdictionary1Click() { Ouvre(ViewDicGlob); }

void TMenuExpert::Adddata1Click() {
    Ouvre(AjoutFaitsDico);
    if (!EtatProgramme.Base.Dictionnaire.empty()) EtatProgramme.Commandes.DicoNonVide();
    Affiche();
}

void TMenuExpert::Forwardchaining1Click() {
    Ouvre(SelChain);
    statusBar()->clearMessage();
}

void TMenuExpert::Parameters1Click() { Ouvre(ModiConf); }
void TMenuExpert::Testthecases1Click() { Ouvre(Fenetre(TestCas)); }
void TMenuExpert::Index1Click() { FenetreAide->OuvreIndex(); }
void TMenuExpert::Research1Click() { FenetreAide->OuvreRecherche(); }
void TMenuExpert::N2Click() { Ouvre(Fenetre(AboutBox)); }

void TMenuExpert::EtatBaseClick(int ligne) {
    if (ligne < 0 || ligne >= static_cast<int>(EtatProgramme.Faits.Observations.size())) return;
    veridane::EtatBaseClick(EtatProgramme, ligne);
    Affiche();
}

// --- Windows of the project operations ------------------------------------

// The operations call these in their middle: the window first shows what
// they have done so far.

TChoixNouveauProjet TMenuExpert::NouveauProjet() {
    Affiche();
    NewPro->Ouvre();
    return NewPro->Choix();
}

void TMenuExpert::GestionnaireDico() {
    Affiche();
    Ouvre(AjoutFaitsDico);
}

void TMenuExpert::MontreProjet() {
    Affiche();
    Abstracts->MontreProjet();
}

bool TMenuExpert::SauveFichiersAnnexes(bool nouveauNom) { return TestCas->Sauve(nouveauNom); }

void TMenuExpert::ChangeComment(bool base) {
    Affiche();
    Abstracts->ChangeComment(base);
}

}  // namespace veridane
