// The modal loop of every secondary window. A window's own Ouvre() prepares
// it as it must be each time it is shown (its activation) and ends here, so
// whoever opens a window, the main window, another window or a test, gets
// the same window in the same size and state.
#pragma once

class QDialog;

namespace veridane {

enum class TPresentation {
    Telle,      // the size the window gave itself
    Maximisee,  // the whole screen
    Centree,    // in the middle of the screen
};

// Shows `fenetre` in `presentation` and runs it modally; its result.
int ExecuteModale(QDialog& fenetre, TPresentation presentation = TPresentation::Telle);

}  // namespace veridane
