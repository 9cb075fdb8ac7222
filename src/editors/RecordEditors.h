#pragma once

#include "CactusInfoViewController.h"

class QWidget;

namespace spinora {

class Cactus;
class Log;
class SpinoraDatabase;
class Water;

// The lists' way into the editors. Each opens the record's editor as a
// window-modal sheet on `window` and returns when the user closes it: true
// when OK saved the record (the lists then refresh), false on Cancel, or
// when the record is open in another editor already (the user is told).
// A null record opens the editor's add mode.
//
// `links` show the cactus editor's buttons to the plant's other windows
// (the cactus list passes the log history, the flowering calendar and the
// photo timeline).
bool editCactus(QWidget* window, SpinoraDatabase& document, Cactus* cactus, const CactusEditorLinks& links = {});
bool editWater(QWidget* window, SpinoraDatabase& document, Water* water);
// `forCactus`: in the log history of one plant, a new log belongs to it.
bool editLog(QWidget* window, SpinoraDatabase& document, Log* log, Cactus* forCactus = nullptr);

} // namespace spinora
