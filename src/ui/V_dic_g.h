// The global view of the data dictionary: every entry in one list.
#pragma once

#include <QDialog>

#include "project/etat.h"

class QLabel;
class QListView;

namespace veridane {

class IDialogues;
class TModeleLignes;

class TViewDicGlob : public QDialog {
    Q_OBJECT
public:
    TViewDicGlob(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // What the window does each time it is opened.
    void Initialise();
    int Ouvre();

private slots:
    void FormActivate();
    void Close1Click();

private:
    TEtatVeridane& Etat;
    QLabel* LabelNombre = nullptr;
    // One line per entry, written when drawn: a large base has a million.
    QListView* ListeDico = nullptr;
    TModeleLignes* ModeleDico = nullptr;
};

}  // namespace veridane
