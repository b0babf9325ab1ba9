// A modal window carrying the title and help context of a main-window
// command, with a "&Close" menu. The main window opens it for the commands
// whose own window it does not hold; replacing one by its real window is one
// line in the main window's list of windows.
#pragma once

#include <QDialog>
#include <QString>

#include "core/dialogues.h"
#include "project/etat.h"

namespace veridane {

class TFenetreCommande : public QDialog {
    Q_OBJECT
public:
    TFenetreCommande(TEtatVeridane& etat, IDialogues& dialogues, const QString& titre, int contexteAide,
                     QWidget* parent = nullptr);

    void Initialise() {}
    int Ouvre();

public slots:
    void Close1Click() { accept(); }
};

}  // namespace veridane
