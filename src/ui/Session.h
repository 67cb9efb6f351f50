#pragma once

#include "ui/CalibrationHooks.h"

class PrinterChoice;
class Prompts;
struct AppState;

// What every window of a run shares: the state the rules work on, the prompts that speak to the
// driver and the printer chosen for the run.
struct Session {
    AppState &state;
    Prompts &prompts;
    PrinterChoice &printer;
    // Filled by the calibration windows' wiring; read by the windows that open them.
    CalibrationHooks calibration = {};
};
