#include "ui/Visionneuse.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/Conversion.h"

namespace veridane {

namespace {

QAction* Commande(QMenuBar* menu, const char* legende, const char* nom) {
    QAction* action = menu->addAction(legende);
    action->setObjectName(nom);
    return action;
}

}  // namespace

TVisionneuse::TVisionneuse(QWidget* parent) : QDialog(parent) {
    auto* menu = new QMenuBar(this);
    connect(Commande(menu, "&Close", "Close1"), &QAction::triggered, this, &TVisionneuse::Close1Click);
    connect(Commande(menu, "&First", "First1"), &QAction::triggered, this, &TVisionneuse::First1Click);
    connect(Commande(menu, "&Last", "Last1"), &QAction::triggered, this, &TVisionneuse::Last1Click);
    connect(Commande(menu, "&Next", "Next1"), &QAction::triggered, this, &TVisionneuse::Next1Click);
    connect(Commande(menu, "&Previous", "Previous1"), &QAction::triggered, this, &TVisionneuse::Previous1Click);

    LabelPosition = new QLabel(this);
    LabelPosition->setObjectName("LabelPosition");
    QFont gras = LabelPosition->font();
    gras.setBold(true);
    LabelPosition->setFont(gras);
    ChampAttribut = new QLineEdit(this);
    ChampAttribut->setObjectName("ChampAttribut");
    ChampAttribut->setReadOnly(true);
    ChampOperateur = new QLineEdit(this);
    ChampOperateur->setObjectName("ChampOperateur");
    ChampOperateur->setReadOnly(true);
    ChampOperateur->setMaximumWidth(120);
    ListeValeurs = new QListWidget(this);
    ListeValeurs->setObjectName("ListeValeurs");
    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName("ScrollBar1");
    ScrollBar1->setRange(1, 1);
    ScrollBar1->setPageStep(1);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TVisionneuse::ScrollBar1Change);

    auto* formulaire = new QFormLayout;
    formulaire->addRow("Attribute:", ChampAttribut);
    formulaire->addRow("Operator:", ChampOperateur);
    formulaire->addRow("Value:", ListeValeurs);

    auto* racine = new QVBoxLayout(this);
    racine->setMenuBar(menu);
    racine->addWidget(LabelPosition);
    racine->addLayout(formulaire, 1);
    racine->addWidget(ScrollBar1);
    resize(480, 340);
}

void TVisionneuse::PlacePositions(int nombre) {
    NombreCourant = nombre < 1 ? 1 : nombre;
    PositionCourante = 1;
    const QSignalBlocker bloque(ScrollBar1);
    ScrollBar1->setRange(1, NombreCourant);
    ScrollBar1->setValue(1);
}

void TVisionneuse::VaA(int position) {
    PositionCourante = position;
    {
        const QSignalBlocker bloque(ScrollBar1);
        ScrollBar1->setValue(position);
    }
    MontrePosition();
}

void TVisionneuse::First1Click() { VaA(1); }
void TVisionneuse::Last1Click() { VaA(NombreCourant); }
void TVisionneuse::Next1Click() { VaA(PositionCourante == NombreCourant ? PositionCourante : PositionCourante + 1); }
void TVisionneuse::Previous1Click() { VaA(PositionCourante == 1 ? 1 : PositionCourante - 1); }
void TVisionneuse::Close1Click() { accept(); }

void TVisionneuse::ScrollBar1Change(int position) {
    if (position < 1 || position > NombreCourant) return;
    PositionCourante = position;
    MontrePosition();
}

void TVisionneuse::MontreVue(const TVueDonnee& vue) {
    LabelPosition->setText(Texte(vue.Position));
    ChampAttribut->setText(Texte(vue.Attribut));
    ChampOperateur->setText(Texte(vue.Operateur));
    ListeValeurs->clear();
    for (const auto& valeur : vue.Valeurs) ListeValeurs->addItem(Texte(valeur));
}

void TVisionneuse::VideVue() {
    LabelPosition->clear();
    ChampAttribut->clear();
    ChampOperateur->clear();
    ListeValeurs->clear();
}

}  // namespace veridane
