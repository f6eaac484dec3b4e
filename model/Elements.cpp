#include "model/Elements.h"

#include <array>
#include <stdexcept>

namespace model {

namespace {

constexpr std::array<std::string_view, elementCount> symbols = {
    "H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si", "P",  "S",  "Cl",
    "Ar", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn", "Ga", "Ge", "As", "Se",
    "Br", "Kr", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru", "Rh", "Pd", "Ag", "Cd", "In", "Sn", "Sb",
    "Te", "I",  "Xe", "Cs", "Ba", "La", "Ce", "Pr", "Nd", "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er",
    "Tm", "Yb", "Lu", "Hf", "Ta", "W",  "Re", "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At",
    "Rn", "Fr", "Ra", "Ac", "Th", "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No",
    "Lr", "Rf", "Db", "Sg", "Bh", "Hs", "Mt", "Ds", "Rg", "Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og"};

} // namespace

int atomicNumber(std::string_view symbol) {
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        if (symbols[i] == symbol) {
            return int(i) + 1;
        }
    }
    return 0;
}

std::string_view elementSymbol(int atomicNumber) {
    if (atomicNumber < 1 || atomicNumber > elementCount) {
        throw std::out_of_range("atomic number out of range");
    }
    return symbols[std::size_t(atomicNumber - 1)];
}

} // namespace model
