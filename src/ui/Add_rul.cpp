#include "Add_rul.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

#include "core/dialogues.h"
#include "core/proposition.h"
#include "project/etat.h"
#include "ui/Conversion.h"
#include "ui/Modale.h"
#include "ui/ModeleLignes.h"

namespace veridane {

namespace {

const char* const RepousConclusion = "  Select the conclusion of the rule      -> ";

}  // namespace

TAjoutRegles::TAjoutRegles(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent)
    : QDialog(parent), Etat(etat), Dialogues(dialogues) {
    setObjectName("AjoutRegles");
    setWindowTitle("Rules Editor");
    setProperty("contexteAide", 21);
    DialogueDegre = new TValiDeg(etat, dialogues, this);
    Construit();
    // Enter in a field must not press a button by surprise.
    for (QPushButton* bouton : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        bouton->setAutoDefault(false);
}

void TAjoutRegles::Construit() {
    auto* menu = new QMenuBar(this);
    QAction* fermer = menu->addAction("&Close");
    fermer->setObjectName("Close1");
    connect(fermer, &QAction::triggered, this, &TAjoutRegles::Close1Click);
    MenuAjouteRegle = menu->addAction("&Add rule in the base");
    MenuAjouteRegle->setObjectName("Addruleinthebase1");
    MenuAjouteRegle->setVisible(false);
    connect(MenuAjouteRegle, &QAction::triggered, this, &TAjoutRegles::AddRuleClick);

    ModeleDico = ModeleDictionnaire(this, Etat.Base);
    ListeDico = VueLignes(this, "ListeDico", ModeleDico);
    ComboConclusion = new QComboBox(this);
    ComboConclusion->setObjectName("ComboConclusion");
    ChoixDuModele(ComboConclusion, ModeleDico);
    ComboConclusion->setPlaceholderText(RepousConclusion);
    ComboConclusion->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboConclusion->setMinimumContentsLength(30);
    BoutonPremisse = new QPushButton("Add premise", this);
    BoutonPremisse->setObjectName("AddPremBtn");
    BoutonConclusion = new QPushButton("Add conclusion", this);
    BoutonConclusion->setObjectName("AddConcBtn");
    AffichageRegle = new QListWidget(this);
    AffichageRegle->setObjectName("AffichageRegle");
    BoutonRetireItem = new QPushButton("Remove Item", this);
    BoutonRetireItem->setObjectName("RemoveItemBtn");
    QSizePolicy politique = BoutonRetireItem->sizePolicy();
    politique.setRetainSizeWhenHidden(true);
    BoutonRetireItem->setSizePolicy(politique);
    BoutonAjouteRegle = new QPushButton("Add Rule in Base", this);
    BoutonAjouteRegle->setObjectName("AddRuleBtn");

    auto* grille = new QGridLayout(this);
    grille->setMenuBar(menu);
    grille->addWidget(new QLabel("Data Dictionary:", this), 0, 0);
    grille->addWidget(ListeDico, 1, 0, 3, 1);
    grille->addWidget(BoutonPremisse, 4, 0, Qt::AlignLeft);
    grille->addWidget(ComboConclusion, 0, 1, 1, 2);
    grille->addWidget(BoutonConclusion, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    grille->addWidget(new QLabel("Premises:", this), 2, 1, 1, 2, Qt::AlignBottom);
    grille->addWidget(AffichageRegle, 3, 1, 1, 2);
    grille->addWidget(BoutonRetireItem, 4, 1, Qt::AlignLeft);
    grille->addWidget(BoutonAjouteRegle, 4, 2, Qt::AlignRight);
    grille->setRowStretch(3, 1);
    grille->setColumnStretch(0, 1);
    grille->setColumnStretch(1, 1);
    grille->setColumnStretch(2, 1);
    resize(940, 520);

    connect(BoutonPremisse, &QPushButton::clicked, this, &TAjoutRegles::AddPremClick);
    connect(BoutonConclusion, &QPushButton::clicked, this, &TAjoutRegles::AddConcClick);
    connect(AffichageRegle, &QListWidget::itemClicked, this, &TAjoutRegles::AffichageRegleClick);
    connect(BoutonRetireItem, &QPushButton::clicked, this, &TAjoutRegles::RemoveItemClick);
    connect(BoutonAjouteRegle, &QPushButton::clicked, this, &TAjoutRegles::AddRuleClick);
}

void TAjoutRegles::Initialise() {
    Regle.Vide();
    ActiveConclusion(true);
    MontrePrete();
    BoutonRetireItem->hide();
    setWindowTitle(Texte(TitreAvecNombre("Rules Editor: ", Etat.Base.NbRegles)));
    ModeleDico->Remplit(0);
    ComboConclusion->setCurrentIndex(-1);
    AffichageRegle->clear();
    if (Etat.Base.NbFaitsDico > 0) Affiche();
}

int TAjoutRegles::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

void TAjoutRegles::Affiche() {
    const TBaseConnaissances& base = Etat.Base;
    ModeleDico->Remplit(base.DicoCree ? static_cast<int>(base.Dictionnaire.size()) : 0);
    ComboConclusion->setCurrentIndex(-1);
    AffichageRegle->clear();
    AffichageRegle->addItem("No rule created");
}

void TAjoutRegles::AfficheLaRegle() {
    AffichageRegle->clear();
    for (const std::string& ligne : Regle.Lignes(Etat.Base.Dictionnaire, Etat.Base.SeparateurDecimal))
        AffichageRegle->addItem(Texte(ligne));
}

void TAjoutRegles::MontrePrete() {
    BoutonAjouteRegle->setEnabled(Regle.Prete());
    MenuAjouteRegle->setVisible(Regle.Prete());
}

void TAjoutRegles::ActiveConclusion(bool active) {
    BoutonConclusion->setEnabled(active);
    ComboConclusion->setEnabled(active);
}

void TAjoutRegles::AddPremClick() {
    const int ligne = LigneChoisie(ListeDico);
    if (ligne < 0) return;
    if (!Regle.AjoutePremisse(ligne, Dialogues)) return;
    MontrePrete();
    AfficheLaRegle();
}

void TAjoutRegles::AddConcClick() {
    const int index = ComboConclusion->currentIndex();
    if (Regle.ConclusionPresente() || index < 0) return;
    if (!Regle.AjouteConclusion(index, Dialogues)) return;
    ActiveConclusion(false);
    MontrePrete();
    AfficheLaRegle();
}

void TAjoutRegles::AffichageRegleClick() {
    const int ligne = AffichageRegle->currentRow();
    if (ligne < 0) return;
    const bool derniere = ligne == AffichageRegle->count() - 1;
    const bool retirable = derniere ? Regle.ConclusionPresente() : Regle.PremissesPresentes();
    if (retirable) BoutonRetireItem->show();
}

void TAjoutRegles::RemoveItemClick() {
    BoutonRetireItem->hide();
    const QList<QListWidgetItem*> choisies = AffichageRegle->selectedItems();
    if (!choisies.isEmpty()) {
        Regle.RetireLigne(AffichageRegle->row(choisies.front()), Dialogues);
        if (!Regle.ConclusionPresente()) ActiveConclusion(true);
    }
    MontrePrete();
    AfficheLaRegle();
}

void TAjoutRegles::AddRuleClick() {
    if (!Regle.Prete()) return;
    TResultatDegre resultat;
    do {
        DialogueDegre->Ouvre();
        resultat = DialogueDegre->Resultat();
        if (resultat.Annule) return;
    } while (!resultat.DegreAccepte);
    AjouteRegle(Etat.Base, Regle.Construit(Etat.Base.Dictionnaire, resultat.Degre));
    Initialise();
}

void TAjoutRegles::Close1Click() {
    if (Regle.Prete()) {
        const TReponse reponse =
            Dialogues.Message(TGenreMessage::Information,
                              "Do you want to quit the menu without adding the rule in the base ?", TBoutons::OuiNon);
        if (reponse != TReponse::Oui) return;
    }
    Fermeture();
}

void TAjoutRegles::Fermeture() {
    Regle.Vide();
    if (Etat.Base.NbRegles > 0) {
        // The rules commands come on; "Inference" only when there are data
        // to reason on.
        const bool inference = Etat.Commandes.MenuInference;
        Etat.Commandes.ReglesAjoutees();
        if (Etat.Faits.NbFaits <= 0) Etat.Commandes.MenuInference = inference;
    }
    QDialog::accept();
}

void TAjoutRegles::reject() { Close1Click(); }

}  // namespace veridane
