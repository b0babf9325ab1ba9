#include "Resume.h"
#include "Modale.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Conversion.h"
#include "project/resume.h"

namespace veridane {

namespace {

QLabel* Valeur(QWidget* parent, const char* nom) {
    auto* valeur = new QLabel(parent);
    valeur->setObjectName(nom);
    valeur->setTextInteractionFlags(Qt::TextSelectableByMouse);
    valeur->setMinimumWidth(280);
    return valeur;
}

}  // namespace

TAbstracts::TAbstracts(TEtatVeridane& etat, IDialogues&, QWidget* parent) : QDialog(parent), Etat(etat) {
    setObjectName("Abstracts");
    setProperty("contexteAide", 1);

    auto* cadre = new QGroupBox(this);
    auto* noms = new QFormLayout(cadre);
    NomProjet = Valeur(cadre, "NomProjet");
    Repertoire = Valeur(cadre, "Repertoire");
    FichierRegles = Valeur(cadre, "FichierRegles");
    FichierBase = Valeur(cadre, "FichierBase");
    noms->addRow("Name of the project:", NomProjet);
    noms->addRow("Directory:", Repertoire);
    noms->addRow("Rules base:", FichierRegles);
    noms->addRow("Data base:", FichierBase);

    auto* image = new QLabel(this);
    image->setObjectName("Image");
    image->setPixmap(QIcon(":/pictures/program.svg").pixmap(80, 80));
    image->setAlignment(Qt::AlignCenter);

    auto* haut = new QHBoxLayout;
    haut->addWidget(cadre, 1);
    haut->addWidget(image);

    auto* titreCommentaire = new QLabel("Commentary:", this);
    Commentaire = new QPlainTextEdit(this);
    Commentaire->setObjectName("Commentaire");
    Commentaire->setLineWrapMode(QPlainTextEdit::NoWrap);
    Commentaire->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    titreCommentaire->setBuddy(Commentaire);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKAbstract");
    // Enter closes the abstract shown after an opening; in an edit the
    // commentary takes Enter as a new line.
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAbstracts::OKAbstractClick);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(ok);

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(haut);
    colonne->addWidget(titreCommentaire);
    colonne->addWidget(Commentaire, 1);
    colonne->addLayout(bas);
    resize(560, 420);
}

void TAbstracts::RemplitTexte(const std::vector<std::string>& lignes) {
    QStringList texte;
    for (const std::string& ligne : lignes) texte.append(Texte(ligne));
    Commentaire->setPlainText(texte.join('\n'));
}

int TAbstracts::MontreProjet() {
    setWindowTitle(TitreResumeProjet);
    EnAttente = false;
    RemplitTexte(LignesMontreProjet(Etat));
    Commentaire->setReadOnly(true);
    Visualise();
    return ExecuteModale(*this, TPresentation::Centree);
}

int TAbstracts::ChangeComment(bool base) {
    Commentaire->setReadOnly(false);
    CibleBase = base;
    EnAttente = true;
    setWindowTitle(base ? TitreCommentaireBase : TitreCommentaireProjet);
    RemplitTexte(LignesChangeComment(Etat, base));
    Visualise();
    return ExecuteModale(*this, TPresentation::Centree);
}

void TAbstracts::Visualise() {
    TEtiquettesResume noms = EtiquettesResume(Etat.Projet);
    NomProjet->setText(Texte(noms.NomProjet));
    Repertoire->setText(Texte(noms.Repertoire));
    FichierRegles->setText(Texte(noms.FichierRegles));
    FichierBase->setText(Texte(noms.FichierBase));
}

void TAbstracts::OKAbstractClick() {
    if (EnAttente) {
        EnAttente = false;
        veridane::OKAbstractClick(Etat, CibleBase, DecoupeLignes(Octets(Commentaire->toPlainText())));
    }
    accept();
}

}  // namespace veridane
