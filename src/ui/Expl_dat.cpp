#include "Expl_dat.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/proposition.h"
#include "inference/moteur.h"
#include "inference/textes_explication.h"
#include "project/etat.h"
#include "ui/Ask_prop.h"
#include "ui/Conversion.h"
#include "ui/Modale.h"
#include "ui/View_rul.h"

namespace veridane {

namespace {

// The rule a line names, for the double click.
constexpr int RoleRegle = Qt::UserRole;
// Beyond this many lines only the first steps are unfolded.
constexpr int LignesDepliees = 400;

QTreeWidgetItem* Ligne(QTreeWidgetItem* parent, const std::string& texte, int regle = 0) {
    auto* element = new QTreeWidgetItem(parent, QStringList{Texte(texte)});
    element->setData(0, RoleRegle, regle);
    if (regle > 0) element->setToolTip(0, "Double-click to view rule " + QString::number(regle));
    return element;
}

int Compte(QTreeWidgetItem* element) {
    int n = 1;
    for (int i = 0; i < element->childCount(); ++i) n += Compte(element->child(i));
    return n;
}

}  // namespace

TExplDat::TExplDat(TEtatVeridane& etat, IDialogues& dialogues, const TMoteur& moteur, QWidget* parent)
    : QDialog(parent), etat_(etat), dialogues_(dialogues), moteur_(moteur) {
    setObjectName("ExplDat");
    setWindowTitle("Explanation");
    setProperty("contexteAide", 110);

    auto* barre = new QMenuBar(this);
    auto* fermer = barre->addAction("&Close");
    fermer->setObjectName("Close1");
    connect(fermer, &QAction::triggered, this, &TExplDat::accept);

    entete_ = new QLabel(this);
    entete_->setObjectName("Heading");
    entete_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    arbre_ = new QTreeWidget(this);
    arbre_->setObjectName("ExplanationTree");
    arbre_->setHeaderHidden(true);
    arbre_->setUniformRowHeights(true);
    arbre_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    arbre_->header()->setStretchLastSection(false);
    // A double click (or Enter) on a line opens its rule; the arrows and
    // the branch marks unfold the lines.
    arbre_->setExpandsOnDoubleClick(false);
    connect(arbre_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* element) { DoubleClic(element); });
    auto* aide = new QLabel("Double-click a line that names a rule to view the rule.", this);

    auto* disposition = new QVBoxLayout(this);
    disposition->setMenuBar(barre);
    disposition->addWidget(entete_);
    disposition->addWidget(arbre_, 1);
    disposition->addWidget(aide);
    resize(900, 600);
}

bool TExplDat::Explicable(const TMoteur& moteur) { return moteur.Enregistreur() != nullptr && !moteur.Raisonnement().empty(); }

void TExplDat::OuvrePourquoi(TEtatVeridane& etat, IDialogues& dialogues, const TMoteur& moteur,
                             const TOrigine& origine, QWidget* parent) {
    if (!Explicable(moteur)) return;
    TExplDat fenetre(etat, dialogues, moteur, parent);
    fenetre.MontrePourquoi(origine);
    fenetre.Ouvre();
}

void TExplDat::OuvrePourquoiPas(TEtatVeridane& etat, IDialogues& dialogues, const TMoteur& moteur,
                                QWidget* parent) {
    if (!Explicable(moteur)) return;
    TAskProp question(etat.Base.Dictionnaire, etat.Base.SeparateurDecimal, dialogues, parent);
    if (ExecuteModale(question, TPresentation::Centree) != QDialog::Accepted || !question.Proposition()) return;
    TExplDat fenetre(etat, dialogues, moteur, parent);
    fenetre.MontrePourquoiPas(*question.Proposition());
    fenetre.Ouvre();
}

int TExplDat::Ouvre() { return ExecuteModale(*this); }

