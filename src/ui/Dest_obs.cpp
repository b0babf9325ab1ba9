#include "Dest_obs.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "Conversion.h"
#include "core/proposition.h"
#include "ui/Modale.h"

namespace veridane {

TDestroyObs::TDestroyObs(TEtatVeridane& etat, IDialogues&, TCycleProjet& cycle, QWidget* parent)
    : QDialog(parent), Etat(etat), Cycle(cycle) {
    setObjectName("DestroyObs");
    setWindowTitle("Observations Eraser");
    setProperty("contexteAide", 28);

    auto* menus = new QMenuBar(this);
    struct {
        const char* nom;
        const char* texte;
        void (TDestroyObs::*action)();
    } const entrees[] = {{"Close1", "&Close", &TDestroyObs::Close1Click},
                         {"Removeobservation1", "&Remove observation", &TDestroyObs::Button1Click},
                         {"First1", "&First", &TDestroyObs::First1Click},
                         {"Last1", "&Last", &TDestroyObs::Last1Click},
                         {"Next1", "&Next", &TDestroyObs::Next1Click},
                         {"Previous1", "&Previous", &TDestroyObs::Previous1Click}};
    for (const auto& entree : entrees) {
        QAction* action = menus->addAction(entree.texte);
        action->setObjectName(entree.nom);
        connect(action, &QAction::triggered, this, entree.action);
    }

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(QIcon(":/pictures/trash.svg").pixmap(64, 64));

    Label1 = new QLabel(QString::fromUtf8("Observation n°1"), this);
    Label1->setObjectName("Label1");
    QFont gras = Label1->font();
    gras.setBold(true);
    Label1->setFont(gras);

    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName("ScrollBar1");
    ScrollBar1->setRange(1, 1);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(1);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TDestroyObs::Affiche);

    DonneesObservation = new TModeleObservation(this, Etat.Base, Etat.Faits.Observations);
    ListBox1 = VueLignes(this, "ListBox1", DonneesObservation);

    auto* supprimer = new QPushButton("Remove observation", this);
    supprimer->setObjectName("Button1");
    supprimer->setAutoDefault(false);
    connect(supprimer, &QPushButton::clicked, this, &TDestroyObs::Button1Click);

    auto* haut = new QHBoxLayout;
    haut->addWidget(image);
    auto* titre = new QVBoxLayout;
    titre->addWidget(Label1);
    titre->addWidget(ScrollBar1);
    haut->addLayout(titre, 1);

    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(supprimer);

    auto* colonne = new QVBoxLayout(this);
    colonne->setMenuBar(menus);
    colonne->addLayout(haut);
    colonne->addWidget(ListBox1, 1);
    colonne->addLayout(bas);
    resize(720, 480);
}

int TDestroyObs::Position() const { return ScrollBar1->value(); }

void TDestroyObs::MetLesBornes() {
    int nombre = static_cast<int>(Etat.Faits.Observations.size());
    ScrollBar1->setRange(1, nombre > 0 ? nombre : 1);
    setWindowTitle(QString("Observations Eraser: %1 observations").arg(nombre));
}

void TDestroyObs::Initialise() {
    QSignalBlocker bloque(ScrollBar1);
    MetLesBornes();
    if (Etat.Faits.BaseFaitsOuverte) ScrollBar1->setValue(Etat.Faits.NumObservation + 1);
    Affiche();
}

int TDestroyObs::Ouvre() {
    Initialise();
    return ExecuteModale(*this, TPresentation::Maximisee);
}

void TDestroyObs::Affiche() {
    DonneesObservation->Montre(-1);
    int p = Position();
    const auto& observations = Etat.Faits.Observations;
    if (p < 1 || p > static_cast<int>(observations.size())) {
        Label1->setText(QString::fromUtf8("Observation n°%1").arg(p));
        return;
    }
    const TObservation& observation = observations[static_cast<std::size_t>(p - 1)];
    if (observation.empty()) {
        Label1->setText(QString::fromUtf8("Observation n°%1 is empty").arg(p));
        DonneesObservation->Montre(p - 1);
        return;
    }
    Label1->setText(QString::fromUtf8("Observation n°%1: %2 data").arg(p).arg(observation.size()));
    DonneesObservation->Montre(p - 1);
}

void TDestroyObs::Button1Click() {
    if (Etat.Faits.Observations.empty()) return;
    if (Cycle.Supprime(Position()) == TApresSuppression::Ferme) {
        emit BaseChangee();
        accept();
        return;
    }
    {
        QSignalBlocker bloque(ScrollBar1);
        MetLesBornes();
    }
    emit BaseChangee();
    Affiche();
}

void TDestroyObs::First1Click() { ScrollBar1->setValue(1); Affiche(); }

void TDestroyObs::Last1Click() { ScrollBar1->setValue(ScrollBar1->maximum()); Affiche(); }

void TDestroyObs::Next1Click() {
    if (Position() < ScrollBar1->maximum()) ScrollBar1->setValue(Position() + 1);
    Affiche();
}

void TDestroyObs::Previous1Click() {
    if (Position() > 1) ScrollBar1->setValue(Position() - 1);
    Affiche();
}

void TDestroyObs::Close1Click() {
    Etat.Faits.NbFaits = Etat.Faits.CompteFaits();
    if (Etat.Faits.NbFaits == 0) Etat.Commandes.PlusAucuneDonnee();
    accept();
}

}  // namespace veridane
