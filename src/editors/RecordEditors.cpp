#include "RecordEditors.h"

#include "CactusInfoViewController.h"
#include "LogInfoViewController.h"
#include "WaterInfoViewController.h"

#include "Cactus.h"

namespace spinora {

// Each call makes the editor for this opening only: it is a window-modal
// dialog on the document window and lives as long as its nested loop.

bool editCactus(QWidget* window, SpinoraDatabase& document, Cactus* cactus, const CactusEditorLinks& links)
{
    if (!cactus) {
        AddCactusInfoViewController editor(document, window);
        editor.prepareView();
        return editor.showViewFromWindow();
    }
    CactusInfoViewController editor(document, window);
    editor.setLinks(links);
    return editor.prepareView(cactus) && editor.showViewFromWindow();
}

bool editWater(QWidget* window, SpinoraDatabase& document, Water* water)
{
    if (!water) {
        AddWaterInfoViewController editor(document, window);
        editor.prepareView();
        return editor.showViewFromWindow();
    }
    WaterInfoViewController editor(document, window);
    return editor.prepareView(water) && editor.showViewFromWindow();
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
    return editor.prepareView(log) && editor.showViewFromWindow();
}

} // namespace spinora
