// What the figures share: the median timing and the one started main window.
#pragma once

#include <functional>
#include <utility>

namespace kx {
class FMain;
}

namespace kxbench {

using Figure = std::pair<const char *, std::function<void()>>;

// The median of `runs` runs in milliseconds, each timing only `step`, after `prepare` (untimed).
double medianMs(int runs, const std::function<void()> &step,
                const std::function<void()> &prepare = {});

// One main window for every figure that needs it, made and shown at first use (its making is
// the window's load, which comes before the login and is part of no figure).
kx::FMain &benchMainWindow();
// The window must go while the application object still exists: its destructor talks to it.
void closeBenchMainWindow();

Figure searchKeyFigure();
Figure startupFigure();
Figure pageStockListFigure();
Figure cardEditorOpenFigure();
Figure comboCompleteFigure();
Figure comboPopupFigure();

} // namespace kxbench
