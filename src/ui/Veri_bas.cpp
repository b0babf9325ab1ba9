#include "Veri_bas.h"

#include "Modale.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/proposition.h"
#include "project/etat.h"
#include "ui/Conversion.h"
#include "verification/verification.h"

namespace veridane {
namespace {

enum TColonne { ColonneNiveau, ColonneLieu, ColonneId, ColonneMessage };

QIcon IconeNiveau(TNiveauConstat niveau) {
    switch (niveau) {
        case TNiveauConstat::Erreur: return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
        case TNiveauConstat::Avertissement:
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        default: return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    }
}

QString Lieu(const TConstat& c) {
    if (c.Regle > 0) return QString("Rule %1").arg(c.Regle);
    if (c.Entree > 0) return QString("Entry %1").arg(c.Entree);
    return "Base";
}

QString Compte(int nombre, const char* mot) {
    return QString("%1 %2%3").arg(nombre).arg(mot).arg(nombre == 1 ? "" : "s");
}

}  // namespace

TVerifBase::TVerifBase(TEtatVeridane& etat, IDialogues& /*dialogues*/, QWidget* parent)
    : QDialog(parent), Etat(etat) {
    setObjectName("VerifBase");
    setWindowTitle("Verification of the rules base");
    setProperty("contexteAide", 120);
    Construit();
}

void TVerifBase::Construit() {
    FiltreErreurs = new QCheckBox("&Errors", this);
    FiltreErreurs->setObjectName("FiltreErreurs");
    FiltreAvertissements = new QCheckBox("&Warnings", this);
    FiltreAvertissements->setObjectName("FiltreAvertissements");
    FiltreNotes = new QCheckBox("&Notes", this);
    FiltreNotes->setObjectName("FiltreNotes");
    auto* filtres = new QHBoxLayout;
    filtres->addWidget(new QLabel("Show:", this));
    for (QCheckBox* filtre : {FiltreErreurs, FiltreAvertissements, FiltreNotes}) {
        filtre->setChecked(true);
        filtre->setIcon(IconeNiveau(filtre == FiltreErreurs          ? TNiveauConstat::Erreur
                                    : filtre == FiltreAvertissements ? TNiveauConstat::Avertissement
                                                                     : TNiveauConstat::Note));
        filtres->addWidget(filtre);
        connect(filtre, &QCheckBox::toggled, this, &TVerifBase::FiltreClick);
    }
    filtres->addStretch();

    Liste = new QTreeWidget(this);
    Liste->setObjectName("ListeConstats");
    Liste->setHeaderLabels({"Level", "Where", "Finding", "Message"});
    Liste->setRootIsDecorated(false);
    Liste->setUniformRowHeights(true);
    Liste->setAlternatingRowColors(true);
    Liste->setWordWrap(false);
    Liste->header()->setStretchLastSection(true);
    Liste->setStatusTip("Double-click a finding on a rule to modify that rule");
    connect(Liste, &QTreeWidget::itemActivated, this, &TVerifBase::ConstatActive);

    Resume = new QLabel(this);
    Resume->setObjectName("Resume");
    BoutonVerifie = new QPushButton("Check &again", this);
    BoutonVerifie->setObjectName("CheckAgainBtn");
    BoutonFerme = new QPushButton("&Close", this);
    BoutonFerme->setObjectName("CloseBtn");
    for (QPushButton* bouton : {BoutonVerifie, BoutonFerme}) bouton->setAutoDefault(false);
    connect(BoutonVerifie, &QPushButton::clicked, this, &TVerifBase::CheckAgainClick);
    connect(BoutonFerme, &QPushButton::clicked, this, &QDialog::accept);
    auto* bas = new QHBoxLayout;
    bas->addWidget(Resume, 1);
    bas->addWidget(BoutonVerifie);
    bas->addWidget(BoutonFerme);

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(filtres);
    colonne->addWidget(Liste, 1);
    colonne->addLayout(bas);
    resize(980, 520);
}

void TVerifBase::Initialise() {
    Verifie();
    Liste->setFocus();
}

int TVerifBase::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

void TVerifBase::CheckAgainClick() { Verifie(); }

void TVerifBase::Verifie() {
    // A large base takes a few seconds.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Resultats = VerifieBase(Etat.Base, SourcesDuProjet(Etat));
    QApplication::restoreOverrideCursor();
    Remplit();
}

bool TVerifBase::Montre(TNiveauConstat niveau) const {
    switch (niveau) {
        case TNiveauConstat::Erreur: return FiltreErreurs->isChecked();
        case TNiveauConstat::Avertissement: return FiltreAvertissements->isChecked();
        default: return FiltreNotes->isChecked();
    }
}

void TVerifBase::Remplit() {
    Liste->clear();
    QList<QTreeWidgetItem*> lignes;
    for (std::size_t i = 0; i < Resultats.size(); ++i) {
        const TConstat& c = Resultats[i];
        auto* ligne = new QTreeWidgetItem;
        ligne->setIcon(ColonneNiveau, IconeNiveau(c.Niveau));
        ligne->setText(ColonneNiveau, NomNiveau(c.Niveau));
        ligne->setText(ColonneLieu, Lieu(c));
        ligne->setText(ColonneId, QString::fromLatin1(c.Id.c_str()));
        ligne->setText(ColonneMessage, Texte(c.Message));
        ligne->setToolTip(ColonneMessage, Texte(c.Message));
        ligne->setData(ColonneNiveau, Qt::UserRole, static_cast<int>(i));
        lignes.append(ligne);
    }
    Liste->addTopLevelItems(lignes);
    for (int colonne : {ColonneNiveau, ColonneLieu, ColonneId}) Liste->resizeColumnToContents(colonne);
    FiltreClick();
    const TBilanConstats bilan = Bilan(Resultats);
    Resume->setText(Resultats.empty() ? QString("No finding: the base is clean.")
                                      : Compte(bilan.Erreurs, "error") + ", " +
                                            Compte(bilan.Avertissements, "warning") + ", " +
                                            Compte(bilan.Notes, "note"));
    if (Liste->topLevelItemCount() > 0) Liste->setCurrentItem(Liste->topLevelItem(0));
}

void TVerifBase::FiltreClick() {
    for (int i = 0; i < Liste->topLevelItemCount(); ++i) {
        QTreeWidgetItem* ligne = Liste->topLevelItem(i);
        const auto& c = Resultats[static_cast<std::size_t>(ligne->data(ColonneNiveau, Qt::UserRole).toInt())];
        ligne->setHidden(!Montre(c.Niveau));
    }
}

void TVerifBase::ConstatActive(QTreeWidgetItem* ligne) {
    if (ligne == nullptr || !OuvreModification) return;
    const auto& c = Resultats[static_cast<std::size_t>(ligne->data(ColonneNiveau, Qt::UserRole).toInt())];
    // Only a rule can be opened; the rule may have gone since the last check.
    if (c.Regle <= 0 || c.Regle > static_cast<int>(Etat.Base.Regles.size())) return;
    OuvreModification(c.Regle - 1);
}

}  // namespace veridane
