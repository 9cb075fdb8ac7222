#pragma once

#include "Record.h"

namespace spinora {

// A species offered when a plant's species is chosen (table `species`).
// Plants copy the names; they do not refer to the record.
class Species : public Record {
public:
    Species() = default;
    Species(const QString& name, const QString& scientificName)
    {
        name_ = name;
        scientificName_ = scientificName;
    }

    const QString& name() const { return name_; }
    void setName(const QString& v) { change(name_, v); }
    const QString& scientificName() const { return scientificName_; }
    void setScientificName(const QString& v) { change(scientificName_, v); }

protected:
    const Sql& sql() const override;
    void readSummary(const Statement& row) override;
    void setPlaceholders() override;
    void bindInsert(Statement& st) const override;
    void bindUpdate(Statement& st) const override;

private:
    QString name_;
    QString scientificName_;
};

} // namespace spinora
