#include "Veri_bas.h"

#include "Modale.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QAbstractTableModel>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/proposition.h"
#include "project/etat.h"
#include "ui/Conversion.h"
#include "ui/Modale.h"
#include "verification/verification.h"

namespace veridane {
namespace {

enum TColonne { ColonneNiveau, ColonneLieu, ColonneId, ColonneMessage };

QIcon IconeNiveau(TNiveauConstat niveau) {
    switch (niveau) {
        case TNiveauConstat::Erreur: return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
        case TNiveauConstat::Avertissement:
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        default: return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    }
}

QString Lieu(const TConstat& c) {
    if (c.Regle > 0) return QString("Rule %1").arg(c.Regle);
    if (c.Entree > 0) return QString("Entry %1").arg(c.Entree);
    return "Base";
}

QString Compte(int nombre, const char* mot) {
    return QString("%1 %2%3").arg(nombre).arg(mot).arg(nombre == 1 ? "" : "s");
}

}  // namespace

// The findings of the levels shown, one row each.
class TModeleConstats : public QAbstractTableModel {
public:
    explicit TModeleConstats(QObject* parent)
        : QAbstractTableModel(parent),
          Icones{IconeNiveau(TNiveauConstat::Erreur), IconeNiveau(TNiveauConstat::Avertissement),
                 IconeNiveau(TNiveauConstat::Note)} {}

    // Shows the findings for which `montre` holds.
    template <typename F>
    void Montre(const std::vector<TConstat>& constats, F montre) {
        beginResetModel();
        Constats = &constats;
        Lignes.clear();
        for (std::size_t i = 0; i < constats.size(); ++i)
            if (montre(constats[i])) Lignes.push_back(i);
        endResetModel();
    }

