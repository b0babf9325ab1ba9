// The rule eraser: the rule browser with "Remove rule", which takes the rule
// shown out of the rules base after confirmation.
#pragma once

#include "ui/NavigateurRegles.h"

namespace veridane {

class TRemovRul : public TNavigateurRegles {
    Q_OBJECT
public:
    TRemovRul(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

public slots:
    void RemoveRuleClick();

protected:
    void ActionClick() override { RemoveRuleClick(); }
};

}  // namespace veridane
