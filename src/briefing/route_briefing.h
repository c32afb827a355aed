// The route briefing generated from a plan: header lines and the
// fixed-column route table in Lst_BRF, the route rows in Lst_Fplbrf, and the
// distance, time and speed fields of the window.
#pragma once

#include <optional>
#include <string>

#include "profile/profile_text.h"

namespace vell {

class Frm_Vell13;

// A plan read once: its bytes (nothing when it could not be read), for the
// header read line by line, and its keys.
struct PlanText {
    PlanText(std::string path, std::optional<std::string> bytes);
    // The plan as it is on disk now.
    static PlanText read(const std::string& path);

    std::string path;
    std::optional<std::string> bytes;
    profile::ProfileText keys;
};

// Builds the briefing of the open plan. False when it had to stop on a file
// it could not use; Txt_Status then says what was wrong with which file, and
// the plan reading ends there too. Each file is read once. opened is a plan
// the caller has just read: the plan of the flight's folder and PLANFILE are
// taken from it when they are that very path, instead of being read again.
bool Create_BRF(Frm_Vell13& f, const std::string& title, const std::string& description,
                const PlanText* opened = nullptr);

}  // namespace vell
