// A person at the keyboard and the mouse, for the window tests.
//
// TParcours uses a window's menu items and tool buttons, then answers each
// modal window as it comes up (QApplication::activeModalWidget(), watched
// from a timer) through its controls only: it clicks buttons, picks list
// lines and types keys. It never calls a window's slots or members.
//
//     TParcours parcours;
//     parcours.Puis("Select an observation for the inference", Clique("Select observation"))
//             .Puis("Observation 3 containing", Clique("OK"))
//             .Puis("ForwChain", [&](QWidget& fenetre) { ... });
//     QVERIFY2(parcours.Choisit(menu, "Forwardchaining1"), qPrintable(parcours.Erreur()));
//
// Each answer waits for the next modal window it recognises; answers are
// used in the order they were queued. A gesture may open further windows
// (clicking "Print" opens a question): the answers queued after it handle
// those while it waits, and it goes on once they are closed.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QComboBox;
class QDialog;
class QLineEdit;
class QAbstractItemView;
class QAction;
class QScrollBar;
class QWidget;

namespace veridane {

class TParcours {
public:
    // What a person does in one modal window.
    using TGeste = std::function<void(QWidget& fenetre)>;

    // How long a modal window may stay up with no answer for it (ms)
    // before the journey fails and the window is closed.
    static constexpr int Delai = 10000;

    TParcours();
    ~TParcours();

    // The next modal window recognised by `attendu` is answered by
    // `geste`. `attendu` is the window's object name, its title, its class
    // ("QFileDialog"), the beginning of a message box's text, or "*" for
    // whichever window comes up.
    // With `pret`, the answer also waits until the window is in the state
    // a person waits for (a run over, an animation done) before acting.
    TParcours& Puis(const QString& attendu, TGeste geste, std::function<bool(QWidget&)> pret = {});

    // Uses the menu item or tool button `nom` of `fenetre` (object name of
    // the QAction, or of a button) as a person does, and returns once the
    // windows it opened are closed. False, with Erreur() saying why, when
    // the command is not usable, a window came up that no answer
    // expected, or answers were left unused. Call it from the test, not
    // from a gesture.
    bool Choisit(QWidget& fenetre, const char* nom);
    // The same for what a person sets off otherwise, typically the opening
    // of one window by its own Ouvre(), as the window that leads to it
    // does: runs `action` and answers the windows that come up meanwhile.
    bool Execute(const std::function<void()>& action);

    QString Erreur() const { return Erreurs.join('\n'); }
    // Each modal window answered or met, in order: a message box's text,
    // else the window's title.
    QStringList Vus;

private:
    struct TReponse {
        QString Attendu;
        TGeste Geste;
        std::function<bool(QWidget&)> Pret;
    };
    void Veille();
    void Joue(QWidget* fenetre, const TReponse& reponse);
    void Force(QWidget* fenetre);

    std::deque<TReponse> Reponses;
    QStringList Erreurs;
    QTimer Minuterie;
    QList<QPointer<QWidget>> Occupees;  // windows whose gesture is running
    bool Programmee = false;            // a gesture waits to start
    qint64 DepuisSansReponse = -1;      // ms when an unanswered window was first seen
};

// Usual gestures and look-ups, all through the controls.
namespace geste {

// Clicks the visible button whose text (without '&') is `texte`.
TParcours::TGeste Clique(const QString& texte);
// Types `texte` into the focused control, then presses the keys `touches`.
TParcours::TGeste Tape(const QString& texte, QList<Qt::Key> touches = {});
// Presses one key on the focused control.
TParcours::TGeste Touche(Qt::Key touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier);
// In a file dialog: types the path in the file name field, then Enter.
TParcours::TGeste NommeFichier(const QString& chemin);
// Uses the menu item or tool button `nom` of the window.
TParcours::TGeste Utilise(const char* nom);
// Several gestures in the same window, one after the other.
TParcours::TGeste Suite(std::initializer_list<TParcours::TGeste> gestes);

}  // namespace geste

// Clicks the visible, enabled button of `fenetre` showing `texte`; false
// when there is none.
bool CliqueBouton(QWidget& fenetre, const QString& texte);
// Enabled, visible and in an enabled menu: usable by a person.
bool ActionUtilisable(QAction& action);
// Uses a menu item (checks it is enabled, visible, in an enabled menu) or
// clicks a tool button or push button, by object name; false when unusable.
bool UtiliseCommande(QWidget& fenetre, const char* nom);
// Clicks line `ligne` of the list `nom` at its rectangle, or the line
// showing `texte`.
bool CliqueLigne(QWidget& fenetre, const char* nom, int ligne);
bool CliqueLigne(QWidget& fenetre, const char* nom, const QString& texte);
// In the drop-down list `nom`, moves with the arrow keys to `texte`.
bool ChoisitDans(QWidget& fenetre, const char* nom, const QString& texte);
// Types `texte` into the field `nom` after emptying it.
bool Remplit(QWidget& fenetre, const char* nom, const QString& texte);
// Types `texte` key by key into `controle`: a line break is the Return
// key, accented letters come as typed text.
void TapeTexte(QWidget* controle, const QString& texte);
// Processes events until `condition` holds or `ms` have passed.
bool Attend(const std::function<bool()>& condition, int ms = TParcours::Delai);

// The same gestures on a control already found, for the tests of one
// window opened by the test itself.
// Finds the control `nom` of `fenetre`; a missing control ends the program.
template <class T>
T* Controle(QObject& fenetre, const char* nom) {
    T* controle = fenetre.findChild<T*>(nom);
    if (!controle) qFatal("no control %s", nom);
    return controle;
}
// Clicks line `ligne` at its rectangle (the right button opens a line's menu).
void CliqueLigne(QAbstractItemView* liste, int ligne, Qt::MouseButton bouton = Qt::LeftButton);
void DoubleCliqueLigne(QAbstractItemView* liste, int ligne);
// Moves with the arrow keys to `texte`, as a person choosing from the list.
void Choisit(QComboBox* liste, const QString& texte);
// Replaces what the field holds by typed text.
void Tape(QLineEdit* champ, const QString& texte);
// One step of a scroll bar, as a click on its arrow gives.
void AvanceBarre(QScrollBar* barre);
// Acts on the next modal window as soon as it shows, from the event loop it
// runs (a message box, a dialog opened with exec()).
void QuandModale(std::function<void(QWidget&)> action, int essais = 200);
// The texts of a list's lines, or of a table's column.
QStringList Lignes(const QAbstractItemView* liste, int colonne = 0);
// Clicks the button `bouton` of `fenetre` and plays `action` on the modal
// window titled `titre` that it opens, closed afterwards whatever happens so
// that a failed check cannot hang the test. False when that window did not
// come up or a check in `action` failed.
bool DansLaModale(QWidget& fenetre, const char* bouton, const QString& titre,
                  const std::function<void(QDialog&)>& action);

// What the person reads: the text of a label, button, field or text area,
// and the lines of a list or drop-down list.
QString TexteDe(QWidget& fenetre, const char* nom);
QStringList LignesDe(QWidget& fenetre, const char* nom);

}  // namespace veridane
