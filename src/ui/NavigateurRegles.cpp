#include "NavigateurRegles.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/edition_regles.h"
#include "project/etat.h"
#include "ui/Conversion.h"
#include "ui/Modale.h"

namespace veridane {

namespace {

// One command, in the menu by its caption and on the tool bar by its icon.
void Commande(QMenuBar* menu, QToolBar* outils, const char* texte, const char* nom, const char* icone,
              TNavigateurRegles* fenetre, void (TNavigateurRegles::*gestionnaire)()) {
    QAction* action = menu->addAction(texte);
    action->setObjectName(nom);
    QObject::connect(action, &QAction::triggered, fenetre, gestionnaire);
    QAction* bouton = outils->addAction(QIcon(icone), QString(texte).remove('&'));
    QObject::connect(bouton, &QAction::triggered, fenetre, gestionnaire);
}

}  // namespace

TNavigateurRegles::TNavigateurRegles(TEtatVeridane& etat, IDialogues& dialogues, const TGenreNavigateur& genre,
                                     QWidget* parent)
    : QDialog(parent), Etat(etat), Dialogues(dialogues), Genre(genre) {
    setWindowTitle(Genre.TitreInitial);
    setProperty("contexteAide", Genre.ContexteAide);

    auto* menu = new QMenuBar(this);
    auto* outils = new QToolBar(this);
    outils->setIconSize(QSize(20, 20));
    Commande(menu, outils, "&Close", "Close1", ":/icons/close.svg", this, &TNavigateurRegles::Close1Click);
    outils->addSeparator();
    Commande(menu, outils, "&First", "First1", ":/icons/first.svg", this, &TNavigateurRegles::First1Click);
    Commande(menu, outils, "&Last", "Last1", ":/icons/last.svg", this, &TNavigateurRegles::Last1Click);
    Commande(menu, outils, "&Next", "Next1", ":/icons/next.svg", this, &TNavigateurRegles::Next1Click);
    Commande(menu, outils, "&Previous", "Previous1", ":/icons/previous.svg", this, &TNavigateurRegles::Previous1Click);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName("ScrollBar1");
    ScrollBar1->setRange(0, 0);
    ScrollBar1->setPageStep(1);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TNavigateurRegles::ScrollBar1Change);

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(QIcon(":/pictures/database.svg").pixmap(64, 64));
    image->setFixedSize(64, 64);

    auto* bas = new QHBoxLayout;
    bas->addWidget(image);
    bas->addStretch();
    if (Genre.Action) {
        BoutonAction = new QPushButton(Genre.Action, this);
        BoutonAction->setObjectName("BoutonAction");
        connect(BoutonAction, &QPushButton::clicked, this, [this] { ActionClick(); });
        bas->addWidget(BoutonAction);
    }

    auto* colonne = new QVBoxLayout(this);
    colonne->setMenuBar(menu);
    colonne->addWidget(outils);
    colonne->addWidget(Memo1, 1);
    colonne->addWidget(ScrollBar1);
    colonne->addLayout(bas);
    resize(620, 360);
}

void TNavigateurRegles::Initialise() {
    if (Etat.Base.NbRegles > 0) setWindowTitle(Texte(TitreAvecNombre("Rules base Viewer: ", Etat.Base.NbRegles)));
    Courante = 0;
    RegleBarre();
    Affichage();
}

int TNavigateurRegles::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

void TNavigateurRegles::RegleBarre() {
    QSignalBlocker blocage(ScrollBar1);
    ScrollBar1->setRange(0, std::max(0, Etat.Base.NbRegles - 1));
    ScrollBar1->setValue(Courante);
}

void TNavigateurRegles::Affichage() { AfficheRegle(0); }

void TNavigateurRegles::AfficheRegle(int index) {
    Memo1->clear();
    const int nombre = static_cast<int>(Etat.Base.Regles.size());
    if (index < 0 || index >= nombre) return;
    Courante = index;
    QStringList lignes;
    for (const std::string& ligne : TexteRegle(Etat.Base, index, Genre.MotDegre)) lignes << Texte(ligne);
    Memo1->setPlainText(lignes.join('\n'));
}

void TNavigateurRegles::First1Click() {
    Courante = 0;
    RegleBarre();
    AfficheRegle(0);
}

void TNavigateurRegles::Last1Click() {
    Courante = std::max(0, Etat.Base.NbRegles - 1);
    RegleBarre();
    AfficheRegle(Courante);
}

void TNavigateurRegles::Next1Click() {
    if (Courante >= Etat.Base.NbRegles - 1) return;
    ++Courante;
    RegleBarre();
    AfficheRegle(Courante);
}

void TNavigateurRegles::Previous1Click() {
    if (Courante <= 0) return;
    --Courante;
    RegleBarre();
    AfficheRegle(Courante);
}

void TNavigateurRegles::ScrollBar1Change(int position) { AfficheRegle(position); }

void TNavigateurRegles::Close1Click() { accept(); }

}  // namespace veridane
