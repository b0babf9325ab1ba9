#include "ui/What_if.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/format_nombre.h"
#include "core/proposition.h"
#include "project/gestion_faits.h"
#include "ui/Conversion.h"
#include "ui/Man_dat.h"
#include "ui/Modale.h"

namespace veridane {

namespace {

void AjouteLignes(QListWidget* liste, const std::vector<TProposition>& faits, const QString& signe,
                  const QColor& couleur, char separateur) {
    for (const auto& fait : faits) {
        auto* ligne = new QListWidgetItem(signe + Texte(PropEnChaine(fait, separateur)), liste);
        ligne->setForeground(couleur);
    }
}

}  // namespace

TQueSi::TQueSi(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent) : QDialog(parent), Etat(etat) {
    setObjectName("QueSi");
    setWindowTitle("What if...");
    setProperty("contexteAide", 141);
    Construit(dialogues);
}

void TQueSi::Construit(IDialogues& dialogues) {
    LabelTitre = new QLabel(this);
    LabelTitre->setObjectName("LabelTitre");
    LabelTitre->setWordWrap(true);

    // The data manager itself, working on the scratch copy.
    Gestionnaire = new TGereFaits(Brouillon, dialogues, this);
    Gestionnaire->ModeBrouillon();
    connect(Gestionnaire, &TGereFaits::ObservationModifiee, this, &TQueSi::Actualise);

    auto* titreDifference = new QLabel("Conclusions with these data:", this);
    ListeDifference = new QListWidget(this);
    ListeDifference->setObjectName("ListeDifference");
    titreDifference->setBuddy(ListeDifference);
    LabelComptes = new QLabel(this);
    LabelComptes->setObjectName("LabelComptes");
    LabelComptes->setWordWrap(true);
    auto* droite = new QVBoxLayout;
    droite->addWidget(titreDifference);
    droite->addWidget(ListeDifference, 1);
    droite->addWidget(LabelComptes);

    auto* milieu = new QHBoxLayout;
    milieu->addWidget(Gestionnaire, 3);
    milieu->addLayout(droite, 2);

    BoutonGarder = new QPushButton("Keep these data", this);
    BoutonGarder->setObjectName("BoutonGarder");
    BoutonGarder->setToolTip("Put these data into the observation of the data base");
    BoutonFermer = new QPushButton("Close", this);
    BoutonFermer->setObjectName("BoutonFermer");
    BoutonFermer->setToolTip("Close without changing the data base");
    for (QPushButton* bouton : {BoutonGarder, BoutonFermer}) bouton->setAutoDefault(false);
    connect(BoutonGarder, &QPushButton::clicked, this, &TQueSi::GardeClick);
    connect(BoutonFermer, &QPushButton::clicked, this, &QDialog::reject);
    auto* bas = new QHBoxLayout;
    bas->addStretch(1);
    bas->addWidget(BoutonGarder);
    bas->addWidget(BoutonFermer);

    auto* racine = new QVBoxLayout(this);
    racine->addWidget(LabelTitre);
    racine->addLayout(milieu, 1);
    racine->addLayout(bas);
    resize(1180, 640);
}

void TQueSi::Initialise() {
    Gardees = false;
    PrepareObservationCourante(Etat.Faits);
    // The runs and the manager's listing need the rules and the dictionary;
    // the runs change the rules' run state, so they get their own copy.
    Brouillon.Base = Etat.Base;
    Brouillon.Faits = Etat.Faits;
    Brouillon.ValeurCritique = Etat.ValeurCritique;
    Balayeur.emplace(Brouillon.Base.Regles);
    DeduitsOriginal = Balayeur->FaitsDeduits(Etat.Faits.ObservationCourante(), Etat.ValeurCritique);
    LabelTitre->setText(QString("Scratch copy of observation n°%1. Change its data below: the data base is not "
                                "changed unless you choose \"Keep these data\".")
                            .arg(Etat.Faits.NumObservation + 1));
    Gestionnaire->Initialise();
    Actualise();
}

int TQueSi::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

void TQueSi::Actualise() {
    const auto& copie = Brouillon.Faits.ObservationCourante();
    const auto deduits = Balayeur->FaitsDeduits(copie, Brouillon.ValeurCritique);
    const auto difference = DifferenceFaits(DeduitsOriginal, deduits);
    const char separateur = Etat.Base.SeparateurDecimal;
    ListeDifference->clear();
    AjouteLignes(ListeDifference, difference.Gagnes, "+ ", QColor("#1e7b34"), separateur);
    AjouteLignes(ListeDifference, difference.Perdus, "- ", QColor("#b03a2e"), separateur);
    if (difference.Vide()) {
        auto* ligne = new QListWidgetItem("No change in the conclusions", ListeDifference);
        ligne->setFlags(Qt::NoItemFlags);
    }
    LabelComptes->setText(
        QString("Deduced data: %1 as the observation is, %2 with these data (gained %3, lost %4) at the critical "
                "value %5.")
            .arg(DeduitsOriginal.size())
            .arg(deduits.size())
            .arg(difference.Gagnes.size())
            .arg(difference.Perdus.size())
            .arg(Texte(FormatGeneral(Brouillon.ValeurCritique, ChiffresAffichage, separateur))));
    BoutonGarder->setEnabled(!MemesDonnees(copie, Etat.Faits.ObservationCourante()));
}

void TQueSi::GardeClick() {
    // A move already confirmed is finished first: it is part of these data.
    Gestionnaire->TermineAnimation();
    RemplaceObservationCourante(Etat.Faits, Brouillon.Faits.ObservationCourante());
    Gardees = true;
    accept();
}

}  // namespace veridane