    const TConstat* Constat(int ligne) const {
        if (Constats == nullptr || ligne < 0 || ligne >= static_cast<int>(Lignes.size())) return nullptr;
        return &(*Constats)[Lignes[static_cast<std::size_t>(ligne)]];
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(Lignes.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 4; }

    QVariant data(const QModelIndex& index, int role) const override {
        const TConstat* c = Constat(index.row());
        if (c == nullptr) return {};
        if (role == Qt::DecorationRole && index.column() == ColonneNiveau)
            return Icones[static_cast<int>(c->Niveau)];
        if (role == Qt::ToolTipRole && index.column() == ColonneMessage) return Texte(c->Message);
        if (role != Qt::DisplayRole) return {};
        switch (index.column()) {
            case ColonneNiveau: return QString(NomNiveau(c->Niveau));
            case ColonneLieu: return Lieu(*c);
            case ColonneId: return QString::fromLatin1(c->Id.c_str());
            default: return Texte(c->Message);
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const char* const titres[] = {"Level", "Where", "Finding", "Message"};
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 3) return {};
        return QString(titres[section]);
    }

private:
    QIcon Icones[3];  // by level
    const std::vector<TConstat>* Constats = nullptr;
    std::vector<std::size_t> Lignes;  // indexes into *Constats
};

TVerifBase::TVerifBase(TEtatVeridane& etat, IDialogues& /*dialogues*/, QWidget* parent)
    : QDialog(parent), Etat(etat) {
    setObjectName("VerifBase");
    setWindowTitle("Verification of the rules base");
    setProperty("contexteAide", 120);
    Construit();
}

void TVerifBase::Construit() {
    FiltreErreurs = new QCheckBox("&Errors", this);
    FiltreErreurs->setObjectName("FiltreErreurs");
    FiltreAvertissements = new QCheckBox("&Warnings", this);
    FiltreAvertissements->setObjectName("FiltreAvertissements");
    FiltreNotes = new QCheckBox("&Notes", this);
    FiltreNotes->setObjectName("FiltreNotes");
    auto* filtres = new QHBoxLayout;
    filtres->addWidget(new QLabel("Show:", this));
    for (QCheckBox* filtre : {FiltreErreurs, FiltreAvertissements, FiltreNotes}) {
        filtre->setChecked(true);
        filtre->setIcon(IconeNiveau(filtre == FiltreErreurs          ? TNiveauConstat::Erreur
                                    : filtre == FiltreAvertissements ? TNiveauConstat::Avertissement
                                                                     : TNiveauConstat::Note));
        filtres->addWidget(filtre);
        connect(filtre, &QCheckBox::toggled, this, &TVerifBase::FiltreClick);
    }
    filtres->addStretch();

    Modele = new TModeleConstats(this);
    Liste = new QTreeView(this);
    Liste->setObjectName("ListeConstats");
    Liste->setModel(Modele);
    Liste->setRootIsDecorated(false);
    Liste->setUniformRowHeights(true);
    Liste->setAlternatingRowColors(true);
    Liste->setWordWrap(false);
    Liste->header()->setStretchLastSection(true);
    Liste->setStatusTip("Double-click a finding on a rule to modify that rule");
    connect(Liste, &QTreeView::activated, this, &TVerifBase::ConstatActive);
    connect(Liste->selectionModel(), &QItemSelectionModel::currentChanged, this, &TVerifBase::ConstatChoisi);

    // Messages are long: the one chosen is shown whole below the list.
    Detail = new QLabel(this);
    Detail->setObjectName("Detail");
    Detail->setWordWrap(true);
    Detail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Detail->setFrameShape(QFrame::StyledPanel);
    Detail->setMinimumHeight(3 * Detail->fontMetrics().lineSpacing());
    Detail->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Resume = new QLabel(this);
    Resume->setObjectName("Resume");
    BoutonVerifie = new QPushButton("Check &again", this);
    BoutonVerifie->setObjectName("CheckAgainBtn");
    BoutonFerme = new QPushButton("&Close", this);
    BoutonFerme->setObjectName("CloseBtn");
    for (QPushButton* bouton : {BoutonVerifie, BoutonFerme}) bouton->setAutoDefault(false);
    connect(BoutonVerifie, &QPushButton::clicked, this, &TVerifBase::CheckAgainClick);
    connect(BoutonFerme, &QPushButton::clicked, this, &QDialog::accept);
    auto* bas = new QHBoxLayout;
    bas->addWidget(Resume, 1);
    bas->addWidget(BoutonVerifie);
    bas->addWidget(BoutonFerme);

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(filtres);
    colonne->addWidget(Liste, 1);
    colonne->addWidget(Detail);
    colonne->addLayout(bas);
    resize(980, 520);
}

void TVerifBase::Initialise() {
    Verifie();
    Liste->setFocus();
}

int TVerifBase::Ouvre() {
    Initialise();
    return ExecuteModale(*this, TPresentation::Centree);
}

void TVerifBase::CheckAgainClick() { Verifie(); }

void TVerifBase::Verifie() {
    // A large base takes a few seconds.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Resultats = VerifieBase(Etat.Base, SourcesDuProjet(Etat));
    QApplication::restoreOverrideCursor();
    Remplit();
}

bool TVerifBase::Montre(TNiveauConstat niveau) const {
    switch (niveau) {
        case TNiveauConstat::Erreur: return FiltreErreurs->isChecked();
        case TNiveauConstat::Avertissement: return FiltreAvertissements->isChecked();
        default: return FiltreNotes->isChecked();
    }
}

void TVerifBase::Remplit() {
    FiltreClick();
    // Widths from the first lines: measuring them all would take long.
    for (int colonne : {ColonneNiveau, ColonneLieu, ColonneId}) Liste->resizeColumnToContents(colonne);
    const TBilanConstats bilan = Bilan(Resultats);
    Resume->setText(Resultats.empty() ? QString("No finding: the base is clean.")
                                      : Compte(bilan.Erreurs, "error") + ", " +
                                            Compte(bilan.Avertissements, "warning") + ", " +
                                            Compte(bilan.Notes, "note"));
}

void TVerifBase::FiltreClick() {
    Modele->Montre(Resultats, [this](const TConstat& c) { return Montre(c.Niveau); });
    Detail->clear();
    if (Modele->rowCount({}) > 0) Liste->setCurrentIndex(Modele->index(0, 0));
}

const TConstat* TVerifBase::ConstatDe(const QModelIndex& ligne) const {
    return ligne.isValid() ? Modele->Constat(ligne.row()) : nullptr;
}

void TVerifBase::ConstatChoisi(const QModelIndex& ligne) {
    const TConstat* constat = ConstatDe(ligne);
    if (constat == nullptr) {
        Detail->clear();
        return;
    }
    const TConstat& c = *constat;
    QString texte = Lieu(c) + ", " + NomNiveau(c.Niveau) + " [" + QString::fromLatin1(c.Id.c_str()) + "]: " +
                    Texte(c.Message);
    if (!c.ReglesLiees.empty()) {
        QStringList regles;
        for (int r : c.ReglesLiees) regles << QString::number(r);
        texte += "\nOther rules: " + regles.join(", ");
    }
    Detail->setText(texte);
}

void TVerifBase::ConstatActive(const QModelIndex& ligne) {
    const TConstat* c = ConstatDe(ligne);
    if (c == nullptr || !OuvreModification) return;
    // Only a rule can be opened; the rule may have gone since the last check.
    if (c->Regle <= 0 || c->Regle > static_cast<int>(Etat.Base.Regles.size())) return;
    OuvreModification(c->Regle - 1);
}

}  // namespace veridane
