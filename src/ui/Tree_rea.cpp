#include "Tree_rea.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/dialogues.h"
#include "inference/moteur.h"
#include "project/etat.h"
#include "ui/Conversion.h"
#include "ui/Expl_dat.h"
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
    // Its own help page, not the one of the window that opened it.
    setProperty("contexteAide", 100);
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

    pourquoi_ = outils->addAction("Why?");
    pourquoi_->setObjectName("WhyButton");
    pourquoi_->setToolTip("Why is the datum of the line under the cursor known?");
    connect(pourquoi_, &QAction::triggered, this, &TTree::WhyClick);
    pourquoiPas_ = outils->addAction("Why not...");
    pourquoiPas_->setObjectName("WhyNotButton");
    pourquoiPas_->setToolTip("Why was a proposition not established?");
    connect(pourquoiPas_, &QAction::triggered, this, &TTree::WhyNotClick);

    niveau0_ = Zone(this, "Memo1");
    niveaux_ = Zone(this, "Memo2");
    for (QPlainTextEdit* zone : {niveau0_, niveaux_}) {
        zone->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(zone, &QPlainTextEdit::customContextMenuRequested, this,
                [this, zone](const QPoint& position) { MenuExplication(zone, position); });
        connect(zone, &QPlainTextEdit::cursorPositionChanged, this, [this, zone] { zoneCourante_ = zone; });
    }

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
    // The lower area's lines, as LignesNiveaux writes them: "Level L", then
    // one line per record of the level.
    originesNiveaux_.clear();
    const auto lignes = LignesNiveaux(moteur_.Raisonnement(), etat_.Base.Regles, separateur);
    for (std::size_t l = 0; originesNiveaux_.size() < lignes.size(); ++l) {
        originesNiveaux_.emplace_back();
        const auto& records = moteur_.Raisonnement()[l].ReglesDeclenchees;
        for (std::size_t r = 0; r < records.size(); ++r)
            originesNiveaux_.push_back(
                TOrigine{false, 0, static_cast<int>(l) + 1, records[r].Numero, static_cast<int>(r)});
    }
    zoneCourante_ = nullptr;
    const bool explicable = TExplDat::Explicable(moteur_);
    pourquoi_->setEnabled(explicable);
    pourquoiPas_->setEnabled(explicable);
}

std::optional<TOrigine> TTree::OrigineLigne(QPlainTextEdit* zone, int ligne) const {
    if (zone == niveaux_) {
        if (ligne < 0 || static_cast<std::size_t>(ligne) >= originesNiveaux_.size()) return std::nullopt;
        return originesNiveaux_[static_cast<std::size_t>(ligne)];
    }
    // The upper area: "Level 0", then the observation's data in order.
    if (zone == niveau0_ && etat_.Faits.BaseFaitsOuverte && ligne >= 1 &&
        static_cast<std::size_t>(ligne) <= moteur_.ObservationInference().size())
        return TOrigine{true, ligne, 0, 0, 0};
    return std::nullopt;
}

void TTree::WhyClick() {
    if (!zoneCourante_) return;
    if (auto origine = OrigineLigne(zoneCourante_, zoneCourante_->textCursor().blockNumber()))
        TExplDat::OuvrePourquoi(etat_, dialogues_, moteur_, *origine, this);
}

void TTree::WhyNotClick() { TExplDat::OuvrePourquoiPas(etat_, dialogues_, moteur_, this); }

void TTree::MenuExplication(QPlainTextEdit* zone, const QPoint& position) {
    // A right click explains the line under the mouse.
    zone->setTextCursor(zone->cursorForPosition(position));
    zoneCourante_ = zone;
    std::unique_ptr<QMenu> menu(zone->createStandardContextMenu(position));
    menu->addSeparator();
    auto* pourquoi = menu->addAction("Why?", this, &TTree::WhyClick);
    pourquoi->setEnabled(pourquoi_->isEnabled() && OrigineLigne(zone, zone->textCursor().blockNumber()));
    auto* pourquoiPas = menu->addAction("Why not...", this, &TTree::WhyNotClick);
    pourquoiPas->setEnabled(pourquoiPas_->isEnabled());
    menu->exec(zone->viewport()->mapToGlobal(position));
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
