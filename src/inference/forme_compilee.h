// The rules base as the engine walks it: premise attributes as small ids
// instead of texts, the premises of each rule side by side in one array, and
// from each attribute the rules that test it, all in a few flat arrays (no
// allocation per rule). It is built once from the rules and serves every run
// on the same base (each observation, each sweep) until a rule's premises
// change; Decrit tells whether it still matches the rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/knowledge_base.h"

namespace veridane {

class TFormeCompilee {
public:
    static constexpr std::uint32_t Aucun = UINT32_MAX;

    TFormeCompilee() = default;
    explicit TFormeCompilee(const std::vector<TRegle>& regles);

    // Whether this form describes `regles`: same number of rules, of
    // premises in each, and the same attribute in every premise.
    bool Decrit(const std::vector<TRegle>& regles) const;

    std::size_t NbRegles() const { return DebutPremisses_.empty() ? 0 : DebutPremisses_.size() - 1; }
    std::size_t NbAttributs() const { return DebutNoms_.empty() ? 0 : DebutNoms_.size() - 1; }

    // The id of an attribute that some premise tests, or Aucun.
    std::uint32_t Attribut(std::string_view nom) const;
    std::string_view NomAttribut(std::uint32_t id) const;
    // The ids of the data's attributes (Aucun for those no premise tests),
    // looked up in batches.
    void Attributs(const std::vector<TProposition>& faits, std::vector<std::uint32_t>& ids) const;

    // Where the premises of rule i start in the arrays indexed by premise
    // (their ids, the engine's run state), and their ids in premise order.
    std::size_t PremierePremisse(std::size_t regle) const { return DebutPremisses_[regle]; }
    std::span<const std::uint32_t> AttributsPremisses(std::size_t regle) const {
        return {AttributPremisse_.data() + DebutPremisses_[regle], AttributPremisse_.data() + DebutPremisses_[regle + 1]};
    }
    std::size_t NbPremisses() const { return AttributPremisse_.size(); }

    // The rules with a premise on this attribute, ascending, each once.
    std::span<const std::uint32_t> ReglesDe(std::uint32_t attribut) const {
        return {ReglesParAttribut_.data() + DebutRegles_[attribut], ReglesParAttribut_.data() + DebutRegles_[attribut + 1]};
    }

    // Bytes held by the form.
    std::size_t Octets() const;

private:
    static constexpr std::size_t Lot = 64;
    void Anticipe(const std::size_t* haches, std::size_t nombre) const;
    std::uint32_t Interne(std::string_view nom, std::size_t hache);
    std::size_t Case(std::string_view nom, std::size_t hache) const;
    std::uint32_t Marque(std::size_t hache) const;
    std::uint32_t Contenu(std::uint32_t c) const;
    void Agrandit();

    // The attribute texts end to end; name k spans DebutNoms_[k] .. [k + 1].
    std::string Noms_;
    std::vector<std::uint32_t> DebutNoms_;
    // Open addressing, at most half full: per slot id + 1 in the low
    // BitsId_ bits (0 for an empty slot) and above them as many bits of the
    // name's hash as are left, so that a name is rarely compared with
    // another one. The table has 2^BitsId_ slots, so id + 1 always fits.
    std::vector<std::uint32_t> Cases_;
    unsigned BitsId_ = 0;

    std::vector<std::uint32_t> DebutPremisses_;     // rule -> first premise; one past the end last
    std::vector<std::uint32_t> AttributPremisse_;   // premise -> attribute id
    std::vector<std::uint32_t> DebutRegles_;        // attribute -> first entry of ReglesParAttribut_
    std::vector<std::uint32_t> ReglesParAttribut_;
};

// The compiled form kept from one run to the next: Pour gives a form that
// describes the rules, compiling them again only when they changed.
class TCompilation {
public:
    const TFormeCompilee& Pour(const std::vector<TRegle>& regles) {
        if (!Forme_ || !Forme_->Decrit(regles)) {
            Forme_.reset();  // the old form goes before the new one is built
            Forme_.emplace(regles);
            ++NbCompilations_;
        }
        return *Forme_;
    }
    int NbCompilations() const { return NbCompilations_; }
    const TFormeCompilee* Forme() const { return Forme_ ? &*Forme_ : nullptr; }

private:
    std::optional<TFormeCompilee> Forme_;
    int NbCompilations_ = 0;
};

}  // namespace veridane
