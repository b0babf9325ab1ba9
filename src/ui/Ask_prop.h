// The "Why not..." question: the proposition to explain, typed in the rules'
// syntax, with the dictionary's entries offered as the text is typed.
#pragma once

#include <QDialog>
#include <optional>

#include "core/knowledge_base.h"

class QLineEdit;

namespace veridane {

class IDialogues;

class TAskProp : public QDialog {
    Q_OBJECT
public:
    TAskProp(const std::vector<TProposition>& dictionnaire, char separateur, IDialogues& dialogues,
             QWidget* parent = nullptr);

    // The proposition read, once the window was accepted.
    const std::optional<TProposition>& Proposition() const { return proposition_; }

public slots:
    // "OK": a text that does not read as a proposition is refused with a
    // warning and the window stays open.
    void accept() override;

private:
    IDialogues& dialogues_;
    QLineEdit* saisie_;
    std::optional<TProposition> proposition_;
};

}  // namespace veridane
