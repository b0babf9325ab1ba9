// The data dictionary manager: the person composes one entry from an
// attribute, an operator and a value (or a set of values), adds it to the
// dictionary or removes an entry no rule uses. Both are shown by a short
// animation (the attribute name gliding towards the dictionary or the trash
// can); the dictionary changes only at its last step.
#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/edition_dico.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace veridane {

class IDialogues;
class TModeleLignes;
struct TEtatVeridane;

class TAjoutFaitsDico : public QDialog {
    Q_OBJECT
public:
    TAjoutFaitsDico(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // What opening the window does: attribute list, the eight operators,
    // set controls hidden, a new empty set, nothing valid.
    void Initialise();
    int Ouvre();

    bool AnimationEnCours() const { return Timer1.isActive(); }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void reject() override;

private slots:
    void Affiche();             // the dictionary listing and its label
    void TrouveLesAttributs();  // the attribute list
    void AffFait();             // the antecedent line
    void AttributChange();
    void ListeAttributsClick();
    void OperateurChange();
    void ValeurChange();
    void AjouteValeurClick();
    void RetireValeurClick();
    void AddClick();
    void RemoveClick();
    void Timer1Timer();
    void Close1Click();
    // A click in one of the composing controls, or in the dictionary listing.
    void ActiveAjout();
    void ActiveRetrait();

private:
    enum class TDirection { Ajout, Retrait };

    void Construit();
    QWidget* ConstruitComposition();
    QWidget* ConstruitDictionnaire();
    void ConstruitEtiquettes();
    void Reinitialise();
    void MontreControlesEnsemble(bool visibles);
    void DeplaceAdd();
    void DeplaceRemove();
    // Puts the gliding label of this step (1..4) on the path between two
    // points and shows it alone.
    void MontreEtiquette(std::array<QLabel*, 4>& etiquettes, int etape, QPoint depart, QPoint arrivee);
    void CacheEtiquettes();
    void AppliqueFermeture();

    TEtatVeridane& Etat;
    IDialogues& Dialogues;
    TFaitEnCours Fait;

    // Animation state.
    QTimer Timer1;
    int Compteur = 0;
    TDirection Direction = TDirection::Ajout;
    TProposition EntreeAjoutee;      // the entry accepted for adding
    std::size_t IndexInsertion = 0;  // where it goes
    std::size_t IndexRetrait = 0;    // the entry chosen for removal

    QLineEdit* EditAttribut = nullptr;
    // Both lists hold hundreds of thousands of lines in a large base: views
    // whose lines are written when drawn.
    QListView* ListeAttributs = nullptr;
    TModeleLignes* ModeleAttributs = nullptr;
    // The attributes of the dictionary in the order of their texts.
    std::vector<std::string> Attributs;
    QComboBox* ComboOperateur = nullptr;
    QLineEdit* EditValeur = nullptr;
    QPushButton* BoutonAjouteValeur = nullptr;
    QComboBox* ComboValeurs = nullptr;
    QPushButton* BoutonRetireValeur = nullptr;
    QLineEdit* LigneAntecedent = nullptr;
    QPushButton* BoutonAjout = nullptr;
    QPushButton* BoutonRetrait = nullptr;
    QLabel* LabelDico = nullptr;
    QListView* ListeDico = nullptr;
    TModeleLignes* ModeleDico = nullptr;
    QLabel* ImageDico = nullptr;
    QLabel* ImagePoubelle = nullptr;
    std::array<QLabel*, 4> EtiquettesAjout{};
    std::array<QLabel*, 4> EtiquettesRetrait{};
};

}  // namespace veridane
