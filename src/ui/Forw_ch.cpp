#include "Forw_ch.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "core/proposition.h"
#include "inference/textes_inference.h"
#include "project/etat.h"
#include "inference/explication.h"
#include "ui/Conversion.h"
#include "ui/Expl_dat.h"
#include "ui/Tree_rea.h"
#include "ui/Modale.h"
#include "ui/ModeleLignes.h"

namespace veridane {

namespace {

// A counter changes its text at every firing: a fixed size keeps each change
// from laying out the whole window again.
QLabel* Compteur(QWidget* parent, const char* nom) {
    auto* etiquette = new QLabel(parent);
    etiquette->setObjectName(nom);
    const QFontMetrics mesures(etiquette->font());
    etiquette->setFixedSize(mesures.horizontalAdvance("Triggered rules: 0000000000 rules") + 8,
                            mesures.height() + 4);
    return etiquette;
}

// A hint "short| long": the short part as tool tip, the long part for the
// status line.
void Indication(QWidget* controle, const std::string& indication) {
    auto barre = indication.find('|');
    controle->setToolTip(Texte(indication.substr(0, barre)));
    controle->setStatusTip(barre == std::string::npos ? QString() : Texte(indication.substr(barre + 1)));
}


// Nanoseconds on a clock read in a few nanoseconds, with a resolution of a
// few milliseconds: the pump looks at it before every rule the engine
// tests, and the precise clock cost as much as testing a small rule.
qint64 InstantGrossier() {
#ifdef CLOCK_MONOTONIC_COARSE
    timespec instant;
    clock_gettime(CLOCK_MONOTONIC_COARSE, &instant);
    return static_cast<qint64>(instant.tv_sec) * 1000000000 + instant.tv_nsec;
#else
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
#endif
}

}  // namespace

TForwChain::TForwChain(TEtatVeridane& etat, IDialogues& dialogues, TMoteur& moteur, QWidget* parent)
    : QDialog(parent), etat_(etat), dialogues_(dialogues), moteur_(moteur) {
    setObjectName("ForwChain");
    setWindowTitle("Forward Chaining");
    setProperty("contexteAide", 32);

    auto* barre = new QMenuBar(this);
    auto* fermer = barre->addAction("&Close");
    fermer->setObjectName("Close1");
    connect(fermer, &QAction::triggered, this, &TForwChain::Close1Click);

    auto* titre = new QLabel("Knowledge Base", this);
    titre->setObjectName("Label1");
    QFont gras = titre->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.3);
    titre->setFont(gras);

    compteurRegles_ = Compteur(this, "NbRules");
    compteurBase_ = Compteur(this, "NbData");
    compteurDeclenchees_ = Compteur(this, "NbTriggered");
    compteurInitiaux_ = Compteur(this, "NbInitial");
    compteurDeduits_ = Compteur(this, "NbDeduced");

    // The lines are written when they are drawn: a run of a million rules
    // keeps only rule numbers and data, not a text per line.
    modeleDeclenchees_ = new TModeleLignes(this, [this](int ligne) {
        return Texte(LigneRegleDeclenchee(numerosDeclenchees_[static_cast<std::size_t>(ligne)]));
    });
    modeleInitiaux_ = new TModeleLignes(this, [this](int ligne) {
        const auto& faits = moteur_.ObservationInference();
        const auto k = static_cast<std::size_t>(ligne);
        return k < faits.size() ? Texte(PropEnChaine(faits[k], etat_.Base.SeparateurDecimal)) : QString();
    });
    // The deduced data are the engine's own: the list only counts them.
    modeleDeduits_ = new TModeleLignes(this, [this](int ligne) {
        const auto& faits = moteur_.FaitsDeduits();
        const auto k = static_cast<std::size_t>(ligne);
        return k < faits.size() ? Texte(PropEnChaine(faits[k], etat_.Base.SeparateurDecimal)) : QString();
    });
    declenchees_ = VueLignes(this, "TriggeredRules", modeleDeclenchees_);
    Indication(declenchees_, "| Select a triggered rule to view it in details");
    initiaux_ = VueLignes(this, "InitialData", modeleInitiaux_);
    deduits_ = VueLignes(this, "DeducedData", modeleDeduits_);
    Indication(deduits_, "| Select a deduced data to view the rule used in details");
    connect(declenchees_, &QListView::clicked, this, &TForwChain::TriggeredRulesClick);
    connect(deduits_, &QListView::clicked, this, &TForwChain::DeducedDataClick);
    connect(initiaux_, &QListView::clicked, this, &TForwChain::InitialDataClick);
    // Enter or a double click on a line shows its rule at once.
    connect(declenchees_, &QListView::activated, this, [this] {
        TriggeredRulesClick();
        ViewRuleClick();
    });
    connect(deduits_, &QListView::activated, this, [this] {
        DeducedDataClick();
        ViewRuleClick();
    });

