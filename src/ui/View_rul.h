// The rule viewer: the rules one at a time, with their priority degree.
#pragma once

#include "ui/NavigateurRegles.h"

namespace veridane {

class TViewRul : public TNavigateurRegles {
    Q_OBJECT
public:
    TViewRul(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);
};

}  // namespace veridane
