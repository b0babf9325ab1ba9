// A list of lines whose text is built only when a view asks for it: the
// lists that can hold a line per rule or per dictionary entry (hundreds of
// thousands, a million) neither copy their texts up front nor make an item
// per line. The owner says how many lines there are and how to write one.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <functional>
#include <vector>

class QComboBox;

namespace veridane {

struct TBaseConnaissances;
struct TProposition;

class TModeleLignes : public QAbstractListModel {
    Q_OBJECT
public:
    using TEcriture = std::function<QString(int ligne)>;

    TModeleLignes(QObject* parent, TEcriture ecriture)
        : QAbstractListModel(parent), ecriture_(std::move(ecriture)) {}

    // Shows `nombre` lines from the first, all written anew.
    void Remplit(int nombre);
    // Lines added at the end since the last call: the views learn of them in
    // one insertion, however many there are.
    void Publie(int nombre);
    int Nombre() const { return nombre_; }
    // A line shown but not to be chosen (a notice in place of the lines);
    // -1: none.
    void LigneInerte(int ligne) { inerte_ = ligne; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // A list view lays out every line again whenever lines are added, asking
    // for each line's index: this one makes no virtual calls.
    QModelIndex index(int ligne, int colonne = 0, const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // A line can be dragged where its view allows dragging.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int nombre_ = 0;
    int inerte_ = -1;
    TEcriture ecriture_;
};

// A list view over such lines, every line the same height, so a long list
// lays out in constant time. `multiple`: several lines can be chosen.
QListView* VueLignes(QWidget* parent, const char* nom, TModeleLignes* modele, bool multiple = false);

// A model of the dictionary entries of `base`, one line per entry as the
// dictionary lists show it; the owner says how many lines show.
TModeleLignes* ModeleDictionnaire(QObject* parent, const TBaseConnaissances& base);

// The data of one observation as the windows choosing or removing an
// observation list them, " No data " for an empty one. The observation is
// found by its index at each drawing, so a line drawn while the
// observations change never reads a removed one.
class TModeleObservation : public TModeleLignes {
public:
    using TObservations = std::vector<std::vector<TProposition>>;
    TModeleObservation(QObject* parent, const TBaseConnaissances& base, const TObservations& observations);
    // Observation `indice` (from 0); -1: none, no line.
    void Montre(int indice);
    // An empty observation that is not in the data base: " No data ".
    void MontreVide();

private:
    QString Ligne(int ligne) const;

    const TBaseConnaissances& base_;
    const TObservations& observations_;
    int indice_ = -1;
    bool vide_ = false;
};

// A drop-down list whose choices are the lines of `modele`.
void ChoixDuModele(QComboBox* liste, TModeleLignes* modele);

// The row of the current line when it is selected, else -1.
int LigneChoisie(const QListView* vue);
// The selected rows, in increasing order.
QList<int> LignesChoisies(const QListView* vue);

}  // namespace veridane
