#include "Mod_rul.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/dialogues.h"
#include "core/edition_regles.h"
#include "core/format_nombre.h"
#include "core/proposition.h"
#include "project/etat.h"
#include "ui/Conversion.h"
#include "ui/Modale.h"
#include "ui/ModeleLignes.h"

namespace veridane {

namespace {

const char* const RepousDico =
    "              Select an antecedent for the premise                                     ->";

}  // namespace

TModifRule::TModifRule(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent)
    : QDialog(parent), Etat(etat), Dialogues(dialogues) {
    setObjectName("ModifRule");
    setWindowTitle("Modification of rule");
    setProperty("contexteAide", 23);
    Construit();
    // Enter in a field must not press a button by surprise.
    for (QPushButton* bouton : findChildren<QPushButton*>()) bouton->setAutoDefault(false);
}

void TModifRule::Construit() {
    auto* menu = new QMenuBar(this);
    QAction* fermer = menu->addAction("&Close");
    fermer->setObjectName("Close1");
    connect(fermer, &QAction::triggered, this, &TModifRule::Close1Click);

    ListePremisses = new QListWidget(this);
    ListePremisses->setObjectName("ListePremisses");
    LigneConclusion = new QLineEdit(this);
    LigneConclusion->setObjectName("LigneConclusion");
    LigneConclusion->setReadOnly(true);
    ComboDico = new QComboBox(this);
    ComboDico->setObjectName("ComboDico");
    ModeleDico = ModeleDictionnaire(this, Etat.Base);
    ChoixDuModele(ComboDico, ModeleDico);
    ComboDico->setPlaceholderText(RepousDico);
    ComboDico->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboDico->setMinimumContentsLength(40);
    BoutonAjoutePremisse = new QPushButton("Add premise", this);
    BoutonAjoutePremisse->setObjectName("AddPremBtn");
    BoutonRetirePremisse = new QPushButton("Remove  premise", this);
    BoutonRetirePremisse->setObjectName("RemovePremiseBtn");
    EditDegre = new QLineEdit(this);
    EditDegre->setObjectName("EditDegre");
    EditDegre->setMaximumWidth(120);
    LabelPourcentage = new QLabel(this);
    LabelPourcentage->setObjectName("LabelPourcentage");

    auto* grille = new QGridLayout(this);
    grille->setMenuBar(menu);
    grille->addWidget(new QLabel("Premises:", this), 0, 0, 1, 3);
    grille->addWidget(ListePremisses, 1, 0, 1, 3);
    grille->addWidget(new QLabel("Conclusion:", this), 2, 0, 1, 3);
    grille->addWidget(LigneConclusion, 3, 0, 1, 3);
    grille->addWidget(ComboDico, 4, 0, 1, 3);
    grille->addWidget(BoutonAjoutePremisse, 5, 0);
    grille->addWidget(BoutonRetirePremisse, 5, 1, Qt::AlignLeft);
    auto* degre = new QHBoxLayout;
    degre->addWidget(new QLabel("Priority degree:", this));
    degre->addWidget(EditDegre);
    degre->addWidget(LabelPourcentage);
    degre->addStretch();
    grille->addLayout(degre, 6, 0, 1, 3);
    grille->setRowStretch(1, 1);
    grille->setColumnStretch(2, 1);
    resize(640, 440);

    connect(ComboDico, &QComboBox::currentIndexChanged, this, &TModifRule::ComboDicoChange);
    connect(BoutonAjoutePremisse, &QPushButton::clicked, this, &TModifRule::AddPremClick);
    connect(BoutonRetirePremisse, &QPushButton::clicked, this, &TModifRule::RemovePremiseClick);
    // The degree is read when its edit is finished (Enter, leaving the
    // field, closing the window), not at each key: a half-typed ".7" must
    // not be checked, refused and replaced while the person types.
    connect(EditDegre, &QLineEdit::editingFinished, this, &TModifRule::DegreChange);
}

TRegle& TModifRule::Regle() { return Etat.Base.Regles.at(static_cast<std::size_t>(Index)); }

void TModifRule::Initialise() {
    PremierAffichage = true;
    BoutonAjoutePremisse->setEnabled(false);
    BoutonRetirePremisse->setEnabled(false);
    ListePremisses->clear();
    {
        QSignalBlocker blocage(ComboDico);
        ModeleDico->Remplit(Etat.Base.DicoCree ? static_cast<int>(Etat.Base.Dictionnaire.size()) : 0);
        ComboDico->setCurrentIndex(-1);
    }
    setWindowTitle(Texte("Modification of rule N\xB0" + std::to_string(Index + 1)));
    AfficheLaRegle();
}

int TModifRule::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

void TModifRule::AfficheDegre() {
    const double priorite = Regle().Priorite;
    EditDegre->setText(Texte(FormatGeneral(priorite, ChiffresAffichage, Etat.Base.SeparateurDecimal)));
    LabelPourcentage->setText(Texte(Pourcentage(priorite, Etat.Base.SeparateurDecimal)));
}

void TModifRule::AfficheLaRegle() {
    const TRegle& regle = Regle();
    const char sep = Etat.Base.SeparateurDecimal;
    ListePremisses->clear();
    for (std::size_t i = 0; i < regle.Premisses.size(); ++i)
        ListePremisses->addItem(Texte(LigneProposition(i == 0 ? "If " : "And ", regle.Premisses[i], sep)));
    LigneConclusion->setText(Texte(LigneProposition("Then ", regle.Conclusion, sep)));
    AfficheDegre();
    if (PremierAffichage || PremisseAjoutee) {
        PremierAffichage = false;
        if (PremisseAjoutee) ListePremisses->setCurrentRow(ListePremisses->count() - 1);
        PremisseAjoutee = false;
    }
}

int TModifRule::Presence() const {
    const int index = ComboDico->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= Etat.Base.Dictionnaire.size()) return -3;
    return veridane::Presence(Etat.Base.Regles.at(static_cast<std::size_t>(Index)),
                              Etat.Base.Dictionnaire[static_cast<std::size_t>(index)]);
}

