#include "New_pro.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include "ui/Modale.h"

namespace veridane {

namespace {

QPushButton* Bouton(QDialog* parent, const char* nom, const QString& texte) {
    auto* bouton = new QPushButton(texte, parent);
    bouton->setObjectName(nom);
    bouton->setAutoDefault(false);
    return bouton;
}

}  // namespace

TNewPro::TNewPro(TEtatVeridane&, IDialogues&, QWidget* parent) : QDialog(parent) {
    setObjectName("NewPro");
    setWindowTitle("New project");
    setProperty("contexteAide", 2);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(24, 20, 24, 16);
    const char* lignes[] = {"For the creation of a new project, you can:",
                            "  - create a new dictionary and a new rules base,",
                            "  - create a project with an existing rules base."};
    int numero = 1;
    for (const char* ligne : lignes) {
        auto* texte = new QLabel(ligne, this);
        texte->setObjectName(QString("Label%1").arg(numero++));
        // The leading blanks of the two choices indent them.
        texte->setTextFormat(Qt::PlainText);
        colonne->addWidget(texte);
    }
    colonne->addSpacing(12);

    auto* creer = Bouton(this, "NewDictionary", "Create a new dictionary");
    auto* lier = Bouton(this, "LinkRules", "Link project with a rules base");
    auto* annuler = Bouton(this, "Cancel", "Cancel");
    creer->setDefault(true);
    connect(creer, &QPushButton::clicked, this, &TNewPro::NewDictionaryClick);
    connect(lier, &QPushButton::clicked, this, &TNewPro::LinkRulesClick);
    connect(annuler, &QPushButton::clicked, this, &TNewPro::CancelClick);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(creer);
    boutons->addWidget(lier);
    boutons->addWidget(annuler);
    colonne->addLayout(boutons);

    auto* aide = new QLabel("Press [F1] to get Help context", this);
    aide->setObjectName("HelpLine");
    aide->setEnabled(false);
    colonne->addSpacing(8);
    colonne->addWidget(aide);
    setFixedSize(sizeHint());
}

int TNewPro::Ouvre() {
    Initialise();
    return ExecuteModale(*this, TPresentation::Centree);
}

void TNewPro::NewDictionaryClick() {
    ChoixFait = TChoixNouveauProjet::CreerDictionnaire;
    accept();
}

void TNewPro::LinkRulesClick() {
    ChoixFait = TChoixNouveauProjet::LierRegles;
    accept();
}

void TNewPro::CancelClick() {
    ChoixFait = TChoixNouveauProjet::Annuler;
    reject();
}

}  // namespace veridane
