#pragma once

#include "CliSupport.h"

#include <functional>

namespace spinora::cli {

struct Command {
    const char* name;
    const char* synopsis;
    const char* summary;
    std::function<int(Arguments&)> run;
    // Lays text out with fonts, which takes a GUI application (the offscreen
    // platform serves it without a display).
    bool needsGui = false;
};

const Command* findCommand(const QString& name);
QString helpText();

} // namespace spinora::cli