void TExplDat::MontrePourquoi(const TOrigine& origine) {
    arbre_->clear();
    const TExplication explication(moteur_, etat_.Base.Regles, *moteur_.Enregistreur());
    const auto arbre = explication.Pourquoi(origine);
    const char separateur = etat_.Base.SeparateurDecimal;
    entete_->setText("Observation " + QString::number(moteur_.NumObservationInference() + 1) + ": why " +
                     Texte(PropEnChaine(arbre.Fait, separateur)) + "?");
    AjouteNoeud(arbre_->invisibleRootItem(), arbre);
    if (auto faible = RegleLaPlusFaible(arbre))
        Ligne(arbre_->invisibleRootItem(), LigneRegleLaPlusFaible(faible->first, faible->second, separateur),
              faible->first);
    Deplie();
}

void TExplDat::MontrePourquoiPas(const TProposition& fait) {
    arbre_->clear();
    const TExplication explication(moteur_, etat_.Base.Regles, *moteur_.Enregistreur());
    if (const auto origine = explication.Trouve(fait)) {
        // It was established after all: say how.
        MontrePourquoi(*origine);
        return;
    }
    const char separateur = etat_.Base.SeparateurDecimal;
    const int numero = moteur_.NumObservationInference() + 1;
    entete_->setText("Observation " + QString::number(numero) + ": why not " +
                     Texte(PropEnChaine(fait, separateur)) + "?");
    auto* racine = Ligne(arbre_->invisibleRootItem(), LigneNonEtabli(fait, numero, separateur));
    AjouteExplication(racine, explication.PourquoiPas(fait, Profondeur, etat_.Base.Dictionnaire));
    Deplie();
}

QTreeWidgetItem* TExplDat::AjouteNoeud(QTreeWidgetItem* parent, const TNoeudPourquoi& noeud) {
    const char separateur = etat_.Base.SeparateurDecimal;
    auto* element = Ligne(parent, LigneFaitExplique(noeud, separateur), noeud.Origine.Regle);
    for (const auto& appui : noeud.Appuis)
        AjouteNoeud(Ligne(element, LigneAppui(appui, separateur)), appui);
    return element;
}

void TExplDat::AjouteExplication(QTreeWidgetItem* parent, const TPourquoiPas& explication) {
    const char separateur = etat_.Base.SeparateurDecimal;
    const int numero = moteur_.NumObservationInference() + 1;
    for (const auto& ligne : LignesSansCandidat(explication, numero, separateur))
        Ligne(parent, ligne, explication.Etabli ? explication.Etabli->Regle : 0);
    for (const auto& candidat : explication.Candidats) {
        auto* element = Ligne(parent, LigneCandidat(candidat, etat_.ValeurCritique, separateur), candidat.Regle);
        for (const auto& premisse : candidat.NonSatisfaites) {
            auto* ligne = Ligne(element, LigneNonSatisfaite(premisse, separateur));
            if (premisse.Coupure != TCoupure::Aucune) Ligne(ligne, TexteCoupure(premisse.Coupure));
            for (const auto& suite : premisse.Suite) AjouteExplication(ligne, suite);
        }
    }
}

void TExplDat::Deplie() {
    int lignes = 0;
    for (int i = 0; i < arbre_->topLevelItemCount(); ++i) lignes += Compte(arbre_->topLevelItem(i));
    if (lignes <= LignesDepliees) arbre_->expandAll();
    else arbre_->expandToDepth(2);
    if (arbre_->topLevelItemCount() > 0) arbre_->setCurrentItem(arbre_->topLevelItem(0));
}

void TExplDat::DoubleClic(QTreeWidgetItem* element) {
    const int regle = element ? element->data(0, RoleRegle).toInt() : 0;
    if (regle <= 0 || regle > static_cast<int>(etat_.Base.Regles.size())) return;
    TViewRul visionneuse(etat_, dialogues_, this);
    visionneuse.Initialise();
    // Through its scroll bar, so the bar stands at the rule shown.
    if (auto* barre = visionneuse.findChild<QScrollBar*>("ScrollBar1")) barre->setValue(regle - 1);
    ExecuteModale(visionneuse);
}

}  // namespace veridane
