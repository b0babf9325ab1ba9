#include "Impression.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/dialogues.h"
#include "ui/Conversion.h"

namespace veridane {

void ImprimeLignes(IImprimante& imprimante, const std::vector<TLigneImprimee>& lignes) {
    int decalage = 0;  // layout units already printed on the earlier pages
    bool videPage = true;
    for (const TLigneImprimee& ligne : lignes) {
        int y = ligne.Y - decalage;
        if (!videPage && y + imprimante.HauteurLigne() > imprimante.HauteurPage()) {
            imprimante.NouvellePage();
            decalage = ligne.Y - 1;
            y = 1;
        }
        imprimante.Ecrit(ligne.X, y, ligne.Texte);
        videPage = false;
    }
}

TImprimanteQt::TImprimanteQt(const QString& fichierPdf) : fichierPdf_(fichierPdf) {
    if (fichierPdf.isEmpty()) {
        // A machine with printers but none marked as default prints on the
        // first one.
        QPrinterInfo choisie = QPrinterInfo::defaultPrinter();
        if (choisie.isNull() && !QPrinterInfo::availablePrinters().isEmpty())
            choisie = QPrinterInfo::availablePrinters().first();
        imprimante_ = std::make_unique<QPrinter>(choisie, QPrinter::HighResolution);
    } else {
        imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        imprimante_->setOutputFormat(QPrinter::PdfFormat);
        imprimante_->setOutputFileName(fichierPdf);
    }
    imprimante_->setResolution(Resolution);
    imprimante_->setDocName("Tree of reasoning");
}

TImprimanteQt::~TImprimanteQt() {
    if (peintre_ && peintre_->isActive()) peintre_->end();
}

bool TImprimanteQt::Commence() {
    peintre_ = std::make_unique<QPainter>();
    return peintre_->begin(imprimante_.get());
}

void TImprimanteQt::Ecrit(int x, int y, const std::string& texte) {
    // The painter writes on the base line; the layout gives the top-left
    // corner of the line.
    peintre_->drawText(x, y + peintre_->fontMetrics().ascent(), Texte(texte));
}

void TImprimanteQt::NouvellePage() { imprimante_->newPage(); }

int TImprimanteQt::HauteurPage() const { return imprimante_->pageLayout().paintRectPixels(imprimante_->resolution()).height(); }

int TImprimanteQt::HauteurLigne() const {
    return peintre_ && peintre_->isActive() ? peintre_->fontMetrics().height() : 0;
}

bool TImprimanteQt::Termine() { return peintre_->end(); }

std::string TImprimanteQt::Destination() const { return Octets(fichierPdf_); }

bool ImprimanteDisponible() { return !QPrinterInfo::availablePrinters().isEmpty(); }

std::unique_ptr<IImprimante> ChoisitImprimante(IDialogues& dialogues, bool imprimanteDisponible) {
    if (imprimanteDisponible) return std::make_unique<TImprimanteQt>();
    if (dialogues.Demande(QuestionPdf) != TReponse::Oui) return nullptr;
    auto fichier = dialogues.ChoisitFichierAEnregistrer("*.pdf");
    if (!fichier || fichier->empty()) return nullptr;
    QString chemin = Texte(*fichier);
    if (QFileInfo(chemin).suffix().compare("pdf", Qt::CaseInsensitive) != 0) chemin += ".pdf";
    return std::make_unique<TImprimanteQt>(chemin);
}

}  // namespace veridane
