#pragma once

class QWidget;

namespace spinora {

class Cactus;
class Log;
class SpinoraDatabase;
class Water;

// What the print command prints: screens 0-2 are the displayed cactus,
// watering and log lists; 3-5 the sheet of one cactus, schedule or log.
struct PrintSubject {
    int screen = 0;
    const Cactus* cactus = nullptr;
    const Water* water = nullptr;
    const Log* log = nullptr;
};

// Shows the platform's print dialog for the subject and prints it.
void printWithDialog(QWidget* window, SpinoraDatabase& document, const PrintSubject& subject);

} // namespace spinora
