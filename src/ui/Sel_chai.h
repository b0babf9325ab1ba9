// The observation selection window: the user browses the observations of the
// data base and chooses the one the inference reasons on; choosing it opens
// the forward chaining window.
#pragma once

#include <QDialog>

class QLabel;
class QListView;
class QPushButton;
class QScrollBar;
class QAction;

namespace veridane {

class TModeleObservation;

class IDialogues;
class TForwChain;
class TMoteur;
struct TEtatVeridane;

class TSelChain : public QDialog {
    Q_OBJECT
public:
    TSelChain(TEtatVeridane& etat, IDialogues& dialogues, TMoteur& moteur, QWidget* parent = nullptr);

    // Activation: with a single observation goes straight to the forward
    // chaining window and closes afterwards; otherwise sets the scroll bar
    // over the observations and shows the selected one.
    void Initialise();
    int Ouvre();

    // The forward chaining window a chosen observation opens; without one, a
    // window of its own for each choice.
    void UtiliseChainage(TForwChain* chainage) { chainage_ = chainage; }

    // True once a chosen observation's inference window has been closed: the
    // selection window has closed with it.
    bool Terminee() const { return terminee_; }

    int Position() const;

public slots:
    void ScrollBar1Change();
    void First1Click();
    void Last1Click();
    void Next1Click();
    void Previous1Click();
    void ListBox1Click();
    // "Select observation" and "&Select": chooses the displayed observation.
    void BitBtn1Click();
    void Close1Click();

private:
    int NbObservations() const;
    void Redisplay();
    void Choisit(int numero);
    void OuvreChainage();

    TEtatVeridane& etat_;
    IDialogues& dialogues_;
    TMoteur& moteur_;
    TForwChain* chainage_ = nullptr;
    bool terminee_ = false;

    QLabel* position_;
    QScrollBar* defilement_;
    // The data of the observation shown, written when drawn.
    QListView* donnees_;
    TModeleObservation* modeleDonnees_;
    QPushButton* choisir_;
};

}  // namespace veridane