    stop_ = new QPushButton("Stop Induction", this);
    stop_->setObjectName("StopButton");
    arbre_ = new QPushButton("View tree of reasoning", this);
    arbre_->setObjectName("TreeButton");
    // The keyboard reaches the tree without hunting for the button.
    arbre_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    arbre_->setToolTip("Ctrl+T");
    details_ = new QPushButton("View rule in detail", this);
    details_->setObjectName("RuleButton");
    pourquoi_ = new QPushButton("Why?", this);
    pourquoi_->setObjectName("WhyButton");
    pourquoi_->setToolTip("Why was the selected datum deduced?");
    pourquoiPas_ = new QPushButton("Why not...", this);
    pourquoiPas_->setObjectName("WhyNotButton");
    pourquoiPas_->setToolTip("Why was a proposition not established?");
    connect(pourquoi_, &QPushButton::clicked, this, &TForwChain::WhyClick);
    connect(pourquoiPas_, &QPushButton::clicked, this, &TForwChain::WhyNotClick);
    for (QListView* liste : {declenchees_, deduits_}) {
        liste->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(liste, &QListView::customContextMenuRequested, this,
                [this, liste](const QPoint& position) { MenuExplication(liste, position); });
    }
    for (auto* bouton : {stop_, arbre_, details_, pourquoi_, pourquoiPas_}) bouton->setAutoDefault(false);
    connect(stop_, &QPushButton::clicked, this, &TForwChain::StopClick);
    connect(arbre_, &QPushButton::clicked, this, &TForwChain::ViewTreeClick);
    connect(details_, &QPushButton::clicked, this, &TForwChain::ViewRuleClick);

    auto* statut = new QStatusBar(this);
    statut->setSizeGripEnabled(false);
    texteStatut_ = new QLabel(this);
    texteStatut_->setObjectName("StatusText");
    jauge_ = new QProgressBar(this);
    jauge_->setObjectName("Gauge1");
    jauge_->setTextVisible(false);
    jauge_->setMaximumWidth(320);
    jauge_->setStyleSheet("QProgressBar { border: 1px solid #7a7a7a; background: white; }"
                          "QProgressBar::chunk { background: #1c4fc4; }");
    statut->addWidget(texteStatut_, 1);
    statut->addPermanentWidget(jauge_, 1);

    auto* compteursHaut = new QHBoxLayout;
    compteursHaut->addWidget(compteurRegles_);
    compteursHaut->addSpacing(40);
    compteursHaut->addWidget(compteurBase_);
    compteursHaut->addStretch(1);

