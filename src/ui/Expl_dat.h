// The explanation window: why a datum of the last run was deduced (the
// rules and data it rests on, down to the observed data), or why a
// proposition was not (the rules that could have concluded it and what
// became of each), as a tree to unfold. A double click on a line that names
// a rule shows that rule in the rule viewer.
#pragma once

#include <QDialog>

#include "core/knowledge_base.h"
#include "inference/explication.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace veridane {

class IDialogues;
class TMoteur;
struct TEtatVeridane;

class TExplDat : public QDialog {
    Q_OBJECT
public:
    // Nested explanations of a premise that the "why not" tree goes down to.
    static constexpr int Profondeur = 3;

    TExplDat(TEtatVeridane& etat, IDialogues& dialogues, const TMoteur& moteur, QWidget* parent = nullptr);

    // The engine's last run was recorded: explanations can be given.
    static bool Explicable(const TMoteur& moteur);

    // Opens the window on why the datum at `origine` is known.
    static void OuvrePourquoi(TEtatVeridane& etat, IDialogues& dialogues, const TMoteur& moteur,
                              const TOrigine& origine, QWidget* parent);
    // Asks for a proposition (completed from the dictionary), then opens the
    // window on why it was not established. Nothing when the question is
    // cancelled.
    static void OuvrePourquoiPas(TEtatVeridane& etat, IDialogues& dialogues, const TMoteur& moteur,
                                 QWidget* parent);

    void MontrePourquoi(const TOrigine& origine);
    void MontrePourquoiPas(const TProposition& fait);
    int Ouvre();

    QTreeWidget* Arbre() const { return arbre_; }

private:
    void DoubleClic(QTreeWidgetItem* element);
    QTreeWidgetItem* AjouteNoeud(QTreeWidgetItem* parent, const TNoeudPourquoi& noeud);
    void AjouteExplication(QTreeWidgetItem* parent, const TPourquoiPas& explication);
    void Deplie();

    TEtatVeridane& etat_;
    IDialogues& dialogues_;
    const TMoteur& moteur_;
    QLabel* entete_;
    QTreeWidget* arbre_;
};

}  // namespace veridane
