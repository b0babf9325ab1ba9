// The forward chaining window: runs the inference on the chosen observation,
// shows it live (level, gauge, counters, triggered rules and deduced data),
// lets the user stop it, and afterwards shows the details of a fired rule and
// the reasoning tree.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "inference/moteur.h"

class QLabel;
class QListView;
class QModelIndex;
class QProgressBar;
class QPushButton;

namespace veridane {

class IDialogues;
class TModeleLignes;
class TTree;
struct TEtatVeridane;

class TForwChain : public QDialog, public INotificationsMoteur {
    Q_OBJECT
public:
    // Paint the window at most this often during a run (milliseconds).
    static constexpr int IntervallePeinture = 40;
    // Between two paintings, look at the input at most this often: a stop
    // or a close is still seen within a blink, and a run of a million rules
    // does not spend its time asking the window system for nothing.
    static constexpr int IntervalleEntree = 2;
    // At most one part in this many of a run goes to painting.
    static constexpr int PeinturesParRun = 20;

    TForwChain(TEtatVeridane& etat, IDialogues& dialogues, TMoteur& moteur, QWidget* parent = nullptr);

    // The state of a fresh opening: lists empty, buttons of the result hidden.
    void Initialise();
    // Initialise, maximised, and the run starts as soon as the window is
    // shown (its activation).
    int Ouvre();
    bool EnCours() const { return enCours_; }

    // The tree window "View tree of reasoning" opens; without one, a window
    // of its own for each showing.
    void UtiliseArbre(TTree* arbre) { fenetreArbre_ = arbre; }

    // The engine's notifications.
    void DebutNiveau(int niveau) override;
    void ProgressionRegle(int indice, int nbRegles) override;
    void RegleDeclenchee(int numero, int nbDeclenchees) override;
    void FaitDeduit(const TProposition& fait, int nbDeduits, int total) override;
    void FinNiveau() override;
    void FinInference() override;
    // Input is handled every IntervalleEntree ms, so a stop is seen at
    // once; painting only every IntervallePeinture ms, so it does not rule
    // the run.
    void PompeEvenements() override;

public slots:
    void StopClick();
    void ViewTreeClick();
    void ViewRuleClick();
    void TriggeredRulesClick();
    void DeducedDataClick();
    void InitialDataClick();
    void Close1Click();
    void reject() override;
    // "Why?" on the selected triggered rule or deduced datum, and "Why
    // not..." on a proposition asked for: the explanation window.
    void WhyClick();
    void WhyNotClick();

protected:
    bool event(QEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;

private:
    void EcritCompteurs();
    // What the run added since the last painting goes to the counters and
    // the lists, in one step per list.
    void PublieRun();
    void Statut(const std::string& texte);
    void PeintureSuspendue(bool suspendue);
    // The gauge as the engine last reported it, shown while a level runs.
    void PeintJauge();
    void MontreDetails(const std::string& titre, const std::string& texte);
    // The activation: counters, initial data, rules prepared, then the whole
    // run. Coming back from the tree window does not run it again.
    void Lance();
    void MenuExplication(QListView* liste, const QPoint& position);
    // The list clicked last and its selected line (-1: none).
    QListView* ListeSource() const;
    int LigneSource() const;

    TEtatVeridane& etat_;
    IDialogues& dialogues_;
    TMoteur& moteur_;
    TTree* fenetreArbre_ = nullptr;

    bool enCours_ = false;
    bool fermerApres_ = false;
    bool peintureSuspendue_ = false;
    bool sourceDeduits_ = false;  // which list was clicked last: deduced data (true) or triggered rules
    QString statut_;
    int positionJauge_ = 0;
    int finJauge_ = -1;  // the gauge's last position; -1: no level is being scanned
    // One clock read per call of the pump, which comes at every rule:
    // the times of the last painting and of the last look at the input,
    // in ns (-1: none yet).
    qint64 dernierePeinture_ = -1;
    qint64 derniereEntree_ = -1;
    // The wait before the next painting, in ns: IntervallePeinture ms, or
    // PeinturesParRun times what the last painting took, so that laying out
    // lists of hundreds of thousands of lines (a list view lays out every
    // line again when lines are added) takes at most that share of the run.
    qint64 attentePeinture_ = 0;
    // The rules fired so far, of which the list shows what was published;
    // the deduced data are the engine's.
    std::vector<int> numerosDeclenchees_;
    int nbDeclenchees_ = 0;
    int nbDeduits_ = 0;
    int totalFaits_ = 0;
    bool compteursEnCours_ = false;

    QLabel* compteurRegles_;
    QLabel* compteurBase_;
    QLabel* compteurDeclenchees_;
    QLabel* compteurInitiaux_;
    QLabel* compteurDeduits_;
    TModeleLignes* modeleDeclenchees_;
    TModeleLignes* modeleInitiaux_;
    TModeleLignes* modeleDeduits_;
    QListView* declenchees_;
    QListView* initiaux_;
    QListView* deduits_;
    QPushButton* stop_;
    QPushButton* arbre_;
    QPushButton* details_;
    QPushButton* pourquoi_;
    QPushButton* pourquoiPas_;
    QLabel* texteStatut_;
    QProgressBar* jauge_;
};

}  // namespace veridane
