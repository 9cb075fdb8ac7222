#pragma once

namespace spinora::bench {

// Runs the floor named by argv[0] with its arguments; the exit status.
int runFloor(int argc, char** argv);

} // namespace spinora::bench
