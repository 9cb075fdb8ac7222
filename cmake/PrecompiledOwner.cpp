// Compiled only so that its target makes the precompiled header the others
// reuse (cmake/Precompiled.cmake).
