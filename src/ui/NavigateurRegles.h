// The rule browser shared by the rule chooser, the rule viewer and the rule
// eraser: one rule of the rules base at a time, a scroll bar with one
// position per rule, and the menu "Close", "First", "Last", "Next",
// "Previous". What differs between the three is data (titles, the word of
// the header line, the action button, the help context).
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace veridane {

class IDialogues;
struct TEtatVeridane;

struct TGenreNavigateur {
    const char* TitreInitial;  // before the first opening
    const char* MotDegre;      // "Belief degree" or "Priority degree"
    const char* Action;        // caption of the action button; nullptr: none
    int ContexteAide;
};

class TNavigateurRegles : public QDialog {
    Q_OBJECT
public:
    TNavigateurRegles(TEtatVeridane& etat, IDialogues& dialogues, const TGenreNavigateur& genre,
                      QWidget* parent = nullptr);

    // What opening the window does: the title with the count, the scroll bar
    // over every rule, the first rule shown.
    void Initialise();
    int Ouvre();

protected:
    void AfficheRegle(int index);
    // The action button ("Select rule", "Remove rule").
    virtual void ActionClick() {}
    // Range 0..NbRegles-1, at the current rule, without redisplaying.
    void RegleBarre();

    TEtatVeridane& Etat;
    IDialogues& Dialogues;
    const TGenreNavigateur& Genre;
    int Courante = 0;
    QPlainTextEdit* Memo1 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QPushButton* BoutonAction = nullptr;

private slots:
    void Affichage();
    void First1Click();
    void Last1Click();
    void Next1Click();
    void Previous1Click();
    void ScrollBar1Change(int position);
    void Close1Click();
};

}  // namespace veridane
