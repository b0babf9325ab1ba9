// The layout and navigation shared by the two one-at-a-time viewers (the
// dictionary viewer and the data base viewer): a position label, attribute
// and operator fields, a value list, a scroll bar over the positions and a
// menu with "Close", "First", "Last", "Next", "Previous".
#pragma once

#include <QDialog>

#include "project/vues_donnees.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace veridane {

class TVisionneuse : public QDialog {
    Q_OBJECT
public:
    int Position() const { return PositionCourante; }
    int Nombre() const { return NombreCourant; }

protected:
    explicit TVisionneuse(QWidget* parent);

    // Shows the item at Position().
    virtual void MontrePosition() = 0;

    // Back to position 1 over `nombre` positions, scroll bar included.
    void PlacePositions(int nombre);
    void MontreVue(const TVueDonnee& vue);
    // Empties the position label, both fields and the value list.
    void VideVue();

    QLabel* LabelPosition = nullptr;
    QLineEdit* ChampAttribut = nullptr;
    QLineEdit* ChampOperateur = nullptr;
    QListWidget* ListeValeurs = nullptr;
    QScrollBar* ScrollBar1 = nullptr;

private slots:
    void First1Click();
    void Last1Click();
    void Next1Click();
    void Previous1Click();
    void Close1Click();
    // The scroll bar moved: shows the item at its position.
    void ScrollBar1Change(int position);

private:
    void VaA(int position);

    int PositionCourante = 1;
    int NombreCourant = 1;
};

}  // namespace veridane
