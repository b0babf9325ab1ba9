// The project windows of the command-line program: nobody is there to look
// at an abstract or to type a commentary, so the abstract is left out and
// every commentary stays as it was read.
#pragma once

#include "project/fenetres_projet.h"

namespace veridane {

class TFenetresConsole : public IFenetresProjet {
public:
    TChoixNouveauProjet NouveauProjet() override { return TChoixNouveauProjet::Annuler; }
    void GestionnaireDico() override {}
    void MontreProjet() override {}
    void ChangeComment(bool) override {}
};

}  // namespace veridane
