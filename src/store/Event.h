#pragma once

#include "Record.h"

namespace spinora {

// An event name offered for logs (table `event`).
class Event : public Record {
public:
    Event() = default;
    explicit Event(const QString& name) { name_ = name; }

    const QString& name() const { return name_; }
    void setName(const QString& v) { change(name_, v); }

protected:
    const Sql& sql() const override;
    void readSummary(const Statement& row) override;
    void setPlaceholders() override;
    void bindInsert(Statement& st) const override;
    void bindUpdate(Statement& st) const override;

private:
    QString name_;
};

} // namespace spinora
