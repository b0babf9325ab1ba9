// The rule eraser: the rule browser with "Remove rule", which takes the rule
// shown out of the rules base after confirmation.
#pragma once

#include "ui/NavigateurRegles.h"

namespace veridane {

class TRemovRul : public TNavigateurRegles {
    Q_OBJECT
public:
    TRemovRul(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

protected:
    void ActionClick() override { RemoveRuleClick(); }

private:
    void RemoveRuleClick();
};

}  // namespace veridane
