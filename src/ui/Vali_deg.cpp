#include "Vali_deg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/dialogues.h"
#include "core/edition_regles.h"
#include "inference/parametres.h"
#include "project/etat.h"
#include "ui/Conversion.h"
#include "ui/Modale.h"

namespace veridane {

TValiDeg::TValiDeg(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent)
    : QDialog(parent), Etat(etat), Dialogues(dialogues) {
    setObjectName("ValiDeg");
    setWindowTitle("Priority Degree");
    setProperty("contexteAide", 21);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(new QLabel("Enter the priority degree", this));
    colonne->addWidget(new QLabel("belonging to [0 = worst ; 1 = best] :", this));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    colonne->addWidget(Edit1);
    auto* aide = new QLabel("Press [F1] to get Help context", this);
    aide->setEnabled(false);
    colonne->addWidget(aide);

    auto* boutons = new QDialogButtonBox(this);
    QPushButton* ok = boutons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName("BitBtn1");
    ok->setDefault(true);
    QPushButton* annuler = boutons->addButton(QDialogButtonBox::Cancel);
    annuler->setObjectName("BitBtn2");
    connect(ok, &QPushButton::clicked, this, &TValiDeg::BitBtn1Click);
    connect(annuler, &QPushButton::clicked, this, &TValiDeg::BitBtn2Click);
    colonne->addWidget(boutons);
    setMinimumWidth(320);
}

void TValiDeg::Initialise() {
    Edit1->setFocus();
    Edit1->selectAll();
}

int TValiDeg::Ouvre() {
    Initialise();
    return ExecuteModale(*this, TPresentation::Centree);
}

void TValiDeg::BitBtn1Click() {
    Resultats.Annule = false;
    auto degre = LitDegre(Octets(Edit1->text()));
    if (degre) {
        Dialogues.Avertit("Priority degree = " + Pourcentage(*degre, Etat.Base.SeparateurDecimal));
        Resultats.Degre = *degre;
        Resultats.DegreAccepte = true;
    } else {
        Dialogues.Avertit("Error: priority degree incorrect");
        Edit1->clear();
        Resultats.DegreAccepte = false;
    }
    // Closed either way: the rules editor shows the dialog again after a
    // refused degree.
    QDialog::accept();
}

void TValiDeg::BitBtn2Click() {
    Resultats.Annule = true;
    QDialog::reject();
}

void TValiDeg::reject() { BitBtn2Click(); }

}  // namespace veridane
