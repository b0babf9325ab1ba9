// Printing: a print job that writes text lines at device coordinates with the
// printer's default font. The reasoning tree prints through IImprimante; the
// Qt implementation prints on the default printer or into a PDF file.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "inference/textes_inference.h"

class QPainter;
class QPrinter;

namespace veridane {

class IDialogues;

class IImprimante {
public:
    virtual ~IImprimante() = default;
    // Starts the job; false when it could not start.
    virtual bool Commence() = 0;
    // One line whose top-left corner is at (x, y) on the current page.
    virtual void Ecrit(int x, int y, const std::string& texte) = 0;
    virtual void NouvellePage() = 0;
    // Printable height of a page and height of one line, in device units.
    virtual int HauteurPage() const = 0;
    virtual int HauteurLigne() const = 0;
    // Ends the job; false when it failed.
    virtual bool Termine() = 0;
    // Where the printout went: empty for a printer, the file for a PDF.
    virtual std::string Destination() const = 0;
};

// Sends the lines to the printer in order. A line that would pass the bottom
// of the page starts a new page: the rest of the printout moves up so that
// this line is at the top, keeping the spacing of the layout.
void ImprimeLignes(IImprimante& imprimante, const std::vector<TLigneImprimee>& lignes);

class TImprimanteQt : public IImprimante {
public:
    // Resolution of the print jobs: the layout's 100 units per line give a
    // line spacing of 1/6 inch, room for the default font.
    static constexpr int Resolution = 600;

    // The default printer, or a PDF file when `fichierPdf` is given.
    explicit TImprimanteQt(const QString& fichierPdf = {});
    ~TImprimanteQt() override;

    bool Commence() override;
    void Ecrit(int x, int y, const std::string& texte) override;
    void NouvellePage() override;
    int HauteurPage() const override;
    int HauteurLigne() const override;
    bool Termine() override;
    std::string Destination() const override;

private:
    std::unique_ptr<QPrinter> imprimante_;
    std::unique_ptr<QPainter> peintre_;
    QString fichierPdf_;
};

inline constexpr const char* QuestionPdf = "No printer is available. Do you want to save the reasoning as a PDF file?";
inline constexpr const char* MessageNonImprime = "The reasoning could not be printed";
inline constexpr const char* MessageImprimeDans = "The reasoning has been printed in the file ";

// Whether the machine knows a printer.
bool ImprimanteDisponible();

// The printer of the tree: the default printer when there is one; otherwise
// the user is offered a PDF file and names it (nothing when refused or
// cancelled).
std::unique_ptr<IImprimante> ChoisitImprimante(IDialogues& dialogues, bool imprimanteDisponible);

}  // namespace veridane
