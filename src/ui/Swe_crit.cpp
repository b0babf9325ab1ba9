#include "ui/Swe_crit.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QScatterSeries>
#include <QSplitter>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "core/format_nombre.h"
#include "core/proposition.h"
#include "project/etat.h"
#include "ui/Conversion.h"
#include "ui/Modale.h"

namespace veridane {

namespace {

// Table columns; the goal column is shown only when a goal is chosen.
enum TColonne { ColIntervalle, ColRegles, ColDeduits, ColAtteignant, ColGagnes, ColPerdus, NbColonnes };

QString Lignes(const std::vector<TProposition>& faits, const std::string& but, const char* signe, char separateur) {
    QStringList lignes;
    for (const auto& fait : faits)
        if (SurBut(fait, but)) lignes << QString(signe) + Texte(PropEnChaine(fait, separateur));
    return lignes.join('\n');
}

QTableWidgetItem* Cellule(const QString& texte, bool nombre = false) {
    auto* cellule = new QTableWidgetItem(texte);
    cellule->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    cellule->setTextAlignment((nombre ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    return cellule;
}

}  // namespace

TBalayageCritique::TBalayageCritique(const TEtatVeridane& etat, QWidget* parent) : QDialog(parent), Etat(etat) {
    setObjectName("BalayageCritique");
    setWindowTitle("Sweep of the critical value");
    setProperty("contexteAide", 140);
    Construit();
}

void TBalayageCritique::Construit() {
    ChoixObservation = new QComboBox(this);
    ChoixObservation->setObjectName("ChoixObservation");
    ChoixBut = new QComboBox(this);
    ChoixBut->setObjectName("ChoixBut");
    auto* etiquetteObservation = new QLabel("&Observation:", this);
    etiquetteObservation->setBuddy(ChoixObservation);
    auto* etiquetteBut = new QLabel("&Goal:", this);
    etiquetteBut->setBuddy(ChoixBut);
    auto* choix = new QHBoxLayout;
    choix->addWidget(etiquetteObservation);
    choix->addWidget(ChoixObservation, 1);
    choix->addSpacing(16);
    choix->addWidget(etiquetteBut);
    choix->addWidget(ChoixBut, 1);

    Graphe = new QChart;
    Graphe->legend()->hide();
    Graphe->setLocalizeNumbers(true);
    Marches = new QLineSeries(Graphe);
    Marches->setPen(QPen(QColor("#1f4e79"), 2));
    Bornes = new QScatterSeries(Graphe);
    Bornes->setMarkerSize(8);
    Bornes->setColor(QColor("#1f4e79"));
    SerieChoisie = new QLineSeries(Graphe);
    SerieChoisie->setPen(QPen(QColor("#c0392b"), 5));
    for (QAbstractSeries* serie : std::initializer_list<QAbstractSeries*>{Marches, SerieChoisie, Bornes}) Graphe->addSeries(serie);
    AxeX = new QValueAxis(Graphe);
    AxeX->setTitleText("Critical value");
    AxeX->setRange(0.0, 1.0);
    AxeX->setTickCount(11);
    AxeX->setLabelFormat("%.1f");
    AxeY = new QValueAxis(Graphe);
    AxeY->setLabelFormat("%.0f");
    Graphe->addAxis(AxeX, Qt::AlignBottom);
    Graphe->addAxis(AxeY, Qt::AlignLeft);
    for (QAbstractSeries* serie : Graphe->series()) {
        serie->attachAxis(AxeX);
        serie->attachAxis(AxeY);
    }
    VueGraphe = new QChartView(Graphe, this);
    VueGraphe->setObjectName("VueGraphe");
    VueGraphe->setRenderHint(QPainter::Antialiasing);
    VueGraphe->setMinimumHeight(260);
    VueGraphe->viewport()->installEventFilter(this);
    VueGraphe->setToolTip("Click a step to choose its critical value");

    Tableau = new QTableWidget(0, NbColonnes, this);
    Tableau->setObjectName("Tableau");
    Tableau->setHorizontalHeaderLabels({"Critical value", "Rules", "Deduced data", "", "Gained", "Lost"});
    Tableau->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tableau->setSelectionMode(QAbstractItemView::SingleSelection);
    // One datum per line: a cell is as high as its data, never wrapped.
    Tableau->setWordWrap(false);
    Tableau->verticalHeader()->hide();
    Tableau->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Tableau->horizontalHeader()->setSectionResizeMode(ColGagnes, QHeaderView::Stretch);
    Tableau->horizontalHeader()->setSectionResizeMode(ColPerdus, QHeaderView::Stretch);

    auto* partage = new QSplitter(Qt::Vertical, this);
    partage->addWidget(VueGraphe);
    partage->addWidget(Tableau);
    partage->setStretchFactor(0, 3);
    partage->setStretchFactor(1, 2);
    partage->setSizes({420, 260});

    LabelChoix = new QLabel(this);
    LabelChoix->setObjectName("LabelChoix");
    BoutonFermer = new QPushButton("&Close", this);
    BoutonFermer->setObjectName("BoutonFermer");
    auto* bas = new QHBoxLayout;
    bas->addWidget(LabelChoix, 1);
    bas->addWidget(BoutonFermer);

    auto* racine = new QVBoxLayout(this);
    racine->addLayout(choix);
    racine->addWidget(partage, 1);
    racine->addLayout(bas);

    connect(ChoixObservation, &QComboBox::currentIndexChanged, this, [this] { Balaye(); });
    connect(ChoixBut, &QComboBox::currentIndexChanged, this, [this] { Balaye(); });
    connect(Tableau, &QTableWidget::itemSelectionChanged, this, [this] {
        const auto choisies = Tableau->selectionModel()->selectedRows();
        if (!choisies.isEmpty()) Choisit(choisies.first().row());
    });
    // A click on the row already shown changes no selection.
    connect(Tableau, &QTableWidget::cellClicked, this, [this](int ligne) { Choisit(ligne); });
    // A double click chooses the interval and returns to the parameters.
    connect(Tableau, &QTableWidget::cellDoubleClicked, this, [this](int ligne) {
        Choisit(ligne);
        accept();
    });
    connect(BoutonFermer, &QPushButton::clicked, this, &QDialog::accept);
    resize(920, 720);
}

void TBalayageCritique::Initialise(double valeurCourante) {
    Choisie.reset();
    const QSignalBlocker bloqueObservation(ChoixObservation), bloqueBut(ChoixBut);
    ChoixObservation->clear();
    NumerosObservations.clear();
    const auto& observations = Etat.Faits.Observations;
    int choisie = 0;
    for (std::size_t k = 0; k < observations.size(); ++k) {
        if (observations[k].empty()) continue;
        if (static_cast<int>(k) == Etat.Faits.NumObservation) choisie = static_cast<int>(NumerosObservations.size());
        NumerosObservations.push_back(k);
        ChoixObservation->addItem(QString("Observation n°%1: %2 data").arg(k + 1).arg(observations[k].size()));
    }
    ChoixObservation->setCurrentIndex(choisie);

    // The goals worth asking for: the attributes some rule concludes on.
    std::set<std::string> buts;
    for (const auto& regle : Etat.Base.Regles) buts.insert(regle.Conclusion.Attribut.str());
    ChoixBut->clear();
    ChoixBut->addItem("(none)");
    for (const auto& but : buts) ChoixBut->addItem(Texte(but));
    ChoixBut->setCurrentIndex(0);

    Indice = -1;
    Balaye();
    // Only a click chooses a value: the current one is only shown.
    Marque(IntervalleDe(valeurCourante));
    LabelChoix->setText(QString("Critical value now: %1. Click an interval to choose its value.")
                            .arg(Texte(FormatGeneral(valeurCourante, ChiffresAffichage, Etat.Base.SeparateurDecimal))));
}

int TBalayageCritique::Ouvre(double valeurCourante) {
    Initialise(valeurCourante);
    return ExecuteModale(*this);
}

std::string TBalayageCritique::But() const {
    return ChoixBut->currentIndex() > 0 ? Octets(ChoixBut->currentText()) : std::string();
}

void TBalayageCritique::Balaye() {
    auto regles = Etat.Base.Regles;  // the runs leave the base's own rules alone
    Intervalles = IntervallesCritiques(regles);
    Balayage = {};
    Atteignant.clear();
    const std::string but = But();
    const int ligne = ChoixObservation->currentIndex();

    // Every observation is run when a goal is chosen: a large base shows a
    // gauge and may be stopped, keeping what was run.
    const std::size_t nbRuns =
        Intervalles.size() * ((ligne >= 0 ? 1 : 0) + (but.empty() ? 0 : NumerosObservations.size()));
    QProgressDialog jauge("Sweeping the critical value...", "&Stop", 0, static_cast<int>(nbRuns), this);
    jauge.setWindowModality(Qt::WindowModal);
    jauge.setMinimumDuration(800);
    int fait = 0;
    auto continuer = [&] {
        jauge.setValue(fait++);
        return !jauge.wasCanceled();
    };
    TBalayeur balayeur(regles);
    if (ligne >= 0) {
        const std::size_t k = NumerosObservations[static_cast<std::size_t>(ligne)];
        Balayage = balayeur.Balaye(Intervalles, Etat.Faits.Observations[k], static_cast<int>(k), but, continuer);
    }
    if (!but.empty()) {
        std::vector<TBalayageObservation> tous;
        for (std::size_t k : NumerosObservations) {
            if (jauge.wasCanceled()) break;
            auto balayage = balayeur.Balaye(Intervalles, Etat.Faits.Observations[k], static_cast<int>(k), but, continuer);
            for (auto& pas : balayage.Pas) pas.Difference = {};
            tous.push_back(std::move(balayage));
        }
        Atteignant = ObservationsAtteignantBut(tous, Intervalles.size());
    }
    jauge.reset();

    const double ancienne = Indice >= 0 && Indice < static_cast<int>(Intervalles.size())
                                ? Intervalles[static_cast<std::size_t>(Indice)].Haute
                                : -1.0;
    Indice = -1;
    AfficheGraphe();
    AfficheTableau();
    if (ancienne >= 0.0) Marque(IntervalleDe(ancienne));
}

int TBalayageCritique::Hauteur(std::size_t i) const {
    if (!But().empty()) return i < Atteignant.size() ? Atteignant[i] : 0;
    return i < Balayage.Pas.size() ? Balayage.Pas[i].NbDeduits : 0;
}

void TBalayageCritique::AfficheGraphe() {
    QList<QPointF> marches, bornes;
    int maximum = 1;
    for (std::size_t i = 0; i < Intervalles.size(); ++i) {
        const double y = Hauteur(i);
        marches << QPointF(Intervalles[i].Basse, y) << QPointF(Intervalles[i].Haute, y);
        bornes << QPointF(Intervalles[i].Haute, y);
        maximum = std::max(maximum, Hauteur(i));
    }
    Marches->replace(marches);
    Bornes->replace(bornes);
    SerieChoisie->clear();
    AxeX->setRange(0.0, std::max(1.0, Intervalles.empty() ? 1.0 : Intervalles.back().Haute));
    AxeY->setRange(0, maximum + 1);
    AxeY->setTickCount(std::min(maximum + 2, 11));
    const std::string but = But();
    AxeY->setTitleText(but.empty() ? QString("Deduced data") : "Observations reaching " + Texte(but));
    if (ChoixObservation->currentIndex() < 0)
        Graphe->setTitle("No observation holds data");
    else if (!but.empty())
        Graphe->setTitle(QString("%1 observations holding data").arg(NumerosObservations.size()));
    else
        Graphe->setTitle(ChoixObservation->currentText());
}

void TBalayageCritique::AfficheTableau() {
    const std::string but = But();
    const char separateur = Etat.Base.SeparateurDecimal;
    Tableau->setColumnHidden(ColAtteignant, but.empty());
    Tableau->setHorizontalHeaderItem(ColAtteignant, new QTableWidgetItem("Reaching " + Texte(but)));
    const QSignalBlocker bloque(Tableau);
    Tableau->clearContents();
    Tableau->setRowCount(static_cast<int>(Intervalles.size()));
    for (std::size_t i = 0; i < Intervalles.size(); ++i) {
        const int ligne = static_cast<int>(i);
        Tableau->setItem(ligne, ColIntervalle, Cellule(Texte(TexteIntervalle(Intervalles[i], separateur))));
        Tableau->setItem(ligne, ColRegles, Cellule(QString::number(Intervalles[i].NbRegles), true));
        const bool couru = i < Balayage.Pas.size();
        Tableau->setItem(ligne, ColDeduits,
                         Cellule(couru ? QString::number(Balayage.Pas[i].NbDeduits) : QString("-"), true));
        Tableau->setItem(ligne, ColAtteignant,
                         Cellule(i < Atteignant.size() ? QString::number(Atteignant[i]) : QString(), true));
        const auto& difference = couru ? Balayage.Pas[i].Difference : TDifferenceFaits{};
        Tableau->setItem(ligne, ColGagnes, Cellule(Lignes(difference.Gagnes, but, "+ ", separateur)));
        Tableau->setItem(ligne, ColPerdus, Cellule(Lignes(difference.Perdus, but, "- ", separateur)));
    }
    Tableau->resizeRowsToContents();
}

int TBalayageCritique::IntervalleDe(double valeur) const {
    if (valeur < 0.0) return -1;
    for (std::size_t i = 0; i < Intervalles.size(); ++i)
        if (valeur <= Intervalles[i].Haute) return static_cast<int>(i);
    return -1;
}

void TBalayageCritique::Marque(int indice) {
    if (indice < 0 || indice >= static_cast<int>(Intervalles.size())) return;
    Indice = indice;
    const auto& intervalle = Intervalles[static_cast<std::size_t>(indice)];
    {
        const QSignalBlocker bloque(Tableau);
        Tableau->selectRow(indice);
    }
    const double y = Hauteur(static_cast<std::size_t>(indice));
    SerieChoisie->replace({QPointF(intervalle.Basse, y), QPointF(intervalle.Haute, y)});
}

void TBalayageCritique::Choisit(int indice) {
    if (indice < 0 || indice >= static_cast<int>(Intervalles.size())) return;
    Marque(indice);
    const auto& intervalle = Intervalles[static_cast<std::size_t>(indice)];
    Choisie = intervalle.Haute;
    const QString valeur = Texte(FormatGeneral(intervalle.Haute, ChiffresAffichage, Etat.Base.SeparateurDecimal));
    LabelChoix->setText(QString("Critical value chosen: %1 (%2 rules take part). Press OK in the parameters "
                                "dialog to use it.")
                            .arg(valeur)
                            .arg(intervalle.NbRegles));
}

bool TBalayageCritique::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == VueGraphe->viewport() && evenement->type() == QEvent::MouseButtonPress) {
        const auto* souris = static_cast<QMouseEvent*>(evenement);
        const QPointF scene = VueGraphe->mapToScene(souris->position().toPoint());
        const QPointF point = Graphe->mapFromScene(scene);
        if (Graphe->plotArea().contains(point)) {
            Choisit(IntervalleDe(Graphe->mapToValue(point, Marches).x()));
            return true;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

}  // namespace veridane
