// The forward chaining window: runs the inference on the chosen observation,
// shows it live (level, gauge, counters, triggered rules and deduced data),
// lets the user stop it, and afterwards shows the details of a fired rule and
// the reasoning tree.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
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

    // Time spent pumping and painting during the last run, for measurements.
    qint64 DureePompeNs() const { return dureePompeNs_; }

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
    // One clock read per call of the pump, which comes at every rule:
    // the times of the last painting and of the last look at the input,
    // in ns on the run's clock (-1: none yet).
    QElapsedTimer horloge_;
    qint64 dernierePeinture_ = -1;
    qint64 derniereEntree_ = -1;
    // The wait before the next painting, in ns: IntervallePeinture ms, or
    // ten times what the last painting took, so that laying out lists of
    // hundreds of thousands of lines never takes more than a tenth of the run.
    qint64 attentePeinture_ = 0;
    // The run so far, of which the lists show what was published.
    std::vector<int> numerosDeclenchees_;
    std::vector<TProposition> faitsDeduits_;
    int nbDeclenchees_ = 0;
    int nbDeduits_ = 0;
    int totalFaits_ = 0;
    bool compteursEnCours_ = false;
    qint64 dureePompeNs_ = 0;

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
