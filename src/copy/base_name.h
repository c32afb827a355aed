// The base name of a copied flight, from the file-name standard in force.
#pragma once

#include <array>
#include <string>

namespace vell {

class Frm_Vell13;

// The texts a base name is built from, as the window holds them.
struct BaseNameFields {
    std::string standardCaption;                  // caption of Lbl_Standard
    std::array<std::string, 4> standardCaptions;  // captions of mnu_Standard(0..3)
    std::string title;                            // Txt_Title
    std::string flightNr;                         // Txt_Flt_Nr
    std::string airline;                          // Txt_CarICAO
    std::string dep;                              // Txt_DEP
    std::string des;                              // Txt_DES
};

// The flight number as it goes into a file name: written with "0000" when the
// whole text reads as a number, else the text as typed ("12A").
std::string flightNumberForName(const std::string& flightNr);

// A flight number counts when its leading number is greater than 0.
bool flightNumberPositive(const std::string& flightNr);

// The base name by the standard whose menu caption equals the label's:
//   0 title; 1 DEP " to " DES, or airline "_" DEP " to " DES without a flight
//   number; 2 airline "-" NNNN "_" DEP " to " DES; 3 NNNN "-" airline "_" ...
// Standards 2 and 3 fall back to the title without a flight number.
std::string baseName(const BaseNameFields& in);

// The same, read from the window's fields.
BaseNameFields baseNameFields(const Frm_Vell13& f);

}  // namespace vell