    auto* grille = new QGridLayout;
    grille->addWidget(compteurDeclenchees_, 0, 0);
    grille->addWidget(compteurInitiaux_, 0, 1);
    grille->addWidget(compteurDeduits_, 0, 2);
    grille->addWidget(declenchees_, 1, 0);
    grille->addWidget(initiaux_, 1, 1);
    grille->addWidget(deduits_, 1, 2);
    grille->setColumnStretch(0, 2);
    grille->setColumnStretch(1, 3);
    grille->setColumnStretch(2, 3);
    grille->setRowStretch(1, 1);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(stop_);
    boutons->addWidget(arbre_);
    boutons->addWidget(details_);
    boutons->addWidget(pourquoi_);
    boutons->addWidget(pourquoiPas_);
    boutons->addStretch(1);

    auto* disposition = new QVBoxLayout(this);
    disposition->setMenuBar(barre);
    disposition->addWidget(titre);
    disposition->addLayout(compteursHaut);
    disposition->addLayout(grille, 1);
    disposition->addLayout(boutons);
    disposition->addWidget(statut);
    resize(1000, 640);

    jauge_->hide();
    arbre_->hide();
    details_->hide();
    pourquoi_->hide();
    pourquoiPas_->hide();
}

void TForwChain::Initialise() {
    numerosDeclenchees_.clear();
    nbDeclenchees_ = nbDeduits_ = totalFaits_ = 0;
    compteursEnCours_ = false;
    for (TModeleLignes* modele : {modeleDeclenchees_, modeleInitiaux_, modeleDeduits_}) modele->Remplit(0);
    stop_->show();
    arbre_->hide();
    details_->hide();
    pourquoi_->hide();
    pourquoiPas_->hide();
    jauge_->hide();
    finJauge_ = -1;
    Statut("");
    fermerApres_ = false;
}

int TForwChain::Ouvre() {
    Initialise();
    QTimer::singleShot(0, this, &TForwChain::Lance);
    return ExecuteModale(*this, TPresentation::Maximisee);
}

void TForwChain::Lance() {
    if (enCours_) return;
    Initialise();
    moteur_.InitialiseCompteurs(etat_.Base.Regles);
    if (etat_.Faits.BaseFaitsOuverte)
        modeleInitiaux_->Remplit(static_cast<int>(moteur_.ObservationInference().size()));
    EcritCompteurs();
    moteur_.InitialiseRegles(etat_.Base.Regles, etat_.ValeurCritique);
    if (isVisible()) repaint();

    enCours_ = true;
    dernierePeinture_ = derniereEntree_ = -1;
    attentePeinture_ = 0;
    moteur_.Strategie(etat_.Base.Regles, *this);
    enCours_ = false;
    PeintureSuspendue(false);
    if (fermerApres_) QDialog::reject();
}

void TForwChain::EcritCompteurs() {
    const int initiaux = moteur_.NbFaitsInitiaux();
    const int deduits = moteur_.NbFaitsDeduits();
    compteurRegles_->setText(Texte(TexteReglesBase(moteur_.NbRegles())));
    compteurDeclenchees_->setText(Texte(TexteReglesDeclenchees(moteur_.NbReglesDeclenchees())));
    compteurBase_->setText(Texte(TexteBaseFaits(initiaux + deduits)));
    compteurInitiaux_->setText(Texte(TexteFaitsInitiaux(initiaux)));
    compteurDeduits_->setText(Texte(TexteFaitsDeduits(deduits)));
}

void TForwChain::Statut(const std::string& texte) {
    statut_ = Texte(texte);
    texteStatut_->setText(statut_);
}

void TForwChain::DebutNiveau(int niveau) { Statut(TexteNiveauEnCours(niveau)); }

void TForwChain::ProgressionRegle(int indice, int nbRegles) {
    // The gauge is set when the window paints: a progress bar repaints
    // itself at once on every change of value, and this comes twice a rule.
    positionJauge_ = indice;
    finJauge_ = nbRegles - 1;
}

void TForwChain::PeintJauge() {
    if (finJauge_ < 0) return;
    if (jauge_->maximum() != finJauge_) jauge_->setRange(0, std::max(0, finJauge_));
    jauge_->setValue(positionJauge_);
    if (jauge_->isHidden()) jauge_->show();
}