void TModifRule::ComboDicoChange(int index) {
    if (index >= 0) BoutonAjoutePremisse->setEnabled(true);
}

void TModifRule::AddPremClick() {
    const int index = ComboDico->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= Etat.Base.Dictionnaire.size()) return;
    if (AjoutePremisseModif(Regle(), Etat.Base.Dictionnaire[static_cast<std::size_t>(index)], Dialogues)) {
        BoutonRetirePremisse->setEnabled(true);
        PremisseAjoutee = true;
        AfficheLaRegle();
    }
    QSignalBlocker blocage(ComboDico);
    ComboDico->setCurrentIndex(-1);
}

void TModifRule::RemovePremiseClick() {
    const QList<QListWidgetItem*> choisies = ListePremisses->selectedItems();
    if (choisies.isEmpty()) return;
    if (!RetirePremisseModif(Regle(), static_cast<std::size_t>(ListePremisses->row(choisies.front())))) return;
    if (Regle().Premisses.size() == 1) BoutonRetirePremisse->setEnabled(false);
    AfficheLaRegle();
    ListePremisses->clearSelection();
    ListePremisses->setCurrentRow(-1);
}

void TModifRule::DegreChange() {
    if (ChangeDegre(Regle(), Octets(EditDegre->text()))) {
        LabelPourcentage->setText(Texte(Pourcentage(Regle().Priorite, Etat.Base.SeparateurDecimal)));
        return;
    }
    // Any other text gives way to the degree the rule holds.
    AfficheDegre();
}

void TModifRule::Close1Click() {
    DegreChange();
    Etat.Base.ReglesModifiees = true;
    ListePremisses->clearSelection();
    QDialog::accept();
}

void TModifRule::reject() { Close1Click(); }

}  // namespace veridane
