#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/session.h"
#include "model/result.h"
#include "ui/catalog_table.h"
#include "ui/controls.h"
#include "ui/design_document.h"
#include "ui/prompter.h"

namespace korvane::ui {

// How an install asks how many.
enum class CountPrompt {
    UpToTen,      // options "1" … "10"; the chosen position is the count
    NineOrEnter,  // options "1" … "9" and "Enter", which asks for the number in an input box
};

// What an install does when the count reads as 0 (an empty or non-numeric
// answer typed after "Enter").
enum class ZeroCount {
    KeepCatalogNumber,  // the entry takes the catalog row's own NUMBER
    InstallNothing,     // the entry stays free
};

// What sets one list editor apart from the others, as data.
struct ListEditorShape {
    std::string frame_caption;               // "Sensors"
    std::vector<std::string> catalog_codes;  // listed in "Available:" in this order
    int last_catalog_id = 1000;              // the id walk of each code stops here at the latest
    CountPrompt count_prompt = CountPrompt::UpToTen;
    std::string count_caption = "Install how many?";
    ZeroCount zero_count = ZeroCount::KeepCatalogNumber;
    std::string modify_caption;  // "Modify Sensors"
    std::string change_number_prompt = "New number";
};

// The logic every list editor shares: an "Available:" table of catalog rows on
// the left with a filter box above it, an "Installed:" list of the design
// table's entries in use on the right, a details line under each, and "Done".
// An available row is known by its catalog key, an installed row by its entry.
// An entry is in use while its NUMBER is above 0; every other entry is free,
// whatever it still holds. Every row's tooltip is its whole text and its details.
//
// Every change is one step of the design document ("Install 2 Triple Beam
// Laser", "Change number of Stateroom to 31", "Remove Stateroom"), and the
// installed list is brought up to date after every change of the design (an
// undo too). A question closed without an answer changes nothing.
//
// Asking is kept apart from doing: each change is a plain operation that asks
// nothing (Install, SetNumber, Remove and an editor's own), and the events of
// the window ask their questions and then call it, so a panel that takes its
// answers in place calls the same operations. An operation that cannot be
// done changes nothing and says why.
//
// An installed row's text and details are made from its entry alone (and the
// catalog, which stays as it is while the program runs), so a row that shows
// the same entry, bit for bit, as when its texts were made keeps them.
//
// An editor gives its shape and its design table, and overrides the steps
// that are its own: the texts of its rows, the details lines, how it asks
// for a count, and further modify options.
class ListEditor : public DesignObserver {
public:
    ListEditor(Session& session, DesignDocument& document, Prompter& prompter,
               ListEditorShape shape);

    // The design changed (a step, an undo): "Installed:" shows it, when the
    // change concerns what the editor shows.
    void DesignUpdated(const Design& design, const DesignChange& change) override;
    // Whether `change` touched what the editor shows: its table's entries by default.
    virtual bool Concerns(const DesignChange& change);
    DesignDocument& Document() { return document_; }

    // Fills "Available:" from the catalog, once per program run: each code's
    // rows by id from 1 up to the first id the catalog does not have.
    void Load();
    // Lists the entries in use in "Installed:", without a selection or a
    // details line; the view calls it each time the window is shown.
    virtual void Activate();

    // The filter box was edited: "Available:" shows the rows whose label holds its text.
    void FilterAvailable();
    // Escape in the filter box empties it; false when it was empty already.
    bool ClearAvailableFilter();

    // The events of the lists: a click shows details (for one unit of an
    // available row), a double-click (or Enter) installs the available row or
    // modifies the installed entry. Without a selected row they do nothing.
    void ShowAvailableDetails();
    void InstallSelected();
    void ShowInstalledDetails();
    void ModifySelected();

    // Installs `count` of the available row `row` into the first free entry,
    // as SetCount sets it: "Install 2 Radio". A count that leaves the entry at
    // 0 or below installs nothing.
    Status Install(const CatalogKey& row, double count);
    // Sets the number of installed entry `entry`; one below 0 empties the
    // entry as 0 does: "Change number of Radio to 4".
    Status SetNumber(int entry, double number);
    // Empties installed entry `entry`: "Remove Radio".
    Status Remove(int entry);
    // The options of the modify question: "Remove" and "Change number" first,
    // then the editor's own.
    virtual std::vector<std::string> ModifyOptions() const;
    // The design table entry that installed row `row` shows.
    std::optional<int> EntryOfInstalledRow(int row);
    // The number of installed entry `entry`; none when it is not installed.
    std::optional<double> NumberOf(int entry);

