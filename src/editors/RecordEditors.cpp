#include "RecordEditors.h"

#include "CactusInfoViewController.h"
#include "LogInfoViewController.h"
#include "WaterInfoViewController.h"

#include "Cactus.h"

namespace spinora {

// Each call makes the editor for this opening only: it is a window-modal
// dialog on the document window and lives as long as its nested loop.

bool editCactus(QWidget* window, SpinoraDatabase& document, Cactus* cactus)
{
    if (!cactus) {
        AddCactusInfoViewController editor(document, window);
        editor.prepareView();
        return editor.showViewFromWindow();
    }
    CactusInfoViewController editor(document, window);
    editor.setLogHistoryHidden(false);
    editor.prepareView(cactus);
    return editor.showViewFromWindow();
}

bool editWater(QWidget* window, SpinoraDatabase& document, Water* water)
{
    if (!water) {
        AddWaterInfoViewController editor(document, window);
        editor.prepareView();
        return editor.showViewFromWindow();
    }
    WaterInfoViewController editor(document, window);
    editor.prepareView(water);
    return editor.showViewFromWindow();
}

bool editLog(QWidget* window, SpinoraDatabase& document, Log* log, Cactus* forCactus)
{
    if (!log) {
        AddLogInfoViewController editor(document, window);
        editor.prepareNewLog(forCactus);
        return editor.showViewFromWindow();
    }
    LogInfoViewController editor(document, window);
    editor.setHistoryScreenNumber(forCactus ? 1 : 0);
    editor.prepareView(log);
    return editor.showViewFromWindow();
}

} // namespace spinora
