// The forward chaining window: runs the inference on the chosen observation,
// shows it live (level, gauge, counters, triggered rules and deduced data),
// lets the user stop it, and afterwards shows the details of a fired rule and
// the reasoning tree.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <string>

#include "inference/moteur.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace veridane {

class IDialogues;
class TTree;
struct TEtatVeridane;

class TForwChain : public QDialog, public INotificationsMoteur {
    Q_OBJECT
public:
    // Paint the window at most this often during a run (milliseconds).
    static constexpr int IntervallePeinture = 40;

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
    // Input is handled at every call, so a stop is seen at the next rule;
    // painting only every IntervallePeinture ms, so it does not rule the run.
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
    void Statut(const std::string& texte);
    void PeintureSuspendue(bool suspendue);
    void MontreDetails(const std::string& titre, const std::string& texte);
    // The activation: counters, initial data, rules prepared, then the whole
    // run. Coming back from the tree window does not run it again.
    void Lance();
    void MenuExplication(QListWidget* liste, const QPoint& position);

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
    QElapsedTimer depuisPeinture_;
    qint64 dureePompeNs_ = 0;

    QLabel* compteurRegles_;
    QLabel* compteurBase_;
    QLabel* compteurDeclenchees_;
    QLabel* compteurInitiaux_;
    QLabel* compteurDeduits_;
    QListWidget* declenchees_;
    QListWidget* initiaux_;
    QListWidget* deduits_;
    QPushButton* stop_;
    QPushButton* arbre_;
    QPushButton* details_;
    QPushButton* pourquoi_;
    QPushButton* pourquoiPas_;
    QLabel* texteStatut_;
    QProgressBar* jauge_;
};

}  // namespace veridane
