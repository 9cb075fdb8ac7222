#pragma once

#include "EditorPhotos.h"
#include "EditorSupport.h"
#include "Localization.h"
#include "PrintCommand.h"
#include "PrintSubject.h"
#include "Result.h"

#include <QDialog>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

class QAbstractButton;
class QFormLayout;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace spinora {

class Record;
class SpinoraDatabase;

// The base of the record editor sheets (cactus, schedule, log): a
// window-modal dialog on the document window whose nested loop ends with OK
// or Cancel. Closing the window is Cancel. It owns what the editors share:
// the tabs with the photos and the notes, the buttons row, OK's one-step
// save and the closing; an editor adds only its own fields.
class EditorSheet : public QDialog {
    Q_OBJECT
public:
    ~EditorSheet() override;

    SpinoraDatabase& document() const { return document_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QPushButton* printButton() const { return printButton_; }
    QTabWidget* tabs() const { return tabs_; }
    bool infoScreenVisible() const { return infoScreenVisible_; }
    // The photos of the cactus and the log editor (the schedule has none).
    EditorPhotos& photos() { return *photos_; }

    // Runs the sheet modally over its parent; answers true when OK saved.
    bool showViewFromWindow();

    // A record open in a sheet shown now.
    static bool isBeingEdited(const Record* record);

    // OK: the fields are checked, then written in one step of the window's
    // history; on failure the user is told why and the sheet stays open
    // with what was typed.
    void saveChangesAndHideView();
    // What Edit › Undo calls the save ("Edit Cactus", "Add Cactus").
    virtual QString undoTitle(bool addMode) const = 0;
    // Closes the sheet: after OK everything is written, on Cancel nothing.
    void hideView(bool ok);
    // Print: the sheet's record as OK would store it.
    virtual void printInfo() = 0;

protected:
    EditorSheet(SpinoraDatabase& document, QWidget* parent);

    // Building, in tab order: the editor's own tabs, then the shared ones.
    // A new tab's page, after those added before.
    QWidget* addPage(const char* title);
    // The photos of the record: before the tabs are built.
    void usePhotos(int64_t linkedType, int slotCount, std::function<QString()> title);
    // The row of photo slots on the "General" tab.
    void addPhotoSlots(QFormLayout* form, QWidget* page);
    // "All Photos" (for an editor with photos) and "Notes", then the buttons
    // row under the tabs. An editor's own buttons (text and object name)
    // stand left of Cancel, in the order given; they are answered.
    std::vector<QPushButton*> finishBuilding(QSize size,
                                             std::initializer_list<std::pair<const char*, const char*>> extras = {});
    // Screen readers name each control after its label; several share a row.
    void nameControls(std::initializer_list<std::pair<QWidget*, const char*>> names);

    // One record is edited in one sheet at a time: a second sheet on it would
    // write over the first one's edit, or reload what the first has not yet
    // saved. False, after telling the user, when another sheet has it open.
    bool claim(Record* record, const QString& name);
    // Reads the whole record the sheet opens; false, after telling the user
    // why, when it cannot be read. The sheet then does not open.
    bool loadRecord(Record* record);
    // The end of opening a record: its notes shown, edit mode, first tab.
    void showOpened(const QString& notes);
    // Lists the sheet among the document's open editors of `Kind` until it
    // closes: other editors tell those about what they saved.
    template <class Kind>
    void listAsOpen(Kind* self)
    {
        OpenEditors<Kind>::add(&document_, self);
        unlist_ = [self] { OpenEditors<Kind>::remove(self); };
    }
    // The title, OK's text and Print for editing or adding a record (which
    // the sheet owns until OK stores it: closing does not release it).
    virtual void setAddMode(bool addMode);
    virtual QString sheetTitle(bool addMode) const = 0;

    // The saving, in order: OK waits for a name (the empty field says so)
    // and for fields that can be stored as typed, then writes.
    virtual bool hasName() const = 0;
    virtual bool fieldsCanBeStored() = 0;
    // Everything OK writes, inside the step.
    virtual Result<> saveRecord() = 0;
    // After a step that saved, before the sheet closes: the lists and the
    // other open editors show the change.
    virtual void didSave() {}

    // Opens `record` in its editor over this sheet, which comes to the front
    // again afterwards; false when it did not open.
    template <class Editor, class R>
    bool openInEditor(R* record)
    {
        Editor editor(document_, this);
        if (!editor.prepareView(record))
            return false;
        editor.showViewFromWindow();
        comeToFront();
        return true;
    }
    // Back in front once a window opened over the sheet has closed.
    void comeToFront();

    // The record open now (null before one is opened).
    virtual Record* record() const = 0;
    // The sheet closes, before the record lets go of its detail.
    virtual void closing(bool ok) { (void)ok; }
    // Escape and the window's close box act as Cancel.
    void reject() override;

    SpinoraDatabase& document_;
    bool infoScreenVisible_ = false;
    bool addMode_ = false;
    std::unique_ptr<EditorPhotos> photos_;
    QPlainTextEdit* notesView_ = nullptr;

private:
    void addSharedTabs();
    void addButtonRow(const std::vector<QPushButton*>& extras);
    void releaseClaim();
    // Ends the loop and hides the sheet with the button that closed it.
    void finishSheet(bool saved);

    Record* claimed_ = nullptr;
    std::function<void()> unlist_;
    QTabWidget* tabs_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QPushButton* printButton_;
};

// The sheet for one kind of record: the one that reads the controls into a
// record of that kind, for OK, Print and the check before both.
template <class R>
class RecordEditor : public EditorSheet {
public:
    // A transient record holding what OK would store, for printing; null
    // when a field cannot be stored as typed (`check` then says which).
    std::unique_ptr<R> getInfo(FieldCheck* check = nullptr) const
    {
        FieldCheck ownCheck;
        auto info = std::make_unique<R>();
        if (!record_ || !writeControls(*info, check ? *check : ownCheck))
            return nullptr;
        linkInfo(*info);
        return info;
    }

