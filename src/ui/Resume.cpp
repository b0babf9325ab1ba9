#include "Resume.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Conversion.h"

namespace veridane {

namespace {

QLabel* Valeur(QWidget* parent, const char* nom) {
    auto* valeur = new QLabel(parent);
    valeur->setObjectName(nom);
    valeur->setTextInteractionFlags(Qt::TextSelectableByMouse);
    valeur->setMinimumWidth(280);
    return valeur;
}

struct TNomsAbstract {
    std::string Projet, Repertoire, Regles, Base;
};

// The names shown above the commentary, with their stand-ins when a file has
// not been named yet.
TNomsAbstract NomsAbstract(const TEtatVeridane& etat) {
    const TProjet& p = etat.Projet;
    return {p.NomProjet.empty() ? "noname.exp" : p.NomProjet,
            p.RepertoireProjet.empty() ? "current directory" : p.RepertoireProjet,
            p.FichRulNomme && !p.NomFichRul.empty() ? p.NomFichRul : "(none)",
            p.FichDatNomme && !p.NomFichDat.empty() ? p.NomFichDat : "(none)"};
}

// The project's abstract; the rules file comments stand in when the project
// has no comment list.
const std::vector<TModalite>& AbstractDuProjet(const TEtatVeridane& etat) {
    return etat.Projet.CommentairesProjet ? *etat.Projet.CommentairesProjet : etat.Base.CommentairesRegles;
}

std::string TexteCommentaire(const std::vector<TModalite>& lignes) {
    std::string texte;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (i > 0) texte += '\n';
        texte += lignes[i].Nom;
    }
    return texte;
}

// One comment line per text line, empty lines included; an empty text is no
// commentary at all.
std::vector<TModalite> CommentaireDuTexte(const std::string& texte) {
    std::vector<TModalite> lignes;
    if (texte.empty()) return lignes;
    std::size_t debut = 0;
    for (;;) {
        std::size_t fin = texte.find('\n', debut);
        lignes.push_back({texte.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut)});
        if (fin == std::string::npos) break;
        debut = fin + 1;
    }
    return lignes;
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
    ok->setAutoDefault(false);
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

void TAbstracts::RemplitTexte(const std::vector<TModalite>& lignes) {
    Commentaire->setPlainText(Texte(TexteCommentaire(lignes)));
}

void TAbstracts::MontreProjet() {
    setWindowTitle("Abstract of the project");
    EnAttente = false;
    RemplitTexte(AbstractDuProjet(Etat));
    Commentaire->setReadOnly(true);
    Visualise();
}

void TAbstracts::ChangeComment(bool base) {
    Commentaire->setReadOnly(false);
    CibleBase = base;
    EnAttente = true;
    if (base) {
        setWindowTitle("Change commentary of the data base");
        RemplitTexte(Etat.Faits.CommentairesBase);
    } else {
        setWindowTitle("Change commentary of the project");
        RemplitTexte(Etat.Projet.CommentairesProjet.value_or(std::vector<TModalite>{}));
    }
    Visualise();
}

void TAbstracts::Visualise() {
    TNomsAbstract noms = NomsAbstract(Etat);
    NomProjet->setText(Texte(noms.Projet));
    Repertoire->setText(Texte(noms.Repertoire));
    FichierRegles->setText(Texte(noms.Regles));
    FichierBase->setText(Texte(noms.Base));
}

void TAbstracts::OKAbstractClick() {
    if (EnAttente) {
        EnAttente = false;
        auto lignes = CommentaireDuTexte(Octets(Commentaire->toPlainText()));
        if (CibleBase)
            Etat.Faits.CommentairesBase = std::move(lignes);
        else
            Etat.Projet.CommentairesProjet = std::move(lignes);
    }
    accept();
}

}  // namespace veridane
