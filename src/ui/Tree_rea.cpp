#include "Tree_rea.h"

#include <QAction>
#include <QIcon>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/dialogues.h"
#include "inference/moteur.h"
#include "project/etat.h"
#include "ui/Conversion.h"
#include "ui/Modale.h"

namespace veridane {

namespace {

QPlainTextEdit* Zone(QWidget* parent, const char* nom) {
    auto* zone = new QPlainTextEdit(parent);
    zone->setObjectName(nom);
    zone->setReadOnly(true);
    zone->setLineWrapMode(QPlainTextEdit::NoWrap);
    return zone;
}

void Remplit(QPlainTextEdit* zone, const std::vector<std::string>& lignes) {
    QString texte;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (i > 0) texte += '\n';
        texte += Texte(lignes[i]);
    }
    zone->setPlainText(texte);
}

}  // namespace

TTree::TTree(TEtatVeridane& etat, IDialogues& dialogues, const TMoteur& moteur, QWidget* parent)
    : QDialog(parent), etat_(etat), dialogues_(dialogues), moteur_(moteur) {
    setObjectName("Tree");
    setWindowTitle("Tree of reasoning");
    choisit_ = [this] { return ChoisitImprimante(dialogues_, ImprimanteDisponible()); };

    auto* barre = new QMenuBar(this);
    auto* imprimer = barre->addAction("&Print");
    imprimer->setObjectName("Print1");
    imprimer->setShortcut(QKeySequence::Print);
    connect(imprimer, &QAction::triggered, this, &TTree::Print1Click);
    auto* fermer = barre->addAction("&Close");
    fermer->setObjectName("Close1");
    connect(fermer, &QAction::triggered, this, &TTree::Close1Click);

    auto* outils = new QToolBar(this);
    outils->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    outils->setIconSize(QSize(24, 24));
    auto* sortie = outils->addAction(QIcon(":/icons/exit.svg"), "Exit");
    sortie->setObjectName("SpeedButton2");
    connect(sortie, &QAction::triggered, this, &TTree::Close1Click);
    auto* impression = outils->addAction(QIcon(":/icons/print.svg"), "Print");
    impression->setObjectName("SpeedButton1");
    impression->setToolTip("Print");
    connect(impression, &QAction::triggered, this, &TTree::Print1Click);

    niveau0_ = Zone(this, "Memo1");
    niveaux_ = Zone(this, "Memo2");

    auto* disposition = new QVBoxLayout(this);
    disposition->setMenuBar(barre);
    disposition->addWidget(outils);
    disposition->addWidget(niveau0_, 1);
    disposition->addWidget(niveaux_, 3);
    resize(900, 640);
}

void TTree::Initialise() {
    const char separateur = etat_.Base.SeparateurDecimal;
    Remplit(niveau0_, LignesNiveauZero(moteur_.ObservationInference(), etat_.Faits.BaseFaitsOuverte, separateur));
    Remplit(niveaux_, LignesNiveaux(moteur_.Raisonnement(), etat_.Base.Regles, separateur));
}

int TTree::Ouvre() {
    Initialise();
    return ExecuteModale(*this, TPresentation::Maximisee);
}

void TTree::Print1Click() {
    if (dialogues_.Message(TGenreMessage::Information, QuestionImpression, TBoutons::OuiNon) != TReponse::Oui) return;
    auto imprimante = choisit_();
    if (!imprimante) return;
    // A file that could not be written is named in the warning.
    const std::string destination = imprimante->Destination();
    const std::string echec = MessageNonImprime + (destination.empty() ? "" : " in the file " + destination);
    if (!imprimante->Commence()) {
        dialogues_.Avertit(echec);
        return;
    }
    ImprimeLignes(*imprimante, LignesImpression(etat_.Projet.NomProjet, moteur_.NumObservationInference(),
                                                moteur_.Raisonnement(), etat_.Base.Regles,
                                                etat_.Base.SeparateurDecimal));
    if (!imprimante->Termine()) {
        dialogues_.Avertit(echec);
        return;
    }
    dialogues_.Informe(destination.empty() ? std::string(MessageImprime) : MessageImprimeDans + destination);
}

void TTree::Close1Click() { accept(); }

}  // namespace veridane
