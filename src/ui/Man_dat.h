// The observation data manager: the data of the selected observation are
// copies of dictionary entries, moved in from the dictionary listing and out
// onto a trash can. Every move is confirmed, then shown by a short animation
// at whose last step the observation changes.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "project/etat.h"

class QLabel;
class QMenuBar;
class QLineEdit;
class QPushButton;
class QTimer;

namespace veridane {

class IDialogues;
class TListeGlisser;
class TImageCible;

class TGereFaits : public QDialog {
    Q_OBJECT
public:
    enum class TSens { Ajout, Retrait };

    TGereFaits(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // What the window does each time it is opened.
    void Initialise();
    int Ouvre();

    // Where the window stands, for the main window and tests.
    bool Anime() const { return PasCourant > 0; }
    bool InvitationOuverte() const;

    // The manager inside the what-if window: it works on a scratch copy, so
    // it has no menu and no "What if..." of its own, and Escape is left to
    // the window around it.
    void ModeBrouillon();
    // Runs the steps left of an animation at once: a confirmed move is never
    // lost by closing the window.
    void TermineAnimation();

signals:
    // The data of the observation changed (last step of a move).
    void ObservationModifiee();

public:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    // Refills the dictionary listing.
    void Affiche();
    // Refills the observation list from the selected observation.
    void Affiche2();

    void AddClick();
    void RemoveClick();
    void OKAddClick();
    void OnCancelAddClick();
    // Hides the confirmation prompt.
    void Efface();
    // One step of the animation.
    void Timer1Timer();
    void Close1Click();
    // "What if...": the current observation in a scratch copy.
    void QueSiClick();

    // Pressing the mouse on a line of either list.
    void ListeDicoPresse(int ligne);
    void ListeObservationPresse(int ligne);

    // Drops: `source` is the object name of the list the line comes from.
    bool ListeObservationDragOver(const QString& source) const;
    bool ListeObservationDragDrop(const QString& source, int ligne);
    bool CorbeilleDragOver(const QString& source) const;
    bool CorbeilleDragDrop(const QString& source, int ligne);

private:
    void Construit();
    QWidget* ConstruitChemin(std::array<QLabel*, 4>& labels, const QString& prefixe);
    void MontreInvitation(const QString& texte, const QString& legendeOK);
    void DeplaceAdd();
    void DeplaceRemove();
    // Shows the gliding label of step `pas` (1 to 4) and hides the previous.
    void Glisse(std::array<QLabel*, 4>& labels, int pas);
    void ActiveBoutons(bool actifs);

    TEtatVeridane& Etat;
    IDialogues& Dialogues;
    bool Brouillon = false;

    TSens SensCourant = TSens::Ajout;
    int ChoixCourant = -1;
    std::int32_t PasCourant = 0;  // 0: no animation running
    QString TexteGlisse;

    QLabel* LabelDico = nullptr;
    QLabel* LabelObservation = nullptr;
    TListeGlisser* ListeDico = nullptr;
    TListeGlisser* ListeObservation = nullptr;
    QPushButton* BoutonAjout = nullptr;
    QPushButton* BoutonRetrait = nullptr;
    QPushButton* BoutonQueSi = nullptr;
    QMenuBar* Menu = nullptr;
    QLabel* ImageDico = nullptr;
    QLabel* ImageBase = nullptr;
    TImageCible* Corbeille = nullptr;
    QLineEdit* LigneProposition = nullptr;
    QLabel* LabelCertitude = nullptr;
    QLabel* LabelPrecision = nullptr;
    QPushButton* BoutonOK = nullptr;
    QPushButton* BoutonAnnuler = nullptr;
    std::array<QLabel*, 4> LabelsAjout{};
    std::array<QLabel*, 4> LabelsRetrait{};
    QTimer* Timer1 = nullptr;
};

}  // namespace veridane