// A firing and a deduction are only noted: the counters and lists show
// them when the window paints or the level ends.
void TForwChain::RegleDeclenchee(int numero, int nbDeclenchees) {
    numerosDeclenchees_.push_back(numero);
    nbDeclenchees_ = nbDeclenchees;
}

void TForwChain::FaitDeduit(const TProposition&, int nbDeduits, int total) {
    nbDeduits_ = nbDeduits;
    totalFaits_ = total;
}

void TForwChain::PublieRun() {
    const int declenchees = static_cast<int>(numerosDeclenchees_.size());
    if (declenchees != modeleDeclenchees_->Nombre()) {
        compteurDeclenchees_->setText(Texte(TexteRegleDeclencheeEnCours(nbDeclenchees_)));
        modeleDeclenchees_->Publie(declenchees);
    }
    const int deduits = static_cast<int>(moteur_.FaitsDeduits().size());
    if (deduits != modeleDeduits_->Nombre()) {
        compteurDeduits_->setText(Texte(TexteFaitsDeduitsEnCours(nbDeduits_)));
        compteurBase_->setText(Texte(TexteBaseFaitsEnCours(totalFaits_)));
        modeleDeduits_->Publie(deduits);
    }
}

void TForwChain::FinNiveau() {
    finJauge_ = -1;
    jauge_->hide();
    PublieRun();
}

void TForwChain::FinInference() {
    PublieRun();
    // The lists end on the run's last lines, as they followed it.
    for (QListView* liste : {declenchees_, deduits_})
        if (!liste->selectionModel()->hasSelection()) liste->scrollToBottom();
    Statut(TexteFinInference);
    stop_->hide();
    arbre_->show();
    // Explanations need the run recorded.
    const bool explicable = TExplDat::Explicable(moteur_);
    pourquoi_->setVisible(explicable);
    pourquoi_->setEnabled(false);  // until a line is chosen
    pourquoiPas_->setVisible(explicable);
}

void TForwChain::PompeEvenements() {
    constexpr qint64 Milliseconde = 1000000;
    const qint64 debut = InstantGrossier();
    const bool peindre = dernierePeinture_ < 0 || debut - dernierePeinture_ >= attentePeinture_;
    // Between two paintings the clicks and keys are still handled, every
    // IntervalleEntree ms; what they change is drawn at the next painting.
    if (!peindre && derniereEntree_ >= 0 && debut - derniereEntree_ < IntervalleEntree * Milliseconde) return;
    QElapsedTimer duree;
    duree.start();
    if (peindre) {
        PeintJauge();
        PublieRun();
        // The lists follow the run unless the user is looking at a line.
        for (QListView* liste : {declenchees_, deduits_})
            if (!liste->selectionModel()->hasSelection()) liste->scrollToBottom();
        PeintureSuspendue(false);
    }
    if (!peindre) {
        // Timers wait for the painting: the lists lay out their lines again
        // on a timer after each addition.
        QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    } else {
        QCoreApplication::processEvents();
        if (enCours_) PeintureSuspendue(true);
    }
    derniereEntree_ = InstantGrossier();
    if (peindre) {
        dernierePeinture_ = derniereEntree_;
        attentePeinture_ = std::max(IntervallePeinture * Milliseconde, PeinturesParRun * duree.nsecsElapsed());
    }
}

void TForwChain::PeintureSuspendue(bool suspendue) {
    if (peintureSuspendue_ == suspendue) return;
    peintureSuspendue_ = suspendue;
    // The controls, not the window itself: a top-level window whose updates
    // were held and given back is not painted again on X11, and the run's
    // result stayed hidden behind the picture of its first level.
    for (QWidget* controle : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!controle->isWindow()) controle->setUpdatesEnabled(!suspendue);
}

void TForwChain::StopClick() { moteur_.StopClick(); }