    std::string Caption;  // the title bar
    Label frame;
    Label available_caption{"&Available:"};
    TextBox available_filter;
    CatalogTable available;
    Label available_details;
    Label installed_caption{"&Installed:"};
    ListBox installed;
    Label installed_details;
    Button done{"&Done"};

protected:
    // Entries 0 to the last of the editor's design table; entry 0 is the empty
    // entry and is never shown or filled.
    virtual std::span<ComponentRecord> Entries() = 0;

    // The label column of an available row: the label by default.
    virtual std::string AvailableRowText(const ComponentRecord& row) const;
    // What a click on an available row shows: the figures of one unit and its
    // tech level by default.
    virtual std::string AvailableDetailsOf(const ComponentRecord& row) const;
    // An installed row: the label, " x" and the number, then InstalledRowTail.
    virtual std::string InstalledRowText(const ComponentRecord& entry) const;
    virtual std::string InstalledRowTail(const ComponentRecord& entry) const;
    // The details line of an installed entry: the catalog row's own figures
    // times the entry's number.
    virtual std::string InstalledDetailsOf(const ComponentRecord& entry);

    // Asks how many of catalog row `row` to install and installs them; nothing
    // when a question was closed without an answer.
    virtual void AskCountAndInstall(const CatalogKey& row);
    // The count question of the editor's shape; no value when it was closed
    // without an answer.
    std::optional<double> AskCount();
    // Writes `count` into an entry just copied from the catalog: a count of 0
    // keeps the catalog row's own number or installs nothing, as the shape says.
    void SetCount(ComponentRecord& entry, double count) const;
    // An option after the first two, chosen for installed entry `entry`: asks
    // what it needs and calls the option's operation.
    virtual void ModifyFurther(int option, int entry);
    // An entry's whole name as a step names it, without trailing blanks.
    virtual std::string StepLabel(const ComponentRecord& entry) const;

    // Installs the catalog row `row` as Install does, `finish` completing the
    // entry after its count.
    Status InstallRow(const CatalogKey& row, double count,
                      const std::function<void(ComponentRecord&)>& finish);
    // Installed entry `entry`, or why there is none.
    Result<ComponentRecord*> InstalledEntry(int entry);
    // Replaces installed entry `entry` by `changed` as the step `step`; no step
    // when it stays the same.
    void Replace(int entry, std::string step, const ComponentRecord& changed);
    // Replaces installed entry `entry` by `edited`, its particulars as the
    // user typed them, as the step "Edit" and the entry's label before; a
    // number not above 0 keeps the entry's.
    Status ReplaceEdited(int entry, ComponentRecord edited);

    // The count questions: options "1" … "10", giving the chosen position;
    // or "1" … "9" and "Enter", giving the chosen position as text or, after
    // "Enter", what was typed into the input box `input_prompt`. No value when
    // a question was closed without an answer.
    std::optional<int> AskUpToTen(const std::string& caption);
    std::optional<std::string> AskNineOrEnter(const std::string& caption,
                                              const std::string& input_prompt);
    // The first free entry after `after`, if any.
    std::optional<int> NextFreeEntry(int after = 0);
    static Error MaximumReached();
    // Tells the user why an operation was not done; nothing when it was.
    void ShowFailure(const Status& status);
    // Applies `change` (which writes into the design's tables) as the
    // document's step `step`.
    void Apply(std::string step, const std::function<void()>& change);

    Design& design() { return session_.design; }
    Catalog& catalog() { return session_.catalog->Features(); }
    Prompter& prompter() { return prompter_; }

private:
    // The design table entry of the selected installed row.
    std::optional<int> SelectedEntry();
    // The catalog row of the selected available row.
    const ComponentRecord* SelectedCatalogRow();
    // "Change number": asks the new number of installed entry `entry` and sets it.
    void AskNumber(int entry);
    // Makes installed row `row` show design entry `index`.
    void ShowInstalledRow(int row, int index, const ComponentRecord& entry);

    Session& session_;
    DesignDocument& document_;
    Prompter& prompter_;
    ListEditorShape shape_;
    std::vector<ComponentRecord> listed_;  // the entry each installed row's texts were made from
    DesignSubscription subscription_ = document_.Subscribe(*this);
};

// The figures of a details line: "1,234.6 KL  2.0 Tons  0.5 Mw  Cr25,000.0",
// the third value with its own caption (" Mw  Cr", or " crew  Cr" for craft).
std::string DetailsLine(double kl, double tons, double third, std::string_view third_caption,
                        double cr);

}  // namespace korvane::ui
