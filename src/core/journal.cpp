#include "journal.h"

namespace veridane {

TReponse TDialoguesJournal::Message(TGenreMessage genre, const std::string& texte, TBoutons boutons) {
    Messages.push_back({genre, texte, boutons});
    if (boutons == TBoutons::Ok) return TReponse::Ok;
    if (Reponses.empty()) return ReponseParDefaut;
    TReponse r = Reponses.front();
    Reponses.pop_front();
    return r;
}

static std::optional<std::string> Suivant(std::deque<std::optional<std::string>>& fichiers) {
    if (fichiers.empty()) return std::nullopt;
    auto f = fichiers.front();
    fichiers.pop_front();
    return f;
}

std::optional<std::string> TDialoguesJournal::ChoisitFichierAOuvrir(const std::string& motif) {
    Motifs.push_back(motif);
    return Suivant(Fichiers);
}

std::optional<std::string> TDialoguesJournal::ChoisitFichierAEnregistrer(const std::string& motif) {
    Motifs.push_back(motif);
    return Suivant(Fichiers);
}

std::vector<std::string> TDialoguesJournal::Textes() const {
    std::vector<std::string> textes;
    for (const auto& m : Messages) textes.push_back(m.Texte);
    return textes;
}

int TDialoguesJournal::NbAvertissements() const {
    int n = 0;
    for (const auto& m : Messages) n += m.Genre == TGenreMessage::Avertissement;
    return n;
}

}  // namespace veridane
