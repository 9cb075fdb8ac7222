#pragma once

#include "DocumentWindow.h"
#include "ShellServices.h"
#include "SpinoraAppDelegate.h"
#include "TestSupport.h"

#include <QPair>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace spinora::test {

// A shell with the real collection windows and recorded panels and alerts.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<SpinoraAppDelegate>& makeApp();
    // A collection package with `cacti` plants (and some schedules and logs) on disk.
    QString makeCollection(const QString& name, int cacti = 6);
    DocumentWindow* windowOf(SpinoraDatabase* document) const;
    // Lets deferred deletions and posted calls run.
    static void settle();

    TempFolder folder_;
    ShellServices services_;
    std::unique_ptr<SpinoraAppDelegate> app_;

    QStringList alerts_; // "title|text"
    QString nextNewPath_;
    QString nextSaveAsPath_;
    ShellServices::SaveAnswer nextSaveAnswer_ = ShellServices::SaveAnswer::Cancel;
    int saveQuestions_ = 0;
    QList<QPair<QString, int>> presented_; // ("sheet"|"device"|"report", tag)
    QStringList importsOffered_;           // files given to the import sheet
    QStringList saveAsOffers_;             // texts of the alerts that offered Save As
    bool nextSaveAsOfferTaken_ = false;
};

} // namespace spinora::test
