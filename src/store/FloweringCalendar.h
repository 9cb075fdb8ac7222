#pragma once

#include <array>
#include <memory>
#include <vector>

namespace spinora {

class Cactus;
class Log;

// In which months each plant flowered, over all years, from the logs whose
// event is "Flowered": the rows of the flowering calendar.
struct FloweringCalendar {
    struct Row {
        Cactus* plant = nullptr; // kept alive by the document, like the lists' records
        std::array<int, 12> flowerings{}; // January first
        int total() const;
    };
    // The plants that flowered most often in `nextMonth` (1 to 12) first,
    // then by how often they flowered at all, then by name.
    std::vector<Row> rows;
    int nextMonth = 1;

    static FloweringCalendar compute(const std::vector<std::unique_ptr<Log>>& logs, int nextMonth);
    // The event in any case and spacing, in English or the user's language.
    static bool isFlowering(const Log& log);
};

} // namespace spinora
