#include "Test_cas.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/dialogues.h"
#include "core/format_nombre.h"
#include "inference/textes_inference.h"
#include "project/etat.h"
#include "ui/Conversion.h"
#include "ui/Edit_cas.h"
#include "ui/Modale.h"
#include "verification/explication_cas.h"
#include "verification/textes_cas.h"

namespace veridane {

namespace {

enum TColonne { ColObservation, ColStatut, ColClauses, ColEchecs, NbColonnes };

const char* const TexteNonExecute = "not run";
const char* const TexteSansCas = "no case";

QPushButton* Bouton(const char* texte, const char* nom, QWidget* parent) {
    auto* bouton = new QPushButton(texte, parent);
    bouton->setObjectName(nom);
    bouton->setAutoDefault(false);
    return bouton;
}

}  // namespace

TTestCas::TTestCas(TEtatVeridane& etat, IDialogues& dialogues, IProgression& progression, QWidget* parent)
    : QDialog(parent), Etat(etat), Dialogues(dialogues), Progression(progression) {
    setObjectName("TestCas");
    setProperty("contexteAide", 130);
    setWindowTitle("Test the cases");

    Grille = new QTableWidget(0, NbColonnes, this);
    Grille->setObjectName("Grille");
    Grille->setHorizontalHeaderLabels({"Observation", "Status", "Clauses", "Failures"});
    Grille->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grille->setSelectionMode(QAbstractItemView::SingleSelection);
    Grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grille->verticalHeader()->hide();
    Grille->horizontalHeader()->setStretchLastSection(true);
    Grille->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(Grille, &QTableWidget::itemSelectionChanged, this, &TTestCas::GrilleSelection);
    // A double click on a case edits it, as a person expects of a grid.
    connect(Grille, &QTableWidget::cellDoubleClicked, this, &TTestCas::EditClick);

    Details = new QPlainTextEdit(this);
    Details->setObjectName("Details");
    Details->setReadOnly(true);
    Details->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont fixe("Monospace");
    fixe.setStyleHint(QFont::TypeWriter);
    Details->setFont(fixe);

    Bilan = new QLabel(this);
    Bilan->setObjectName("Bilan");
    Bilan->setWordWrap(true);
    Bilan->setTextInteractionFlags(Qt::TextSelectableByMouse);

    RunAll = Bouton("&Run all", "RunAll", this);
    Accept = Bouton("&Accept current results", "Accept", this);
    Edit = Bouton("&Edit", "Edit", this);
    Close = Bouton("&Close", "Close", this);
    connect(RunAll, &QPushButton::clicked, this, &TTestCas::RunAllClick);
    connect(Accept, &QPushButton::clicked, this, &TTestCas::AcceptClick);
    connect(Edit, &QPushButton::clicked, this, &TTestCas::EditClick);
    connect(Close, &QPushButton::clicked, this, &QDialog::accept);

    auto* partage = new QSplitter(Qt::Vertical, this);
    partage->addWidget(Grille);
    partage->addWidget(Details);
    partage->setStretchFactor(0, 3);
    partage->setStretchFactor(1, 2);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(RunAll);
    boutons->addWidget(Accept);
    boutons->addWidget(Edit);
    boutons->addStretch(1);
    boutons->addWidget(Close);

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(partage, 1);
    disposition->addWidget(Bilan);
    disposition->addLayout(boutons);
    resize(960, 640);
}

void TTestCas::LitSiInchanges() {
    // Cases changed here and not saved are the project's; otherwise the
    // file is.
    if (Etat.CasModifies) return;
    Cas = TFichierCas{};
    if (!Etat.Projet.NomProjet.empty())
        if (auto lu = LitCas(CheminCas(Etat.Projet), Dialogues)) Cas = std::move(*lu);
}

void TTestCas::Initialise() {
    LitSiInchanges();
    Resultats.assign(Cas.Lignes.size(), std::nullopt);
    Couverture.reset();
    ConstruitRangees();
    AfficheGrille();
    if (!Rangees.empty()) Grille->selectRow(0);
    AfficheDetails();
    AfficheBilan();
    Grille->setFocus();
}

void TTestCas::PrepareNouveauNom() {
    LitSiInchanges();
    Resultats.assign(Cas.Lignes.size(), std::nullopt);
    Emporter = !Cas.LignesDeCas().empty();
}

int TTestCas::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

bool TTestCas::Sauve(bool nouveauNom) {
    if (!Etat.CasModifies && !(nouveauNom && Emporter)) return true;
    if (!SauveCas(Cas, CheminCas(Etat.Projet), Etat.Base.SeparateurDecimal, Dialogues)) return false;
    Etat.CasModifies = false;
    Emporter = false;
    return true;
}

// --- The grid ----------------------------------------------------------------

void TTestCas::ConstruitRangees() {
    Rangees.clear();
    const int nbObservations = static_cast<int>(Etat.Faits.Observations.size());
    std::vector<bool> dansLaBase(Cas.Lignes.size(), false);
    for (int k = 1; k <= nbObservations; ++k) {
        bool trouvee = false;
        for (std::size_t i = 0; i < Cas.Lignes.size(); ++i) {
            if (!Cas.Lignes[i].Cas || Cas.Lignes[i].Cas->Observation != k) continue;
            Rangees.push_back({k, i});
            dansLaBase[i] = trouvee = true;
        }
        if (!trouvee) Rangees.push_back({k, std::nullopt});
    }
    // Cases of observations the data base no longer holds come last.
    for (std::size_t i = 0; i < Cas.Lignes.size(); ++i)
        if (Cas.Lignes[i].Cas && !dansLaBase[i]) Rangees.push_back({Cas.Lignes[i].Cas->Observation, i});
}

void TTestCas::AfficheGrille() {
    const QSignalBlocker bloque(Grille);
    Grille->setRowCount(static_cast<int>(Rangees.size()));
    for (int r = 0; r < static_cast<int>(Rangees.size()); ++r) AfficheRangee(r);
}

void TTestCas::AfficheRangee(int r) {
    const TRangee& rangee = Rangees[static_cast<std::size_t>(r)];
    QString statut = TexteSansCas, clauses, echecs;
    if (rangee.Ligne) {
        const TCas& cas = *Cas.Lignes[*rangee.Ligne].Cas;
        clauses = QString::number(cas.Clauses.size());
        statut = TexteNonExecute;
        if (const auto& resultat = Resultats[*rangee.Ligne]) {
            statut = resultat->Reussi() ? "PASS" : "FAIL";
            echecs = QString::number(EchecsDuCas(cas, *resultat, Etat.Base.SeparateurDecimal).size());
        }
    }
    QString observation = QString::number(rangee.Observation);
    if (rangee.Ligne && Cas.Lignes[*rangee.Ligne].Cas->Critique)
        observation += " (critical " +
                       Texte(FormatGeneral(*Cas.Lignes[*rangee.Ligne].Cas->Critique, ChiffresAffichage, Etat.Base.SeparateurDecimal)) +
                       ")";
    const QString cellules[NbColonnes] = {observation, statut, clauses, echecs};
    for (int c = 0; c < NbColonnes; ++c) {
        auto* item = new QTableWidgetItem(cellules[c]);
        if (c == ColStatut && statut == "FAIL") item->setForeground(QColor(0xb0, 0x10, 0x10));
        if (c == ColStatut && statut == "PASS") item->setForeground(QColor(0x10, 0x70, 0x20));
        Grille->setItem(r, c, item);
    }
}

int TTestCas::RangeeChoisie() const {
    const auto choisies = Grille->selectionModel()->selectedRows();
    return choisies.isEmpty() ? -1 : choisies.first().row();
}

void TTestCas::AfficheBilan() {
    if (!Couverture) {
        Bilan->setText(Rangees.empty() ? "The data base holds no observation."
                                       : "Press \"Run all\" to run every case.");
        return;
    }
    // Cases accepted or edited since the run count as they stand now.
    int reussis = 0, echoues = 0, nonExecutes = 0;
    for (std::size_t i = 0; i < Cas.Lignes.size(); ++i) {
        if (!Cas.Lignes[i].Cas) continue;
        if (!Resultats[i])
            ++nonExecutes;
        else
            (Resultats[i]->Reussi() ? reussis : echoues)++;
    }
    std::string bilan = LigneBilan(reussis, echoues);
    if (nonExecutes > 0) bilan += ", " + std::to_string(nonExecutes) + " not run";
    Bilan->setText(Texte(bilan + "\n" + LigneCouverture(*Couverture)));
}

// --- What the selected case says ---------------------------------------------

void TTestCas::AfficheDetails() {
    const int r = RangeeChoisie();
    Accept->setEnabled(r >= 0 && Rangees[static_cast<std::size_t>(r)].Observation <=
                                     static_cast<int>(Etat.Faits.Observations.size()));
    Edit->setEnabled(r >= 0);
    if (r < 0) {
        Details->clear();
        return;
    }
    const TRangee& rangee = Rangees[static_cast<std::size_t>(r)];
    const char sep = Etat.Base.SeparateurDecimal;
    std::vector<std::string> lignes;
    if (!rangee.Ligne) {
        lignes = {"Observation " + std::to_string(rangee.Observation) + " has no case yet.",
                  "\"Accept current results\" records what a run concludes now;",
                  "\"Edit\" writes its case by hand."};
    } else {
        const TCas& cas = *Cas.Lignes[*rangee.Ligne].Cas;
        lignes.push_back(LigneCas(cas, sep));
        lignes.emplace_back();
        const auto& resultat = Resultats[*rangee.Ligne];
        if (!resultat) {
            lignes.push_back("Not run yet: press \"Run all\".");
        } else {
            lignes.push_back(LigneStatutCas(cas, *resultat));
            const TExplicationCas explication(cas, Etat);
            for (const TEchecClause& echec : EchecsDuCas(cas, *resultat, sep, explication.Fonction())) {
                lignes.push_back("  " + echec.Texte);
                if (echec.Explication) lignes.push_back("    " + *echec.Explication);
            }
            for (std::size_t i = 0; i < cas.Clauses.size() && i < resultat->Clauses.size(); ++i) {
                const auto& origine = resultat->Clauses[i].Origine;
                if (resultat->Clauses[i].Reussie || !origine || origine->Regle < 1) continue;
                lignes.emplace_back();
                std::string regle = AfficheRegle(Etat.Base.Regles.at(static_cast<std::size_t>(origine->Regle - 1)),
                                                 origine->Regle, sep);
                for (std::size_t fin; (fin = regle.find("\r\n")) != std::string::npos; regle.erase(0, fin + 2))
                    lignes.push_back("    " + regle.substr(0, fin));
                lignes.push_back("    " + regle);
            }
        }
    }
    QString texte;
    for (const std::string& ligne : lignes) texte += Texte(ligne) + "\n";
    Details->setPlainText(texte);
}

void TTestCas::GrilleSelection() { AfficheDetails(); }

// --- Commands ----------------------------------------------------------------

TResultatCas TTestCas::Execute(const TCas& cas) {
    std::vector<TRegle> regles = Etat.Base.Regles;
    return ExecuteCas(cas, Etat, regles, Moteur);
}

void TTestCas::RunAllClick() {
    Progression.Texte("Running the cases...");
    TBilanCas bilan = ExecuteTousLesCas(Cas, Etat, Progression);
    Progression.Texte("");
    Resultats.assign(Cas.Lignes.size(), std::nullopt);
    std::size_t k = 0;
    for (std::size_t i = 0; i < Cas.Lignes.size(); ++i)
        if (Cas.Lignes[i].Cas) Resultats[i] = std::move(bilan.Resultats[k++]);
    Couverture = bilan.Couverture;
    const int r = RangeeChoisie();
    AfficheGrille();
    if (r >= 0) Grille->selectRow(r);
    AfficheDetails();
    AfficheBilan();
}

void TTestCas::Remplace(int r, const TCas& cas) {
    TRangee& rangee = Rangees[static_cast<std::size_t>(r)];
    if (!rangee.Ligne) {
        TLigneCas ligne;
        ligne.Cas = cas;
        Cas.Lignes.push_back(std::move(ligne));
        Resultats.emplace_back();
        rangee.Ligne = Cas.Lignes.size() - 1;
    } else {
        Cas.Lignes[*rangee.Ligne].Cas = cas;
        Resultats[*rangee.Ligne].reset();
    }
    rangee.Observation = cas.Observation;
    Etat.CasModifies = true;
}

void TTestCas::AcceptClick() {
    const int r = RangeeChoisie();
    if (r < 0 || !Accept->isEnabled()) return;
    const TRangee& rangee = Rangees[static_cast<std::size_t>(r)];
    TCas cas;
    cas.Observation = rangee.Observation;
    if (rangee.Ligne) cas = *Cas.Lignes[*rangee.Ligne].Cas;
    const TCas accepte = CasDesResultats(cas, Execute(cas));
    Remplace(r, accepte);
    Resultats[*Rangees[static_cast<std::size_t>(r)].Ligne] = Execute(accepte);
    AfficheRangee(r);
    Grille->selectRow(r);
    AfficheDetails();
    AfficheBilan();
}

void TTestCas::EditClick() {
    const int r = RangeeChoisie();
    if (r < 0) return;
    const TRangee& rangee = Rangees[static_cast<std::size_t>(r)];
    const char sep = Etat.Base.SeparateurDecimal;
    const std::string ligne = rangee.Ligne ? LigneCas(*Cas.Lignes[*rangee.Ligne].Cas, sep)
                                           : "Observation " + std::to_string(rangee.Observation) + ": ";
    const int numero = rangee.Ligne ? static_cast<int>(*rangee.Ligne) + 1 : static_cast<int>(Cas.Lignes.size()) + 1;
    TEditCas editeur(Etat.Base, Dialogues, ligne, numero, this);
    if (ExecuteModale(editeur) != QDialog::Accepted || !editeur.Cas()) return;
    Remplace(r, *editeur.Cas());
    // The observation may have changed: the rows follow the file.
    const std::size_t indice = *Rangees[static_cast<std::size_t>(r)].Ligne;
    ConstruitRangees();
    AfficheGrille();
    for (int i = 0; i < static_cast<int>(Rangees.size()); ++i)
        if (Rangees[static_cast<std::size_t>(i)].Ligne == indice) Grille->selectRow(i);
    AfficheDetails();
    AfficheBilan();
}

}  // namespace veridane
