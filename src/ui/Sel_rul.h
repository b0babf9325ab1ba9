// The rule chooser: the rule browser with "Select rule", which opens the
// rule modification window on the rule shown.
#pragma once

#include "ui/Mod_rul.h"
#include "ui/NavigateurRegles.h"

namespace veridane {

class TSelectRul : public TNavigateurRegles {
    Q_OBJECT
public:
    TSelectRul(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    TModifRule& ModifRule() { return *Modification; }

protected:
    void ActionClick() override { SelectRuleClick(); }

private:
    void SelectRuleClick();
    TModifRule* Modification = nullptr;
};

}  // namespace veridane