void TForwChain::ViewTreeClick() {
    if (fenetreArbre_ != nullptr) {
        fenetreArbre_->Ouvre();
        return;
    }
    TTree arbre(etat_, dialogues_, moteur_, this);
    arbre.Ouvre();
}

QListView* TForwChain::ListeSource() const { return sourceDeduits_ ? deduits_ : declenchees_; }

int TForwChain::LigneSource() const { return LigneChoisie(ListeSource()); }

void TForwChain::ViewRuleClick() {
    const int ligne = LigneSource();
    if (ligne < 0) return;
    const auto numero = moteur_.NumeroRegleDuRecord(static_cast<std::size_t>(ligne));
    if (!numero) return;  // its level is still running
    const TRegle& regle = etat_.Base.Regles.at(static_cast<std::size_t>(*numero - 1));
    MontreDetails(TitreDetailsRegle, AfficheRegle(regle, *numero, etat_.Base.SeparateurDecimal));
}

void TForwChain::TriggeredRulesClick() {
    details_->show();
    pourquoi_->setEnabled(true);
    sourceDeduits_ = false;
}

void TForwChain::DeducedDataClick() {
    details_->show();
    pourquoi_->setEnabled(true);
    sourceDeduits_ = true;
}

void TForwChain::InitialDataClick() {
    details_->hide();
    pourquoi_->setEnabled(false);
}

void TForwChain::Close1Click() { reject(); }

void TForwChain::reject() {
    if (enCours_) {
        // The run is inside this window's handler: stop it and close when
        // it has returned.
        fermerApres_ = true;
        moteur_.StopClick();
        return;
    }
    QDialog::reject();
}

bool TForwChain::event(QEvent* evenement) {
    if (evenement->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(evenement)->tip();
        texteStatut_->setText(tip.isEmpty() ? statut_ : tip);
        return true;
    }
    return QDialog::event(evenement);
}

void TForwChain::mousePressEvent(QMouseEvent* evenement) {
    InitialDataClick();
    QDialog::mousePressEvent(evenement);
}

void TForwChain::WhyClick() {
    if (enCours_) return;
    const int ligne = LigneSource();
    if (ligne < 0) return;
    // The k-th triggered rule line and the k-th deduced datum are both the
    // k-th record.
    if (auto origine = OrigineDuRecord(moteur_, static_cast<std::size_t>(ligne)))
        TExplDat::OuvrePourquoi(etat_, dialogues_, moteur_, *origine, this);
}

void TForwChain::WhyNotClick() {
    if (enCours_) return;
    TExplDat::OuvrePourquoiPas(etat_, dialogues_, moteur_, this);
}

void TForwChain::MenuExplication(QListView* liste, const QPoint& position) {
    if (enCours_ || !TExplDat::Explicable(moteur_)) return;
    const QModelIndex element = liste->indexAt(position);
    if (element.isValid()) {
        liste->selectionModel()->setCurrentIndex(element, QItemSelectionModel::ClearAndSelect);
        if (liste == deduits_) DeducedDataClick();
        else TriggeredRulesClick();
    }
    QMenu menu(this);
    auto* pourquoi = menu.addAction("Why?", this, &TForwChain::WhyClick);
    pourquoi->setEnabled(LigneChoisie(liste) >= 0);
    menu.addAction("Why not...", this, &TForwChain::WhyNotClick);
    menu.exec(liste->viewport()->mapToGlobal(position));
}

void TForwChain::MontreDetails(const std::string& titre, const std::string& texte) {
    // The box is modal: let the window paint behind it even mid-run.
    const bool suspendue = peintureSuspendue_;
    PeintureSuspendue(false);
    QString lignes = Texte(texte);
    lignes.replace("\r\n", "\n");
    QMessageBox boite(QMessageBox::NoIcon, Texte(titre), lignes, QMessageBox::Ok, this);
    boite.exec();
    PeintureSuspendue(suspendue);
}

}  // namespace veridane
