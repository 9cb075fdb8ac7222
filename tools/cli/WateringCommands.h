#pragma once

#include "CliSupport.h"

namespace spinora::cli {

// spinora-cli due [PATH.sdb...] [--on YYYY-MM-DD] [--json] [--notify]: what
// needs water (and which log reminders are due) by the end of a day, in the
// named collections or the app's recent ones, read without changing them.
int runDue(Arguments& arguments);

// spinora-cli water PATH.sdb (--schedule NAME | --cactus NAME)... [--at
// "YYYY-MM-DD HH:MM"]: records a watering as the window's "Mark as
// Watered..." does, all or nothing.
int runWater(Arguments& arguments);

} // namespace spinora::cli
