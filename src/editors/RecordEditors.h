#pragma once

class QWidget;

namespace spinora {

class Cactus;
class Log;
class SpinoraDatabase;
class Water;

// The lists' way into the editors. Each opens the record's editor as a
// window-modal sheet on `window` and returns when the user closes it: true
// when OK saved the record (the lists then refresh), false on Cancel.
// A null record opens the editor's add mode.
bool editCactus(QWidget* window, SpinoraDatabase& document, Cactus* cactus);
bool editWater(QWidget* window, SpinoraDatabase& document, Water* water);
// `forCactus`: in the log history of one plant, a new log belongs to it.
bool editLog(QWidget* window, SpinoraDatabase& document, Log* log, Cactus* forCactus = nullptr);

} // namespace spinora
