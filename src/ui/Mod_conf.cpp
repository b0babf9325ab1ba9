#include "Mod_conf.h"

#include "inference/textes_inference.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/dialogues.h"
#include "core/format_nombre.h"
#include "inference/parametres.h"
#include "project/etat.h"
#include "ui/Conversion.h"
#include "ui/Modale.h"
#include "ui/Swe_crit.h"

namespace veridane {

TModiConf::TModiConf(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent)
    : QDialog(parent), etat_(etat), dialogues_(dialogues) {
    setObjectName("ModiConf");
    setProperty("contexteAide", 34);
    // The dialog has no title of its own.
    setWindowTitle(" ");

    auto* texte1 = new QLabel("Enter the critical value of the confidence degree", this);
    auto* texte2 = new QLabel("belonging to [0 = worst ; 1 = best] :", this);
    champ_ = new QLineEdit(this);
    champ_->setObjectName("Edit1");
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("BitBtn1");
    ok_->setDefault(true);
    annuler_ = new QPushButton("Cancel", this);
    annuler_->setObjectName("BitBtn2");
    auto* aide = new QLabel("Press [F1] to get Help context", this);

    auto* boutons = new QDialogButtonBox(this);
    boutons->addButton(ok_, QDialogButtonBox::AcceptRole);
    boutons->addButton(annuler_, QDialogButtonBox::RejectRole);
    balayage_ = new QPushButton("Sweep...", this);
    balayage_->setObjectName("BoutonBalayage");
    balayage_->setToolTip("What each critical value does to the deduced data");
    balayage_->setAutoDefault(false);
    // On the left of the row, apart from OK and Cancel.
    auto* rangee = new QHBoxLayout;
    rangee->addWidget(balayage_);
    rangee->addStretch(1);
    rangee->addWidget(boutons);

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(texte1);
    disposition->addWidget(texte2);
    disposition->addWidget(champ_);
    disposition->addSpacing(8);
    disposition->addLayout(rangee);
    disposition->addWidget(aide);
    disposition->setSizeConstraint(QLayout::SetFixedSize);

    // The buttons call the handlers directly: the dialog box roles would
    // close the dialog even when the value is refused.
    connect(ok_, &QPushButton::clicked, this, &TModiConf::BitBtn1Click);
    connect(annuler_, &QPushButton::clicked, this, &TModiConf::BitBtn2Click);
    connect(balayage_, &QPushButton::clicked, this, &TModiConf::BalayageClick);
}

void TModiConf::Initialise() {
    champ_->clear();
    champ_->setFocus();
}

int TModiConf::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

void TModiConf::BitBtn1Click() {
    auto valeur = LitDegre(Octets(champ_->text()));
    if (!valeur) {
        dialogues_.Avertit(MessageValeurCritiqueIncorrecte);
        champ_->clear();
        champ_->setFocus();
        return;
    }
    dialogues_.Avertit("Critical value of priority degree = " +
                       FormatGeneral(*valeur * 100.0, ChiffresAffichage, etat_.Base.SeparateurDecimal) + "%");
    etat_.ValeurCritique = *valeur;
    accept();
}

void TModiConf::BitBtn2Click() { reject(); }

void TModiConf::BalayageClick() {
    // The value typed so far, when it is one, else the value in force.
    const double courante = LitDegre(Octets(champ_->text())).value_or(etat_.ValeurCritique);
    TBalayageCritique balayage(etat_, this);
    balayage.Ouvre(courante);
    if (auto valeur = balayage.ValeurChoisie())
        champ_->setText(Texte(FormatGeneral(*valeur, ChiffresAffichage, etat_.Base.SeparateurDecimal)));
    champ_->setFocus();
}

}  // namespace veridane
