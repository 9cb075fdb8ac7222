#pragma once

#include "CliSupport.h"

#include <functional>

namespace spinora::cli {

struct Command {
    const char* name;
    const char* synopsis;
    const char* summary;
    std::function<int(Arguments&)> run;
};

const Command* findCommand(const QString& name);
QString helpText();

} // namespace spinora::cli
