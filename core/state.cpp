// The process's one module state.
#include "core/state.h"

#include "platform/printer.h"

namespace kx {

namespace {
std::unique_ptr<ModuleState> &instance()
{
    static std::unique_ptr<ModuleState> current = std::make_unique<ModuleState>();
    return current;
}
} // namespace

ModuleState &state()
{
    return *instance();
}

void resetState()
{
    instance() = std::make_unique<ModuleState>();
    // The current printer lasts for the run, like the rest of the state.
    setCurrentPrinter(nullptr);
}

} // namespace kx
