#pragma once

#include "Result.h"

#include <QString>

#include <functional>

class QObject;

namespace spinora {

// The edge of every action a user starts: a menu command, a toolbar or
// editor button, a list action, a sheet. The action answers a Result; its
// failure, and any exception that escapes it, ends here: logged in one line
// and told to the user in one alert over the action's window. Code below
// this edge never shows an alert; code above it never swallows a failure.
// Rolling back is the action's own step (UndoHistory::run), done before
// the failure reaches this edge.
class ActionEdge {
public:
    // Shows one alert: the application's is a warning box over the window;
    // tests record what would be shown. Answers the alert it replaces.
    using Alert = std::function<void(QObject* window, const QString& title, const QString& text)>;
    static Alert setAlert(Alert alert);

    // Runs `action` titled `title` ("Delete Cactus"); false when it failed
    // and the user was told.
    static bool run(QObject* window, const QString& title, const std::function<Result<>()>& action);
    // Tells a failure that arrives after its action returned (a job's result).
    static void tell(QObject* window, const QString& title, const Failure& failure);
};

} // namespace spinora
