#include "ActionEdge.h"

#include "Localization.h"

#include <exception>
#include <new>
#include <utility>

namespace spinora {

namespace {

ActionEdge::Alert& currentAlert()
{
    static ActionEdge::Alert alert;
    return alert;
}

// An exception is a fault of the code below, not a way to report failures:
// it is still told as a failure so that the program goes on.
Result<> runCatching(const std::function<Result<>()>& action)
{
    try {
        return action();
    } catch (const std::bad_alloc&) {
        return Failure(localized("Error: out of memory."));
    } catch (const std::exception& error) {
        return Failure(QStringLiteral("Error: %1").arg(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        return Failure(localized("Error: unknown exception."));
    }
}

} // namespace

ActionEdge::Alert ActionEdge::setAlert(Alert alert)
{
    return std::exchange(currentAlert(), std::move(alert));
}

bool ActionEdge::run(QObject* window, const QString& title, const std::function<Result<>()>& action)
{
    const Result<> result = runCatching(action);
    if (!result)
        tell(window, title, result.failure());
    return result.ok();
}

void ActionEdge::tell(QObject* window, const QString& title, const Failure& failure)
{
    logFailure(failure);
    if (currentAlert())
        currentAlert()(window, title, failure.reason() + QLatin1Char('\n') + localized("Nothing was changed."));
}

} // namespace spinora
