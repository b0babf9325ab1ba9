// The reasoning tree window: the observation's data (level 0) and, level by
// level, the rules fired with their conclusions; prints the tree.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "inference/explication.h"

#include "ui/Impression.h"

class QPlainTextEdit;

namespace veridane {

class IDialogues;
class TMoteur;
struct TEtatVeridane;

class TTree : public QDialog {
    Q_OBJECT
public:
    TTree(TEtatVeridane& etat, IDialogues& dialogues, const TMoteur& moteur, QWidget* parent = nullptr);

    // Fills both areas from the engine's current reasoning.
    void Initialise();
    int Ouvre();

    // Where the printout goes; by default the default printer, or a PDF file
    // the user names when the machine has no printer. Tests replace it.
    void FixeImprimante(std::function<std::unique_ptr<IImprimante>()> choisit) { choisit_ = std::move(choisit); }

    QPlainTextEdit* Niveau0() const { return niveau0_; }
    QPlainTextEdit* Niveaux() const { return niveaux_; }

public slots:
    // The "Print" button and "&Print": asks, prints, tells.
    void Print1Click();
    void Close1Click();
    // "Why?" on the line of the cursor (a datum or a fired rule), "Why
    // not..." on a proposition asked for: the explanation window.
    void WhyClick();
    void WhyNotClick();

private:
    void MenuExplication(QPlainTextEdit* zone, const QPoint& position);
    std::optional<TOrigine> OrigineLigne(QPlainTextEdit* zone, int ligne) const;

    TEtatVeridane& etat_;
    IDialogues& dialogues_;
    const TMoteur& moteur_;
    std::function<std::unique_ptr<IImprimante>()> choisit_;
    QPlainTextEdit* niveau0_;
    QPlainTextEdit* niveaux_;
    QPlainTextEdit* zoneCourante_ = nullptr;  // the area whose line "Why?" explains
    QAction* pourquoi_;
    QAction* pourquoiPas_;
    // The datum of each line of the lower area (the levels); nothing on a
    // "Level" line.
    std::vector<std::optional<TOrigine>> originesNiveaux_;
};

}  // namespace veridane
