// The KIV import frame: showing it, the plan-pattern list, reading the chosen
// plan into the frame, and the input rules of the frame's text fields.
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

// The full path of the plan selected in File_KIV; empty when none is.
std::string selectedKivPlan(const Frm_Vell13& f);

// Points File_KIV at the selected pattern of Lst_pln_pat in KIV's plan
// folder ("ROUTE": the ROUTE sub-folder with the first pattern).
void pointKivPlanList(Frm_Vell13& f);

void Chk_KIV_Click(Frm_Vell13& f);
void Lst_pln_pat_Click(Frm_Vell13& f);
void Lst_pln_pat_LostFocus(Frm_Vell13& f);
void File_KIV_Click(Frm_Vell13& f);
void Chk_Carr_Click(Frm_Vell13& f);
void Txt_CARR_Change(Frm_Vell13& f);
void Txt_CARR_LostFocus(Frm_Vell13& f);
void Txt_KIV_FLTNR_Change(Frm_Vell13& f);
void Txt_KIV_FLTNR_LostFocus(Frm_Vell13& f);
void Txt_Section_LostFocus(Frm_Vell13& f);

// Connects the frame's events above.
void wire_plan_browser(Frm_Vell13& f);

}  // namespace vell
