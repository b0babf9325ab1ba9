// Dragging a line of a list onto another list or onto a picture. The dragged
// data name the list they come from (its object name) and the line, so that
// a drop target can tell where a drag started without the drag's source
// object, and a test can build the same data for a drop event of its own.
#pragma once

#include <QLabel>
#include <QListView>
#include <QString>
#include <functional>
#include <optional>

#include "ui/ModeleLignes.h"

class QMimeData;

namespace veridane {

// The type of the dragged data.
inline constexpr const char* MimeLigneGlissee = "application/x-veridane-ligne";

struct TLigneGlissee {
    QString Source;  // object name of the list the line comes from
    int Ligne = -1;
};

// The dragged data for line `ligne` of list `source`; the caller owns them.
QMimeData* NouvelleLigneGlissee(const QString& source, int ligne);
// The line carried by dragged data, if they carry one.
std::optional<TLigneGlissee> LigneGlissee(const QMimeData* donnees);

// What a drop target does: whether it takes a line from that list, and what
// happens when one is dropped.
struct TRegleDepot {
    std::function<bool(const QString& source)> Accepte;
    std::function<void(const QString& source, int ligne)> Depose;
};

// A list whose lines can be dragged (as copies: a drag never moves a line)
// and, when it has a drop rule, that takes the lines its rule accepts.
// Its lines are written when drawn, by `ecriture`.
class TListeGlisser : public QListView {
    Q_OBJECT
public:
    TListeGlisser(QWidget* parent, TModeleLignes::TEcriture ecriture);
    void DefinitDepot(TRegleDepot regle);
    // Shows `nombre` lines, written anew.
    void Remplit(int nombre) { Modele->Remplit(nombre); }
    int Nombre() const { return Modele->Nombre(); }
    // The line chosen, as a click on it does.
    void Choisit(int ligne);

signals:
    // A mouse press, after the line under it was selected (-1: no line).
    void Presse(int ligne);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TRegleDepot Regle;
    TModeleLignes* Modele;
};

// A picture that takes the dropped lines its rule accepts.
class TImageCible : public QLabel {
    Q_OBJECT
public:
    explicit TImageCible(QWidget* parent = nullptr);
    void DefinitDepot(TRegleDepot regle);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TRegleDepot Regle;
};

}  // namespace veridane
