#pragma once

#include <functional>

class QWidget;

namespace spinora {

class Cactus;
class CactusInfoViewController;
class Log;
class SpinoraDatabase;
class Water;

// The lists' way into the editors. Each opens the record's editor as a
// window-modal sheet on `window` and returns when the user closes it: true
// when OK saved the record (the lists then refresh), false on Cancel, or
// when the record is open in another editor already (the user is told).
// A null record opens the editor's add mode.
//
// `logHistory` shows the cactus editor's "Log History" button and opens the
// plant's history with it (the cactus list passes the log list's history);
// `floweringCalendar` likewise its "Flowering Calendar" button.
bool editCactus(QWidget* window, SpinoraDatabase& document, Cactus* cactus,
                const std::function<void(CactusInfoViewController&)>& logHistory = {},
                const std::function<void(CactusInfoViewController&)>& floweringCalendar = {});
bool editWater(QWidget* window, SpinoraDatabase& document, Water* water);
// `forCactus`: in the log history of one plant, a new log belongs to it.
bool editLog(QWidget* window, SpinoraDatabase& document, Log* log, Cactus* forCactus = nullptr);

} // namespace spinora
