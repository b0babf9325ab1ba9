// The sweep of the critical value, opened from the parameters dialog: one
// run per interval between the distinct priorities of the base shows what
// every critical value does to the chosen observation, as a step chart (the
// number of deduced data, or with a goal the number of observations that
// deduce a datum on it) and as a table of the data each interval gains and
// loses. Clicking an interval, on the chart or in the table, chooses its
// upper bound as the critical value for the parameters dialog.
#pragma once

#include <QDialog>
#include <optional>

#include "inference/balayage.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QTableWidget;
class QValueAxis;

namespace veridane {

struct TEtatVeridane;

class TBalayageCritique : public QDialog {
    Q_OBJECT
public:
    explicit TBalayageCritique(const TEtatVeridane& etat, QWidget* parent = nullptr);

    // Fills the choices from the project and sweeps the selected
    // observation; the interval of the current critical value is chosen.
    void Initialise(double valeurCourante);
    int Ouvre(double valeurCourante);

    // The critical value chosen by clicking an interval, if any.
    std::optional<double> ValeurChoisie() const { return Choisie; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Construit();
    void Balaye();
    void AfficheGraphe();
    void AfficheTableau();
    // Shows the interval at `indice` as the chosen one (table row, chart).
    void Marque(int indice);
    // The person chose the interval: its upper bound is the value chosen.
    void Choisit(int indice);
    // The interval holding a critical value, or -1.
    int IntervalleDe(double valeur) const;
    // The height of the step of interval i.
    int Hauteur(std::size_t i) const;
    std::string But() const;

    const TEtatVeridane& Etat;
    std::vector<std::size_t> NumerosObservations;  // 0-based, per line of the choice
    std::vector<TIntervalleCritique> Intervalles;
    TBalayageObservation Balayage;
    std::vector<int> Atteignant;  // per interval, with a goal
    std::optional<double> Choisie;
    int Indice = -1;

    QComboBox* ChoixObservation = nullptr;
    QComboBox* ChoixBut = nullptr;
    QChart* Graphe = nullptr;
    QChartView* VueGraphe = nullptr;
    QLineSeries* Marches = nullptr;
    QScatterSeries* Bornes = nullptr;
    QLineSeries* SerieChoisie = nullptr;
    QValueAxis* AxeX = nullptr;
    QValueAxis* AxeY = nullptr;
    QTableWidget* Tableau = nullptr;
    QLabel* LabelChoix = nullptr;
    QPushButton* BoutonFermer = nullptr;
};

}  // namespace veridane