    void printInfo() override
    {
        FieldCheck check;
        const std::unique_ptr<R> info = getInfo(&check);
        if (check.report(this) && info)
            printWithDialog(this, document_, printSubject(*info));
    }

protected:
    using EditorSheet::EditorSheet;

    // False when the record is open in another editor or cannot be read
    // (the user is told).
    bool open(R* record, const QString& name)
    {
        if (!claim(record, name) || !loadRecord(record))
            return false;
        record_ = record;
        return true;
    }
    // The add mode's new record, to be opened.
    R* startNew(std::unique_ptr<R> record)
    {
        newRecord_ = std::move(record);
        added_ = nullptr;
        return newRecord_.get();
    }
    Record* record() const override { return record_; }
    Result<> saveRecord() override
    {
        if (newRecord_ && record_ != newRecord_.get())
            return Failure(localized("Error: the new record is gone."));
        if (Result<> edited = saveChanges(); !edited || !newRecord_)
            return edited;
        // Stored while the sheet still owns it and kept by the collection
        // only afterwards: a step that fails leaves the sheet as typed.
        if (Result<> stored = storeNew(*newRecord_); !stored)
            return stored;
        added_ = keepNew(std::move(newRecord_));
        record_ = added_;
        return {};
    }
    bool fieldsCanBeStored() override
    {
        // Nothing is written unless every field can be stored as shown.
        FieldCheck check;
        getInfo(&check);
        return check.report(this);
    }

    // Every control into a record: the one place that reads them. Writes
    // nothing when `check` fails.
    virtual bool writeControls(R& into, FieldCheck& check) const = 0;
    // What the transient record shares with the open one (photos, logs, plants).
    virtual void linkInfo(R& info) const = 0;
    virtual PrintSubject printSubject(const R& info) const = 0;
    // What OK writes into the open record, inside the step.
    virtual Result<> saveChanges() = 0;
    // The add mode's (see startNew) new record written, then kept by the
    // collection.
    virtual Result<> storeNew(R&) { return {}; }
    virtual R* keepNew(std::unique_ptr<R>) { return nullptr; }

    R* record_ = nullptr;
    std::unique_ptr<R> newRecord_;
    // The record the last Save in add mode added to the collection.
    R* added_ = nullptr;
};

} // namespace spinora
