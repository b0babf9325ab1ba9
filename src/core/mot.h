// A word of a proposition (its attribute name or its symbolic value) in
// sixteen bytes, half a std::string: a large base holds millions of them,
// almost all short. Up to fifteen bytes live inside the object; a longer word
// lives in one heap block of its exact size. A word reads as a
// std::string_view and converts to std::string where a text is built from it.
#pragma once

#include <bit>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

namespace veridane {

class TMot {
public:
    TMot() noexcept { Vide(); }
    TMot(std::string_view texte) { Copie(texte); }
    TMot(const std::string& texte) : TMot(std::string_view(texte)) {}
    TMot(const char* texte) : TMot(std::string_view(texte)) {}
    TMot(const TMot& autre) { Copie(autre.vue()); }
    TMot(TMot&& autre) noexcept {
        std::memcpy(Octets_, autre.Octets_, sizeof Octets_);
        autre.Vide();
    }
    ~TMot() { Libere(); }

    TMot& operator=(const TMot& autre) {
        if (this != &autre) Remplace(autre.vue());
        return *this;
    }
    TMot& operator=(TMot&& autre) noexcept {
        if (this != &autre) {
            Libere();
            std::memcpy(Octets_, autre.Octets_, sizeof Octets_);
            autre.Vide();
        }
        return *this;
    }
    TMot& operator=(std::string_view texte) {
        Remplace(texte);
        return *this;
    }
    TMot& operator=(const std::string& texte) { return *this = std::string_view(texte); }
    TMot& operator=(const char* texte) { return *this = std::string_view(texte); }

    std::size_t size() const noexcept { return Externe() ? Longueur() : EnPlace - Octets_[EnPlace]; }
    bool empty() const noexcept { return size() == 0; }
    // Always followed by a zero byte: an inline word of fifteen bytes ends on
    // its count of free bytes, which is then zero.
    const char* data() const noexcept { return Externe() ? Pointeur() : Octets_; }
    void clear() noexcept {
        Libere();
        Vide();
    }

    std::string_view vue() const noexcept { return {data(), size()}; }
    operator std::string_view() const noexcept { return vue(); }
    std::string str() const { return std::string(vue()); }
    int compare(std::string_view autre) const noexcept { return vue().compare(autre); }

    // Two inline words are equal exactly when their sixteen bytes are: the
    // unused bytes are always zero.
    friend bool operator==(const TMot& a, const TMot& b) noexcept {
        if (!a.Externe() && !b.Externe()) return std::memcmp(a.Octets_, b.Octets_, sizeof a.Octets_) == 0;
        return a.vue() == b.vue();
    }
    friend bool operator==(const TMot& a, std::string_view b) noexcept { return a.vue() == b; }
    friend bool operator==(const TMot& a, const std::string& b) noexcept { return a.vue() == b; }
    friend bool operator==(const TMot& a, const char* b) noexcept { return a.vue() == b; }
    friend std::strong_ordering operator<=>(const TMot& a, const TMot& b) noexcept { return a.vue() <=> b.vue(); }
    friend std::strong_ordering operator<=>(const TMot& a, std::string_view b) noexcept { return a.vue() <=> b; }
    friend std::strong_ordering operator<=>(const TMot& a, const std::string& b) noexcept {
        return a.vue() <=> std::string_view(b);
    }
    friend std::strong_ordering operator<=>(const TMot& a, const char* b) noexcept {
        return a.vue() <=> std::string_view(b);
    }

    friend std::string operator+(const TMot& a, const std::string& b) { return Joint(a.vue(), b); }
    friend std::string operator+(const TMot& a, const char* b) { return Joint(a.vue(), b); }
    friend std::string operator+(const TMot& a, char b) { return Joint(a.vue(), std::string_view(&b, 1)); }
    friend std::string operator+(std::string a, const TMot& b) { return std::move(a.append(b.vue())); }
    friend std::string operator+(const char* a, const TMot& b) { return Joint(a, b.vue()); }
    friend std::string& operator+=(std::string& a, const TMot& b) { return a.append(b.vue()); }

private:
    static constexpr std::size_t EnPlace = 15;  // bytes a word holds inline
    static constexpr unsigned char Marque = 0x80;  // last byte of an outside word
    static_assert(std::endian::native == std::endian::little, "the last byte must be the length's highest");

    bool Externe() const noexcept { return static_cast<unsigned char>(Octets_[EnPlace]) & Marque; }
    const char* Pointeur() const noexcept {
        const char* p;
        std::memcpy(&p, Octets_, sizeof p);
        return p;
    }
    std::size_t Longueur() const noexcept {
        std::uint64_t n;
        std::memcpy(&n, Octets_ + 8, sizeof n);
        return n & ~(std::uint64_t{Marque} << 56);
    }
    void Vide() noexcept {
        std::memset(Octets_, 0, EnPlace);
        Octets_[EnPlace] = static_cast<char>(EnPlace);
    }
    void Libere() noexcept {
        if (Externe()) delete[] Pointeur();
    }
    void Copie(std::string_view texte);
    void Remplace(std::string_view texte) {
        TMot nouveau(texte);
        *this = std::move(nouveau);
    }
    static std::string Joint(std::string_view a, std::string_view b);

    alignas(8) char Octets_[16];
};


}  // namespace veridane

// Hashes as the text it holds, so that tables keyed by text find a word.
template <>
struct std::hash<veridane::TMot> {
    std::size_t operator()(const veridane::TMot& mot) const noexcept { return std::hash<std::string_view>{}(mot.vue()); }
};
