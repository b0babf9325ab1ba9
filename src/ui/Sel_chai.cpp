#include "Sel_chai.h"

#include "inference/textes_inference.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/dialogues.h"
#include "core/proposition.h"
#include "inference/moteur.h"
#include "project/etat.h"
#include "ui/Conversion.h"
#include "ui/Forw_ch.h"
#include "ui/Modale.h"
#include "ui/ModeleLignes.h"

namespace veridane {

namespace {

// "n°" in the Windows-1252 bytes of the model.
const std::string NumeroObservation = "Observation n\xB0";

QAction* Element(QMenuBar* barre, const QString& texte, const QString& nom, QKeySequence raccourci = {}) {
    auto* action = barre->addAction(texte);
    action->setObjectName(nom);
    if (!raccourci.isEmpty()) action->setShortcut(raccourci);
    return action;
}

}  // namespace

TSelChain::TSelChain(TEtatVeridane& etat, IDialogues& dialogues, TMoteur& moteur, QWidget* parent)
    : QDialog(parent), etat_(etat), dialogues_(dialogues), moteur_(moteur) {
    setObjectName("SelChain");
    setProperty("contexteAide", 32);
    setWindowTitle("Select an observation for the inference");

    auto* barre = new QMenuBar(this);
    connect(Element(barre, "&Close", "Close1"), &QAction::triggered, this, &TSelChain::Close1Click);
    connect(Element(barre, "&Select", "Select1", QKeySequence(Qt::CTRL | Qt::Key_Return)), &QAction::triggered,
            this, &TSelChain::BitBtn1Click);
    connect(Element(barre, "&First", "First1", QKeySequence(Qt::CTRL | Qt::Key_Home)), &QAction::triggered, this,
            &TSelChain::First1Click);
    connect(Element(barre, "&Last", "Last1", QKeySequence(Qt::CTRL | Qt::Key_End)), &QAction::triggered, this,
            &TSelChain::Last1Click);
    connect(Element(barre, "&Next", "Next1", QKeySequence(Qt::CTRL | Qt::Key_Right)), &QAction::triggered, this,
            &TSelChain::Next1Click);
    connect(Element(barre, "&Previous", "Previous1", QKeySequence(Qt::CTRL | Qt::Key_Left)), &QAction::triggered,
            this, &TSelChain::Previous1Click);

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    QPixmap dessin(":/pictures/observation.svg");
    if (!dessin.isNull()) image->setPixmap(dessin.scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    choisir_ = new QPushButton("Select observation", this);
    choisir_->setObjectName("BitBtn1");
    connect(choisir_, &QPushButton::clicked, this, &TSelChain::BitBtn1Click);

    position_ = new QLabel(Texte(NumeroObservation + "1"), this);
    position_->setObjectName("Label1");
    QFont gras = position_->font();
    gras.setBold(true);
    position_->setFont(gras);

    defilement_ = new QScrollBar(Qt::Horizontal, this);
    defilement_->setObjectName("ScrollBar1");
    defilement_->setRange(1, 1);
    defilement_->setSingleStep(1);
    defilement_->setPageStep(1);
    defilement_->setValue(1);
    connect(defilement_, &QScrollBar::valueChanged, this, &TSelChain::ScrollBar1Change);

    modeleDonnees_ = new TModeleObservation(this, etat_.Base, etat_.Faits.Observations);
    donnees_ = VueLignes(this, "ListBox1", modeleDonnees_);
    connect(donnees_, &QListView::clicked, this, &TSelChain::ListBox1Click);

    auto* haut = new QHBoxLayout;
    haut->addWidget(image);
    auto* colonne = new QVBoxLayout;
    colonne->addWidget(position_);
    colonne->addWidget(defilement_);
    haut->addLayout(colonne, 1);
    haut->addWidget(choisir_);

    auto* disposition = new QVBoxLayout(this);
    disposition->setMenuBar(barre);
    disposition->addLayout(haut);
    disposition->addWidget(donnees_, 1);
    resize(800, 560);
}

int TSelChain::NbObservations() const { return static_cast<int>(etat_.Faits.Observations.size()); }

int TSelChain::Position() const { return defilement_->value(); }

void TSelChain::Initialise() {
    terminee_ = false;
    if (NbObservations() == 1) {
        // A single observation needs no choice, and no emptiness check.
        moteur_.ChoisitObservation(etat_.Faits.Observations.front(), 0);
        OuvreChainage();
        terminee_ = true;
        done(QDialog::Accepted);
        return;
    }
    const QSignalBlocker bloque(defilement_);
    defilement_->setRange(1, std::max(1, NbObservations()));
    defilement_->setValue(etat_.Faits.NumObservation + 1);
    Redisplay();
}

int TSelChain::Ouvre() {
    Initialise();
    if (terminee_) return QDialog::Accepted;
    return ExecuteModale(*this, TPresentation::Maximisee);
}

void TSelChain::Redisplay() {
    // Always the data base as it is now: a project opened without its data
    // base has no observation, shown as an empty first one, never as the
    // observation an earlier project left here.
    int k = Position();
    static const TObservation aucune;
    const TObservation& observation =
        k >= 1 && k <= NbObservations() ? etat_.Faits.Observations[static_cast<std::size_t>(k - 1)] : aucune;
    std::string texte = NumeroObservation + std::to_string(k);
    if (observation.empty())
        texte += " is empty";
    else
        texte += ": " + std::to_string(observation.size()) + " data";
    position_->setText(Texte(texte));

    if (k >= 1 && k <= NbObservations())
        modeleDonnees_->Montre(k - 1);
    else
        modeleDonnees_->MontreVide();
}

void TSelChain::ScrollBar1Change() { Redisplay(); }

void TSelChain::First1Click() { defilement_->setValue(1); }

void TSelChain::Last1Click() { defilement_->setValue(std::max(1, NbObservations())); }

void TSelChain::Next1Click() {
    if (Position() < NbObservations()) defilement_->setValue(Position() + 1);
}

void TSelChain::Previous1Click() {
    if (Position() > 1) defilement_->setValue(Position() - 1);
}

void TSelChain::ListBox1Click() { donnees_->clearSelection(); }

void TSelChain::BitBtn1Click() { Choisit(Position()); }

void TSelChain::Choisit(int numero) {
    if (numero < 1 || numero > NbObservations() || etat_.Faits.Observations[static_cast<std::size_t>(numero - 1)].empty()) {
        dialogues_.Avertit(MessageObservationVide(numero));
        return;
    }
    const TObservation& observation = etat_.Faits.Observations[static_cast<std::size_t>(numero - 1)];
    moteur_.ChoisitObservation(observation, numero - 1);
    dialogues_.Informe("Observation " + std::to_string(numero) + " containing " +
                       std::to_string(observation.size()) + " data" + " is used for inference ");
    OuvreChainage();
    terminee_ = true;
    accept();
}

void TSelChain::Close1Click() { reject(); }

void TSelChain::OuvreChainage() {
    if (chainage_ != nullptr) {
        chainage_->Ouvre();
        return;
    }
    TForwChain chainage(etat_, dialogues_, moteur_, this);
    chainage.Ouvre();
}

}  // namespace veridane
