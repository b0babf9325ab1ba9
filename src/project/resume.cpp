#include "resume.h"

namespace veridane {

namespace {

std::vector<std::string> Lignes(const std::vector<TModalite>& commentaires) {
    std::vector<std::string> lignes;
    for (const TModalite& c : commentaires) lignes.push_back(c.Nom);
    return lignes;
}

std::string OuSinon(const std::string& texte, const char* remplacement) {
    return texte.empty() ? remplacement : texte;
}

}  // namespace

TEtiquettesResume EtiquettesResume(const TProjet& projet) {
    return {OuSinon(projet.NomProjet, "noname.exp"), OuSinon(projet.RepertoireProjet, "current directory"),
            projet.FichRulNomme ? OuSinon(projet.NomFichRul, "(none)") : "(none)",
            projet.FichDatNomme ? OuSinon(projet.NomFichDat, "(none)") : "(none)"};
}

bool SansCommentaireProjet(const TProjet& projet) {
    return !projet.CommentairesProjet || projet.CommentairesProjet->empty();
}

std::vector<std::string> LignesMontreProjet(const TEtatVeridane& etat) {
    if (SansCommentaireProjet(etat.Projet)) return Lignes(etat.Base.CommentairesRegles);
    return Lignes(*etat.Projet.CommentairesProjet);
}

std::vector<std::string> LignesChangeComment(const TEtatVeridane& etat, bool base) {
    if (base) return Lignes(etat.Faits.CommentairesBase);
    return etat.Projet.CommentairesProjet ? Lignes(*etat.Projet.CommentairesProjet) : std::vector<std::string>{};
}

std::vector<TModalite> CommentairesDepuisLignes(const std::vector<std::string>& lignes) {
    std::vector<TModalite> commentaires;
    for (const std::string& ligne : lignes) commentaires.push_back({ligne});
    return commentaires;
}

std::vector<std::string> DecoupeLignes(const std::string& texte) {
    std::vector<std::string> lignes;
    if (texte.empty()) return lignes;
    std::size_t debut = 0;
    for (;;) {
        std::size_t fin = texte.find('\n', debut);
        std::string ligne = texte.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        lignes.push_back(ligne);
        if (fin == std::string::npos) return lignes;
        debut = fin + 1;
    }
}

void OKAbstractClick(TEtatVeridane& etat, bool base, const std::vector<std::string>& lignes) {
    if (base)
        etat.Faits.CommentairesBase = CommentairesDepuisLignes(lignes);
    else
        etat.Projet.CommentairesProjet = CommentairesDepuisLignes(lignes);
}

}  // namespace veridane
