#include "JobContext.h"


#include <algorithm>

namespace spinora {

void JobContext::setProgress(double percent)
{
    const double from = rangeFrom_.load();
    const double shown = from + std::clamp(percent, 0.0, 100.0) * (rangeTo_.load() - from) / 100.0;
    progress_ = shown;
    if (listener_)
        listener_(shown);
}

void JobContext::setProgressRange(double from, double to)
{
    rangeFrom_ = from;
    rangeTo_ = to;
}

void JobContext::fail(const QString& reason)
{
    std::lock_guard lock(mutex_);
    if (error_.isEmpty())
        error_ = reason;
}

void JobContext::fail(const Failure& failure)
{
    logFailure(failure);
    fail(failure.reason());
}

QString JobContext::error() const
{
    std::lock_guard lock(mutex_);
    return error_;
}

void JobContext::addWarning(const QString& warning)
{
    std::lock_guard lock(mutex_);
    warnings_ << warning;
}

QStringList JobContext::warnings() const
{
    std::lock_guard lock(mutex_);
    return warnings_;
}

} // namespace spinora
