#include "aircraft_cfg.h"

#include <array>

#include "text_builder.h"

namespace vell::bench {

namespace {

struct Maker {
    const char* name;
    const char* type;
    const char* atcModel;
};

// Made-up makers and types of the generated fleet.
constexpr std::array<Maker, 8> kMakers{{
    {"Nordwind", "NW-320 Stratos", "NW32"},
    {"Kestrel Aero", "K-90 Courier", "K90"},
    {"Brightline", "BL-737 Meridian", "BL73"},
    {"Talon Works", "T-12 Ranger", "T12"},
    {"Halcyon", "H-500 Horizon", "H500"},
    {"Ostrava Air", "OA-44 Vega", "OA44"},
    {"Pelican", "P-8 Coastal", "P8C"},
    {"Summit", "S-210 Alpine", "S210"},
}};

constexpr std::array<const char*, 6> kLiveries{"House Colours", "Polar Blue", "Sunset Charter",
                                               "Retro 1970",    "Cargo Grey", "Island Hopper"};

const Maker& makerOf(int index) {
    return kMakers[static_cast<std::size_t>(index) % kMakers.size()];
}

std::string number4(int n) {
    std::string s = std::to_string(n);
    return std::string(s.size() < 4 ? 4 - s.size() : 0, '0') + s;
}

void variants(TextBuilder& t, Numbers& n, int index, int count) {
    const Maker& m = makerOf(index);
    for (int v = 0; v < count; ++v) {
        t.section("fltsim." + std::to_string(v));
        t.key("title", aircraftTitle(index, v));
        t.key("sim", std::string(m.atcModel) + "_sim");
        t.key("model", v == 0 ? "" : "winglets");
        t.key("panel", "");
        t.key("sound", "");
        t.key("texture", v == 0 ? "" : "livery" + std::to_string(v));
        t.key("kb_checklists", std::string(m.atcModel) + "_check");
        t.key("kb_reference", std::string(m.atcModel) + "_ref");
        t.key("atc_id", "D-" + std::string(1, static_cast<char>('A' + index % 26)) +
                            std::string(1, static_cast<char>('A' + v % 26)) + number4(index));
        t.key("atc_airline", v % 2 == 0 ? "VELLAIR" : "NORTHSTAR");
        t.key("atc_flight_number", std::to_string(100 + (index * 7 + v) % 900));
        t.key("atc_heavy", v % 3 == 0 ? "0" : "1");
        t.key("atc_parking_types", "GATE,RAMP");
        t.key("atc_parking_codes", v % 2 == 0 ? "VLA" : "NST");
        t.key("ui_manufacturer", m.name);
        t.key("ui_type", m.type);
        t.key("ui_variation", kLiveries[static_cast<std::size_t>(v) % kLiveries.size()]);
        t.key("ui_typerole", index % 3 == 0 ? "Twin Engine Jet" : "Single Engine Prop");
        t.key("ui_createdby", "Vellmaster bench fleet");
        t.key("visual_damage", "1");
        t.key("description",
              std::string("The ") + m.type + " of " + m.name + " in the livery '" +
                  kLiveries[static_cast<std::size_t>(v) % kLiveries.size()] +
                  "'. A generated aircraft for measuring the program: it carries " +
                  std::to_string(n.whole(4, 220)) + " passengers over " +
                  std::to_string(n.whole(300, 3800)) +
                  " nautical miles, climbs at a steady rate and lands on short strips when "
                  "lightly loaded.\\n\\nVariant " +
                  std::to_string(v) + " of aircraft " + std::to_string(index) + ".");
    }
}

void general(TextBuilder& t, int index) {
    const Maker& m = makerOf(index);
    t.section("General");
    t.key("atc_type", m.name);
    t.key("atc_model", m.atcModel);
    t.key("editable", "1");
    t.key("performance",
          "Cruise speed and range as measured on the bench\\nTake-off run about 1800 m at "
          "maximum weight\\nCeiling 41000 ft");
    t.key("category", "airplane");
}

void weightAndBalance(TextBuilder& t, Numbers& n) {
    t.section("WEIGHT_AND_BALANCE");
    t.looseKey("max_gross_weight", n.fixed(90000, 180000, 0), "pounds");
    t.looseKey("empty_weight", n.fixed(50000, 90000, 0), "pounds");
    t.key("reference_datum_position", "0.0, 0.0, 0.0", "feet, from the nose");
    t.key("empty_weight_CG_position", n.fixed(-8, 2, 2) + ", 0.0, 0.0", "feet");
    t.key("CG_forward_limit", "0.08", "fraction of the mean chord");
    t.key("CG_aft_limit", "0.34", "fraction of the mean chord");
    t.key("empty_weight_pitch_MOI", n.fixed(800000, 2000000, 0));
    t.key("empty_weight_roll_MOI", n.fixed(500000, 1500000, 0));
    t.key("empty_weight_yaw_MOI", n.fixed(1500000, 3500000, 0));
    t.key("empty_weight_coupled_MOI", "0.0");
    t.key("max_number_of_stations", "50");
    const std::array<const char*, 12> stations{"Pilot",          "First officer", "Observer",
                                               "Forward galley", "Cabin front",   "Cabin middle",
                                               "Cabin rear",     "Aft galley",    "Forward hold",
                                               "Centre hold",    "Aft hold",      "Bulk hold"};
    for (std::size_t i = 0; i < stations.size(); ++i) {
        t.key("station_load." + std::to_string(i),
              n.fixed(170, 9000, 1) + ", " + n.fixed(-60, 40, 1) + ", " + n.fixed(-2, 2, 1) + ", " +
                  n.fixed(-3, 2, 1),
              stations[i]);
    }
}

void fuel(TextBuilder& t, Numbers& n) {
    t.section("fuel",
              "tanks: longitudinal, lateral, vertical position (ft), usable, unusable (gal)");
    t.key("Center1", n.fixed(-10, 0, 1) + ", 0.0, -3.0, " + n.fixed(2000, 5000, 1) + ", 10.0");
    t.key("LeftMain", n.fixed(-12, -4, 1) + ", -15.0, -1.5, " + n.fixed(1000, 2000, 1) + ", 5.0");
    t.key("RightMain", n.fixed(-12, -4, 1) + ", 15.0, -1.5, " + n.fixed(1000, 2000, 1) + ", 5.0");
    t.key("fuel_type", "2", "1 avgas, 2 jet fuel");
    t.key("number_of_tank_selectors", "2");
    t.key("electric_pump", "1");
    t.key("fuel_dump_rate", "0.0");
}

void engines(TextBuilder& t, Numbers& n) {
    t.section("GeneralEngineData");
    t.key("engine_type", "1", "0 piston, 1 jet, 2 none, 3 helo turbine, 5 turboprop");
    t.key("Engine.0", n.fixed(-6, -2, 2) + ", -16.2, -3.6");
    t.key("Engine.1", n.fixed(-6, -2, 2) + ", 16.2, -3.6");
    t.key("fuel_flow_scalar", n.fixed(0.8, 1.2, 2));
    t.key("min_throttle_limit", "-0.25", "reverse thrust");
    t.key("master_ignition_switch", "0");
    t.key("starter_type", "2", "0 electric, 1 manual, 2 bleed air");
    t.key("max_contrail_temperature", "-39.0");

    t.section("TurbineEngineData");
    t.key("fuel_flow_gain", "0.002");
    t.key("inlet_area", n.fixed(10, 25, 1), "square feet");
    t.key("rated_N2_rpm", n.fixed(14000, 16000, 0));
    t.key("static_thrust", n.fixed(18000, 30000, 0), "pounds");
    t.key("reverser_available", "1");
    t.key("reverser_mach_controlled", "0");
    t.key("afterburner_available", "0");
    t.key("primary_nozzle_afterburner_mach", "0.0");
    t.key("mach_0_corrected_commanded_ne_table",
          "0.0:0.0:0.9, 0.000000:20.0:26.0, 0.200000:40.5:42.0, 0.400000:58.0:59.5, "
          "0.600000:71.5:73.0, 0.750000:85.0:86.5, 0.900000:95.5:97.0, 1.000000:101.0:102.0");
    t.key("corrected_n2_from_ff_table",
          "0.000000:0.000000, 50.000000:400.000000, 75.000000:900.000000, 90.000000:1800.0000, "
          "100.000000:2900.000000, 105.000000:3700.000000");
    t.key("n1_and_mach_on_thrust_table",
          "0.000000:0.000000:0.100000:0.200000:0.300000:0.400000:0.500000:0.600000:0.700000, "
          "0.000000:0.0:0.0:0.0:0.0:0.0:0.0:0.0:0.0, 20.000000:0.02:0.01:0.0:0.0:0.0:0.0:0.0:0.0, "
          "40.000000:0.09:0.07:0.05:0.03:0.01:0.0:0.0:0.0, "
          "60.000000:0.27:0.23:0.19:0.15:0.12:0.09:0.06:0.04, "
          "80.000000:0.58:0.52:0.46:0.40:0.35:0.30:0.25:0.21, "
          "100.000000:1.00:0.93:0.86:0.79:0.72:0.66:0.60:0.54");
    t.key("corrected_airflow_table",
          "0.000000:0.000000:0.900000, 0.000000:0.0:0.0, 20.000000:44.0:50.0, "
          "50.000000:120.0:133.0, 80.000000:240.0:262.0, 100.000000:330.0:351.0");
    t.key("epr_max", "1.55");
    t.key("epr_tc", "1.52");
    t.key("oil_temp_heating_constant", "700.0");
    t.key("oil_temp_cooling_constant", "0.3");
    t.key("oil_press_max", "9000.0", "psf");

    t.section("jet_engine");
    t.key("thrust_scalar", n.fixed(0.9, 1.1, 2));
}

void geometry(TextBuilder& t, Numbers& n) {
    t.section("airplane_geometry");
    t.key("wing_area", n.fixed(900, 1500, 1), "square feet");
    t.key("wing_span", n.fixed(90, 120, 1), "feet");
    t.key("wing_root_chord", n.fixed(15, 25, 1), "feet");
    t.key("wing_dihedral", n.fixed(3, 7, 1), "degrees");
    t.key("wing_incidence", "1.0", "degrees");
    t.key("wing_twist", "-2.0", "degrees");
    t.key("oswald_efficiency_factor", n.fixed(0.6, 0.9, 2));
    t.key("wing_winglets_flag", "1");
    t.key("wing_sweep", n.fixed(20, 30, 1), "degrees");
    t.key("wing_pos_apex_lon", n.fixed(-5, 5, 1), "feet");
    t.key("wing_pos_apex_vert", "0.0");
    t.key("htail_area", n.fixed(250, 400, 1));
    t.key("htail_span", n.fixed(35, 50, 1));
    t.key("htail_pos_lon", n.fixed(-65, -45, 1));
    t.key("htail_pos_vert", "0.0");
    t.key("htail_incidence", "0.0");
    t.key("htail_sweep", n.fixed(25, 35, 1));
    t.key("vtail_area", n.fixed(200, 300, 1));
    t.key("vtail_span", n.fixed(20, 30, 1));
    t.key("vtail_sweep", n.fixed(30, 40, 1));
    t.key("vtail_pos_lon", n.fixed(-60, -45, 1));
    t.key("vtail_pos_vert", n.fixed(5, 12, 1));
    t.key("elevator_area", n.fixed(70, 100, 1));
    t.key("aileron_area", n.fixed(30, 50, 1));
    t.key("rudder_area", n.fixed(50, 80, 1));
    t.key("elevator_up_limit", "25.0", "degrees");
    t.key("elevator_down_limit", "20.0", "degrees");
    t.key("aileron_up_limit", "22.0", "degrees");
    t.key("aileron_down_limit", "15.0", "degrees");
    t.key("rudder_limit", "27.0", "degrees");
    t.key("elevator_trim_limit", "17.0", "degrees");
    t.key("spoiler_limit", "60.0", "degrees");
    t.key("spoilerons_available", "1");
    t.key("aileron_to_spoileron_gain", "2.0");
    t.key("min_ailerons_for_spoilerons", "10.0");
    t.key("min_flaps_for_spoilerons", "0.0");
}

void aerodynamics(TextBuilder& t, Numbers& n) {
    t.section("aerodynamics", "tables from the wind tunnel of our own imagination");
    t.key("lift_coef_pitch_rate", n.fixed(-20, -10, 4));
    t.key("lift_coef_daoa", n.fixed(0.5, 2, 4));
    t.key("lift_coef_delta_elevator", n.fixed(-0.8, -0.2, 4));
    t.key("lift_coef_horizontal_incidence", n.fixed(0.2, 0.6, 4));
    t.key("lift_coef_flaps", n.fixed(0.8, 1.6, 4));
    t.key("lift_coef_spoilers", n.fixed(-0.6, -0.2, 4));
    t.key("drag_coef_zero_lift", n.fixed(0.015, 0.03, 5));
    t.key("drag_coef_flaps", n.fixed(0.05, 0.12, 4));
    t.key("drag_coef_gear", n.fixed(0.015, 0.03, 4));
    t.key("drag_coef_spoilers", n.fixed(0.02, 0.05, 4));
    t.key("side_force_slip_angle", n.fixed(-1.2, -0.4, 4));
    t.key("side_force_roll_rate", n.fixed(-0.4, 0.4, 4));
    t.key("side_force_yaw_rate", n.fixed(0.5, 1.5, 4));
    t.key("side_force_delta_rudder", n.fixed(0.1, 0.4, 4));
    t.key("pitch_moment_horizontal_incidence", n.fixed(-3, -1, 4));
    t.key("pitch_moment_delta_elevator", n.fixed(-3, -1, 4));
    t.key("pitch_moment_delta_trim", n.fixed(-3, -1, 4));
    t.key("pitch_moment_pitch_damping", n.fixed(-40, -10, 4));
    t.key("pitch_moment_aoa_0", n.fixed(-0.1, 0.1, 4));
    t.key("pitch_moment_daoa", n.fixed(-6, -2, 4));
    t.key("pitch_moment_flaps", n.fixed(-0.4, 0.0, 4));
    t.key("pitch_moment_gear", n.fixed(-0.02, 0.02, 4));
    t.key("pitch_moment_spoilers", n.fixed(-0.05, 0.05, 4));
    t.key("pitch_moment_delta_elevator_propwash", "0.0");
    t.key("pitch_moment_pitch_propwash", "0.0");
    t.key("roll_moment_slip_angle", n.fixed(-0.3, -0.05, 4));
    t.key("roll_moment_roll_damping", n.fixed(-0.8, -0.3, 4));
    t.key("roll_moment_yaw_rate", n.fixed(0.1, 0.3, 4));
    t.key("roll_moment_spoilers", n.fixed(0.1, 0.3, 4));
    t.key("roll_moment_delta_aileron", n.fixed(0.1, 0.3, 4));
    t.key("roll_moment_delta_rudder", n.fixed(0.0, 0.03, 4));
    t.key("roll_moment_delta_aileron_trim_scalar", "0.0");
    t.key("yaw_moment_slip_angle", n.fixed(0.1, 0.3, 4));
    t.key("yaw_moment_roll", n.fixed(-0.1, 0.0, 4));
    t.key("yaw_moment_yaw_damping", n.fixed(-0.5, -0.2, 4));
    t.key("yaw_moment_yaw_propwash", "0.0");
    t.key("yaw_moment_delta_aileron", n.fixed(-0.02, 0.02, 4));
    t.key("yaw_moment_delta_rudder", n.fixed(-0.2, -0.05, 4));
    t.key("yaw_moment_delta_rudder_propwash", "0.0");
    t.key("yaw_moment_delta_rudder_trim_scalar", "0.0");
    t.key("compute_aero_center", "0");
    t.key("aero_center_lift", "0.0");
    t.key("lift_coef_aoa_table",
          "-3.141593:0.000, -1.570796:0.000, -0.274017:-0.850, -0.209440:-1.020, "
          "0.000000:0.280, 0.174533:1.450, 0.244346:1.620, 0.296706:1.480, 0.401426:0.900, "
          "1.570796:0.000, 3.141593:0.000");
    t.key("lift_coef_ground_effect_mach_table",
          "0.054:1.250, 0.100:1.150, 0.200:1.080, 0.300:1.040, 0.400:1.020, 0.500:1.010, "
          "0.600:1.005, 0.700:1.002, 0.800:1.001, 0.900:1.000, 1.000:1.000");
    t.key("lift_coef_mach_table",
          "0.000:1.000, 0.200:1.000, 0.400:1.020, 0.600:1.050, "
          "0.800:1.000, 1.000:0.900, 1.200:0.850");
    t.key("drag_coef_mach_table",
          "0.000:0.000, 0.500:0.000, 0.700:0.002, 0.780:0.006, "
          "0.820:0.012, 0.860:0.030, 0.900:0.060, 1.000:0.100");
    t.key("pitch_moment_aoa_table",
          "-3.141593:0.000, -0.349066:0.080, 0.000000:0.000, 0.261799:-0.080, "
          "0.349066:-0.120, 3.141593:0.000");
    t.key("elevator_scaling_table",
          "-0.785398:0.600, -0.349066:0.900, 0.000000:1.000, "
          "0.349066:0.900, 0.785398:0.600");
    t.key("aileron_scaling_table",
          "-0.785398:0.600, -0.349066:0.900, 0.000000:1.000, "
          "0.349066:0.900, 0.785398:0.600");
    t.key("rudder_scaling_table",
          "-0.785398:0.600, -0.349066:0.900, 0.000000:1.000, "
          "0.349066:0.900, 0.785398:0.600");
}

void flightTuning(TextBuilder& t, Numbers& n) {
    t.section("flight_tuning");
    t.looseKey("cruise_lift_scalar", n.fixed(0.9, 1.1, 2));
    t.looseKey("parasite_drag_scalar", n.fixed(0.9, 1.1, 2));
    t.looseKey("induced_drag_scalar", n.fixed(0.9, 1.1, 2));
    t.key("elevator_effectiveness", n.fixed(0.8, 1.2, 2));
    t.key("aileron_effectiveness", n.fixed(0.8, 1.2, 2));
    t.key("rudder_effectiveness", n.fixed(0.8, 1.2, 2));
    t.key("pitch_stability", n.fixed(0.8, 1.5, 2));
    t.key("roll_stability", n.fixed(0.8, 1.5, 2));
    t.key("yaw_stability", n.fixed(0.8, 1.5, 2));
    t.key("elevator_trim_effectiveness", "1.0");
    t.key("aileron_trim_effectiveness", "1.0");
    t.key("rudder_trim_effectiveness", "1.0");
    t.key("hi_alpha_on_roll", "1.0");
    t.key("hi_alpha_on_yaw", "1.0");
    t.key("p_factor_on_yaw", "0.0", "jets have none");
    t.key("torque_on_roll", "0.0");
    t.key("gyro_precession_on_roll", "0.0");
    t.key("gyro_precession_on_yaw", "0.0");
}

void referenceSpeeds(TextBuilder& t, Numbers& n, int index) {
    t.section("Reference Speeds");
    t.key("flaps_up_stall_speed", n.fixed(120, 150, 1), "knots true (KTAS)");
    t.key("full_flaps_stall_speed", n.fixed(95, 115, 1), "knots true (KTAS)");
    t.looseKey("cruise_speed", std::to_string(aircraftCruiseSpeed(index)) + ".0",
               "knots true (KTAS)");
    t.key("max_indicated_speed", n.fixed(320, 360, 0), "red line (KIAS)");
    t.key("max_mach", n.fixed(0.78, 0.86, 2));
}

void autopilot(TextBuilder& t, int index) {
    t.section("autopilot", "set it and watch it fly");
    t.key("autopilot_available", "1");
    t.key("flight_director_available", "1");
    t.key("default_vertical_speed", "1800.0");
    t.key("autothrottle_available", index % 4 == 3 ? "0" : "1");
    t.key("autothrottle_arming_required", "1");
    t.key("autothrottle_max_rpm", "90");
    t.key("autothrottle_takeoff_ga", "1");
    t.key("pitch_takeoff_ga", "8.0");
    t.key("max_pitch", "10.0");
    t.key("max_pitch_acceleration", "1.0");
    t.key("max_pitch_velocity_lo_alt", "2.0");
    t.key("max_pitch_velocity_hi_alt", "1.5");
    t.key("max_pitch_velocity_lo_alt_breakpoint", "20000.0");
    t.key("max_pitch_velocity_hi_alt_breakpoint", "28000.0");
    t.key("max_bank", "25.0");
    t.key("max_bank_acceleration", "1.8");
    t.key("max_bank_velocity", "3.0");
    t.key("max_throttle_rate", "0.10");
    t.key("nav_proportional_control", "9.0");
    t.key("nav_integrator_control", "0.25");
    t.key("nav_derivative_control", "0.0");
    t.key("nav_integrator_boundary", "2.5");
    t.key("nav_derivative_boundary", "0.0");
    t.key("gs_proportional_control", "9.52");
    t.key("gs_integrator_control", "0.26");
    t.key("gs_derivative_control", "0.0");
    t.key("gs_integrator_boundary", "0.7");
    t.key("gs_derivative_boundary", "0.0");
    t.key("yaw_damper_gain", "1.0");
    t.key("use_no_default_pitch", "0");
    t.key("use_no_default_bank", "0");
}

void contactPoints(TextBuilder& t, Numbers& n) {
    t.section("contact_points");
    t.comment("class, longitudinal, lateral, vertical, impact damage, brake map, wheel radius,");
    t.comment("steer angle, static compression, max/static ratio, damping, extension time,");
    t.comment("retraction time, sound type");
    for (int i = 0; i < 18; ++i) {
        const bool wheel = i < 3;
        t.key("point." + std::to_string(i),
              std::string(wheel ? "1" : "2") + ", " + n.fixed(-60, 50, 2) + ", " +
                  n.fixed(-60, 60, 2) + ", " + n.fixed(-12, 8, 2) + ", " +
                  (wheel ? "1800.0, 0, 1.50, 60.0, 0.55, 2.5, 0.90, 8.0, 8.0, 0, 280.0, 300.0"
                         : "1800.0, 0, 0.00, 0.0, 0.00, 0.0, 0.00, 0.0, 0.0, 5, 0.0, 0.0"));
    }
    t.key("static_pitch", "0.4");
    t.key("static_cg_height", "9.1");
    t.key("gear_system_type", "1");
    t.key("tailwheel_lock", "0");
    t.key("max_number_of_points", "18");
}

void lightsAndViews(TextBuilder& t, Numbers& n) {
    t.section("lights", "type, longitudinal, lateral, vertical, effect");
    const std::array<const char*, 5> effects{"fx_navred", "fx_navgre", "fx_strobe", "fx_beacon",
                                             "fx_landing"};
    for (int i = 0; i < 16; ++i) {
        t.key("light." + std::to_string(i),
              std::to_string(1 + i % 6) + ", " + n.fixed(-60, 50, 2) + ", " + n.fixed(-60, 60, 2) +
                  ", " + n.fixed(-4, 12, 2) + ", " +
                  effects[static_cast<std::size_t>(i) % effects.size()]);
    }
    t.section("views");
    t.key("eyepoint", n.fixed(45, 55, 2) + ", -1.65, 4.35", "from the datum, in feet");
    t.section("flaps.0");
    t.key("type", "1", "1 tail, 2 lead");
    t.key("span-outboard", "0.75", "fraction of the span");
    t.key("extending-time", "18", "seconds");
    t.key("system_type", "0");
    t.key("damaging-speed", "250", "KIAS");
    t.key("blowout-speed", "300", "KIAS");
    t.key("lift_scalar", "1.0");
    t.key("drag_scalar", "1.0");
    t.key("pitch_scalar", "1.0");
    for (int i = 0; i < 8; ++i)
        t.key("flaps-position." + std::to_string(i),
              std::to_string(i * 5) + ", " + std::to_string(i * 20) + ", 0");
}

void systems(TextBuilder& t) {
    t.section("electrical", "bus type, max amps, minimum voltage");
    t.key("max_battery_voltage", "24.0");
    t.key("generator_alternator_voltage", "28.0");
    t.key("max_generator_alternator_amps", "200.0");
    t.key("engine_generator_map", "1,1");
    t.key("electric_always_available", "0");
    for (const char* system :
         {"flap_motor", "gear_motor",        "autopilot",     "avionics_bus", "avionics",
          "pitot_heat", "additional_system", "marker_beacon", "gear_warning", "fuel_pump",
          "starter1",   "starter2",          "light_nav",     "light_beacon", "light_landing",
          "light_taxi", "light_strobe",      "light_panel",   "light_wing",   "light_logo"})
        t.key(system, "0, 5, 17.0");
    t.section("hydraulic_system");
    t.key("normal_pressure", "3000.0", "PSI");
    t.key("electric_pumps", "0");
    t.key("engine_map", "1,1");
    t.section("pneumatic_system");
    t.key("max_pressure", "18.0", "PSI");
    t.key("bleed_air_scalar", "1.0");
    t.section("exits");
    t.key("number_of_exits", "4");
    for (int i = 0; i < 4; ++i) t.key("exit." + std::to_string(i), "0.4, 0");
    t.section("brakes");
    t.key("parking_brake", "1");
    t.key("toe_brakes_scale", "1.0");
    t.key("differential_braking_scale", "0.5");
    t.key("auto_brakes", "4");
    t.section("gear_warning_system");
    t.key("gear_warning_available", "1");
    t.key("pct_throttle_limit", "0.1");
    t.key("flap_limit_power", "25.0");
    t.key("flap_limit_idle", "5.0");
    t.section("keyboard_response", "breakpoint speeds (knots) on the keyboard increments");
    t.key("elevator", "90, 160");
    t.key("aileron", "150, 250");
    t.key("rudder", "150, 250");
    for (const char* instrument :
         {"direction_indicators", "attitude_indicators", "turn_indicators", "airspeed_indicators",
          "pitot_static", "stall_warning", "deice_system"}) {
        t.section(instrument);
        t.key("type", "1", "vacuum or electric, as the panel wants it");
        t.key("scalar", "1.0");
        t.key("available", "1");
    }
    t.section("radios", "available, standby frequency, has glide slope");
    t.key("Audio.1", "1");
    t.key("Com.1", "1, 1");
    t.key("Com.2", "1, 1");
    t.key("Nav.1", "1, 1, 1");
    t.key("Nav.2", "1, 1, 0");
    t.key("Adf.1", "1");
    t.key("Transponder.1", "1");
    t.key("Marker.1", "1");
    t.section("smokesystem");
    t.key("smoke.0", "-50.0, 0.0, 0.0, fx_smoke_w");
    t.section("effects");
    for (const char* effect : {"wake", "water", "dirt", "concrete", "touchdown", "contrail"})
        t.key(effect, std::string("fx_") + effect + ", 1");
}

}  // namespace

std::string aircraftFolderName(int index) {
    const Maker& m = makerOf(index);
    return std::string(m.atcModel) + "_" + number4(index);
}

std::string aircraftTitle(int index, int variant) {
    const Maker& m = makerOf(index);
    return std::string(m.name) + " " + m.type + " " + number4(index) + " " +
           kLiveries[static_cast<std::size_t>(variant) % kLiveries.size()];
}

int aircraftCruiseSpeed(int index) {
    return 120 + (index * 37) % 360;
}

std::string aircraftCfgText(int index, int variantCount) {
    Numbers n(static_cast<std::uint64_t>(index) + 1);
    TextBuilder t;
    t.comment("Generated for measuring Vellmaster: a made-up aircraft in the simulator's layout.");
    t.comment("Edit history, as hand-kept files carry one:");
    t.comment("  v1.0  first flight model, figures from the type's brochure");
    t.comment("  v1.1  heavier cabin stations, fuel tanks moved aft by a foot");
    t.comment("  v1.2  slower roll rate, the tables of lift and drag smoothed");
    t.comment("  v1.3  new liveries added as further [fltsim] sections");
    t.comment("  v1.4  autopilot gains for a calmer capture of the glide slope");
    t.comment("Keep a copy of this file before changing it: the simulator reads it at every load.");
    variants(t, n, index, variantCount);
    general(t, index);
    weightAndBalance(t, n);
    fuel(t, n);
    engines(t, n);
    geometry(t, n);
    aerodynamics(t, n);
    flightTuning(t, n);
    autopilot(t, index);
    contactPoints(t, n);
    lightsAndViews(t, n);
    systems(t);
    referenceSpeeds(t, n, index);
    return t.text();
}

}  // namespace vell::bench
