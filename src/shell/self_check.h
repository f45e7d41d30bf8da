#pragma once
// The program's own end-to-end check, for an installation or a CI run where nobody sits at the
// screen. With ROOFCALC_SELF_CHECK=1 in the environment the program, once started, does what a
// user would: it opens the five calculation windows from the menu, presses "Расчет" in each,
// prints the first report when ROOFCALC_SELF_CHECK_PDF names a PDF file, closes every window
// with "Закрыть" and ends with "Закончить работу". Any message box that would have appeared is
// written to stderr instead and makes the exit status 1.
//
// ROOFCALC_QUIT_WHEN_IDLE=1 ends the program as soon as its main window has been painted and the
// event loop is idle (for the start-up benchmark).

#include <optional>

namespace roofcalc::gui {

class TMainForm;

// Arranges what the environment asks for; the exit status to use in place of the event loop's,
// if any, is available from selfCheckStatus() once the loop has ended.
void scheduleAutomation(TMainForm& mainForm);
std::optional<int> selfCheckStatus();

}  // namespace roofcalc::gui
