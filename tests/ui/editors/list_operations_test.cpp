// The list editors' plain operations do what their questions do: the same
// design, byte for byte, under the same step name, asking nothing.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/recalculate.h"
#include "form_editor_test_support.h"
#include "model/number_format.h"
#include "ui/editors/accommodation_list.h"
#include "ui/editors/anti_hijack_editor.h"
#include "ui/editors/bays_editor.h"
#include "ui/editors/communicators_editor.h"
#include "ui/editors/craft_editor.h"
#include "ui/editors/custom_features_editor.h"
#include "ui/editors/screens_editor.h"
#include "ui/editors/sensors_editor.h"
#include "ui/editors/turrets_editor.h"

namespace korvane::ui_test {
namespace {

using testing::QuestionKind;
using testing::ScriptedPrompter;
using ui::CatalogKey;
using ui::ListEditor;

constexpr double kEnter = 10;  // the "Enter" position of a count question

void SelectAvailable(ListEditor& editor, const CatalogKey& key) {
    editor.available.SelectKey(key);
    ASSERT_TRUE(editor.available.Selected()) << key.code << " " << key.id << " is not listed";
}

void SelectInstalled(ListEditor& editor, int entry) {
    for (int row = 0; row < editor.installed.Count(); ++row) {
        if (editor.EntryOfInstalledRow(row) == entry) {
            editor.installed.Select(row);
        }
    }
    ASSERT_TRUE(editor.installed.Selected()) << "entry " << entry << " is not listed";
}

// One change made twice: by the window's question with scripted answers, and
// by the operation the question calls.
struct OperationCase {
    std::string name;
    std::string step;  // the step both make; empty when neither makes one
    std::function<std::unique_ptr<ListEditor>(Session&, ui::DesignDocument&, Prompter&)> make;
    std::function<void(ListEditor&, ScriptedPrompter&)> ask;
    std::function<Status(ListEditor&)> operate;
};

template <typename Editor>
OperationCase Case(std::string name, std::string step,
                   std::function<void(Editor&, ScriptedPrompter&)> ask,
                   std::function<Status(Editor&)> operate) {
    return {std::move(name), std::move(step),
            [](Session& session, ui::DesignDocument& document, Prompter& prompter) {
                return std::make_unique<Editor>(session, document, prompter);
            },
            [ask](ListEditor& editor, ScriptedPrompter& prompter) {
                ask(static_cast<Editor&>(editor), prompter);
            },
            [operate](ListEditor& editor) { return operate(static_cast<Editor&>(editor)); }};
}

ComponentRecord Fitted(Catalog& catalog, std::string_view code, int id, double number) {
    ComponentRecord entry = catalog.LookupComponent(code, id);
    entry.NUMBER = number;
    return entry;
}

ComponentRecord CustomBar() {
    ComponentRecord bar = BlankRecord;
    bar.LABEL = "Bar";
    for (std::size_t part = 1; part <= 3; ++part) {
        bar.MISCSTR[part] = "";  // as a typed name leaves the continuation fields
    }
    bar.NUMBER = 1;
    bar.KL = 20;
    bar.TONS = 3;
    bar.MW = 0.5;
    bar.CR = 40'000;
    return bar;
}

// The craft entry 1 after "Edit" with the answers of the edit cases below.
ComponentRecord EditedGig(const ComponentRecord& pinnace) {
    ComponentRecord gig = pinnace;
    gig.LABEL = "Captain's Gig";
    for (std::size_t part = 1; part <= 3; ++part) {
        gig.MISCSTR[part] = "";
    }
    gig.KL = 20 * kKlPerTon;
    gig.TONS = 18;
    gig.MISCNUM[3] = 2;
    gig.TL = 14;
    gig.NUMBER = 3;
    return gig;
}

class ListOperationsTest : public FormEditorFixture {
protected:
    void SetUp() override {
        FormEditorFixture::SetUp();
        design().Slots[Slot::Hull].KL = 1000 * kKlPerTon;
        design().Communicators[1] = Fitted(catalog(), "CM", 1, 2);
        design().Sensors[1] = Fitted(catalog(), "SA", 6, 1);
        design().Turrets[1] = Fitted(catalog(), "TR", 6, 3);
        design().Turrets[1].MISCSTR[2] = "1";
        design().Craft[1] = Fitted(catalog(), "CR", 6, 1);
        design().CustomFeatures[1] = CustomBar();
        design().Accommodations[1] = Fitted(catalog(), "AC", 1, 10);
        Settle();
        design().DesignChanged = false;
        start_ = design();
    }

    struct Outcome {
        std::string file;
        std::optional<std::string> step;
        bool changed = false;
    };

    // Makes the change on the starting design through a document and an
    // editor of its own.
    Outcome Run(const OperationCase& change, bool by_question) {
        design() = start_;
        ui::DesignDocument document{session_};
        ScriptedPrompter prompter;  // fails the test at any question not scripted
        const std::unique_ptr<ListEditor> editor = change.make(session_, document, prompter);
        editor->Load();
        editor->Activate();
        if (by_question) {
            change.ask(*editor, prompter);
        } else {
            const Status done = change.operate(*editor);
            EXPECT_TRUE(done.ok()) << done.message();
            EXPECT_TRUE(prompter.questions().empty()) << "an operation asks nothing";
        }
        return {DesignFileText(design()), document.UndoStep(), design().DesignChanged};
    }

    Design start_;
};

TEST_F(ListOperationsTest, EachOperationDoesWhatItsQuestionDid) {
    using ui::AntiHijackEditor;
    using ui::CraftEditor;
    using ui::CustomFeaturesEditor;
    using ui::SensorsEditor;
    using ui::TurretsEditor;
    const std::vector<OperationCase> cases = {
        Case<ui::CommunicatorsEditor>(
            "install from 1-10", "Install 3 Laser Comm, System",
            [](auto& editor, auto& prompter) {
                SelectAvailable(editor, {"CM", 7});
                prompter.AnswerChoice(3);
                editor.InstallSelected();
            },
            [](auto& editor) {
                return editor.Install({"CM", 7}, 3);
            }),
        Case<ui::CommunicatorsEditor>(
            "remove", "Remove Radio, Short Range",
            [](auto& editor, auto& prompter) {
                SelectInstalled(editor, 1);
                prompter.AnswerChoice(1);
                editor.ModifySelected();
            },
            [](auto& editor) { return editor.Remove(1); }),
        Case<ui::CommunicatorsEditor>(
            "a number below 0 empties the entry", "Change number of Radio, Short Range to 0",
            [](auto& editor, auto& prompter) {
                SelectInstalled(editor, 1);
                prompter.AnswerChoice(2).AnswerText("-3");
                editor.ModifySelected();
            },
            [](auto& editor) { return editor.SetNumber(1, -3); }),
        Case<ui::AccommodationList>(
            "change number", "Change number of Stateroom to 31.5",
            [](auto& editor, auto& prompter) {
                SelectInstalled(editor, 1);
                prompter.AnswerChoice(2).AnswerText("31.5 rooms");
                editor.ModifySelected();
            },
            [](auto& editor) { return editor.SetNumber(1, 31.5); }),
        Case<ui::AccommodationList>(
            "the same number makes no step", "",
            [](auto& editor, auto& prompter) {
                SelectInstalled(editor, 1);
                prompter.AnswerChoice(2).AnswerText("10");
                editor.ModifySelected();
            },
            [](auto& editor) { return editor.SetNumber(1, 10); }),
        Case<ui::BaysEditor>(
            "an empty typed count takes the catalog's number", "Install 1 50-ton Particle Bay",
            [](auto& editor, auto& prompter) {
                SelectAvailable(editor, {"BY", 3});
                prompter.AnswerChoice(kEnter).AnswerText("");
                editor.InstallSelected();
            },
            [](auto& editor) {
                return editor.Install({"BY", 3}, 0);
            }),
        Case<ui::ScreensEditor>(
            "a typed fraction", "Install 2.5 Globe Generator-1",
            [](auto& editor, auto& prompter) {
                SelectAvailable(editor, {"SC", 12});
                prompter.AnswerChoice(kEnter).AnswerText("2.5");
                editor.InstallSelected();
            },
            [](auto& editor) {
                return editor.Install({"SC", 12}, 2.5);
            }),
        Case<TurretsEditor>(
            "turrets with typed batteries", "Install 2 Triple Pulse Laser",
            [](auto& editor, auto& prompter) {
                SelectAvailable(editor, {"TR", 3});
                prompter.AnswerChoice(2).AnswerChoice(kEnter).AnswerText("3 bty");
                editor.InstallSelected();
            },
            [](TurretsEditor& editor) {
                return editor.Install({"TR", 3}, 2, "3 bty");
            }),
        Case<TurretsEditor>(
            "no turrets install nothing", "",
            [](auto& editor, auto& prompter) {
                SelectAvailable(editor, {"TR", 3});
                prompter.AnswerChoice(kEnter).AnswerText("none");
                editor.InstallSelected();
            },
            [](TurretsEditor& editor) {
                return editor.Install({"TR", 3}, 0, "1");
            }),
        Case<TurretsEditor>(
            "change batteries", "Change batteries of Triple Beam Laser to 2",
            [](auto& editor, auto& prompter) {
                SelectInstalled(editor, 1);
                prompter.AnswerChoice(3).AnswerText("2");
                editor.ModifySelected();
            },
            [](TurretsEditor& editor) { return editor.SetBatteries(1, "2"); }),
        Case<TurretsEditor>(
            "MaxFactor", "MaxFactor 2",
            [](auto& editor, auto& prompter) {
                SelectInstalled(editor, 1);
                prompter.AnswerChoice(4).AnswerChoice(2);
                editor.ModifySelected();
            },
            [](TurretsEditor& editor) { return editor.SetMaxFactor(1, 2); }),
        Case<SensorsEditor>(
            "sensor defaults", "Sensor defaults",
            [](auto& editor, auto& prompter) {
                prompter.AnswerChoice(2);
                editor.InstallDefaults();
            },
            [](SensorsEditor& editor) { return editor.InstallDefaults(2); }),
        Case<AntiHijackEditor>(
            "the count that suits the hull", "Install 40 Intruder Sensor",
            [](auto& editor, auto& prompter) {
                SelectAvailable(editor, {"AH", 3});
                prompter.AnswerChoice(1);
                editor.InstallSelected();
            },
            [](AntiHijackEditor& editor) {
                return editor.Install({"AH", 3}, editor.SuggestedCount({"AH", 3}).value_or(0));
            }),
        Case<AntiHijackEditor>(
            "a typed anti-hijack count", "Install 7 Gas Dispenser",
            [](auto& editor, auto& prompter) {
                SelectAvailable(editor, {"AH", 6});
                prompter.AnswerChoice(2).AnswerText("7");
                editor.InstallSelected();
            },
            [](AntiHijackEditor& editor) {
                return editor.Install({"AH", 6}, 7);
            }),
        Case<CraftEditor>(
            "install craft", "Install 4 Light Fighter, 10 tons, one pilot",
            [](auto& editor, auto& prompter) {
                SelectAvailable(editor, {"CR", 8});
                prompter.AnswerChoice(4);
                editor.InstallSelected();
            },
            [](CraftEditor& editor) {
                return editor.Install({"CR", 8}, 4);
            }),
        Case<CraftEditor>(
            "edit craft", "Edit Pinnace, 40 tons",
            [](auto& editor, auto& prompter) {
                SelectInstalled(editor, 1);
                prompter.AnswerChoice(3)
                    .AnswerText("Captain's Gig")
                    .AnswerText("20t")
                    .AnswerText("18")
                    .AnswerText("")
                    .AnswerText("")
                    .AnswerText("2")
                    .AnswerText("14")
                    .AnswerChoice(3);
                editor.ModifySelected();
            },
            [](CraftEditor& editor) {
                return editor.Edit(1, EditedGig(editor.Document().design().Craft[1]));
            }),
        Case<CraftEditor>(
            "launch tubes", "2 launch tubes for max displacement 100 tons.",
            [](auto& editor, auto& prompter) {
                prompter.AnswerText("2").AnswerText("100");
                editor.SetLaunchTubes();
            },
            [](CraftEditor& editor) { return editor.SetLaunchTubes(2, 100); }),
        Case<CustomFeaturesEditor>(
            "add a custom feature", "Add Bar",
            [](auto& editor, auto& prompter) {
                prompter.AnswerText("Bar")
                    .AnswerText("20")
                    .AnswerText("3")
                    .AnswerText(".5")
                    .AnswerText("40000")
                    .AnswerChoice(1);
                editor.AddOne();
            },
            [](CustomFeaturesEditor& editor) { return editor.Add(CustomBar()); }),
        Case<CustomFeaturesEditor>(
            "edit a custom feature", "Edit Bar",
            [](auto& editor, auto& prompter) {
                SelectInstalled(editor, 1);
                prompter.AnswerChoice(3)
                    .AnswerText("")
                    .AnswerText("")
                    .AnswerText("")
                    .AnswerText("4")
                    .AnswerText("")
                    .AnswerChoice(2);
                editor.ModifySelected();
            },
            [](CustomFeaturesEditor& editor) {
                ComponentRecord bar = CustomBar();
                bar.MW = 4;
                bar.NUMBER = 2;
                return editor.Edit(1, bar);
            }),
    };
    for (const OperationCase& change : cases) {
        SCOPED_TRACE(change.name);
        const Outcome asked = Run(change, true);
        const Outcome done = Run(change, false);
        EXPECT_TRUE(asked.file == done.file) << "the designs differ";
        EXPECT_EQ(asked.step.value_or(""), change.step);
        EXPECT_EQ(done.step.value_or(""), change.step);
        EXPECT_EQ(done.changed, !change.step.empty());
        EXPECT_EQ(asked.file == DesignFileText(start_), change.step.empty());
    }
}

// An operation that cannot be done says why and changes nothing.
TEST_F(ListOperationsTest, AnOperationThatCannotBeDoneSaysWhyAndChangesNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    struct Refusal {
        std::string name;
        std::function<Status(Session&, ui::DesignDocument&, Prompter&)> operate;
        std::string message;
    };
    const auto communicators = [](auto operate) {
        return [operate](Session& session, ui::DesignDocument& document, Prompter& prompter) {
            ui::CommunicatorsEditor editor{session, document, prompter};
            return operate(editor);
        };
    };
    const auto full = [](Session& session) {
        for (std::size_t i = 1; i < session.design.Communicators.size(); ++i) {
            session.design.Communicators[i] = session.design.Communicators[1];
        }
    };
    const std::vector<Refusal> refusals = {
        {"a full table",
         [&](Session& session, ui::DesignDocument& document, Prompter& prompter) {
             full(session);
             ui::CommunicatorsEditor editor{session, document, prompter};
             return editor.Install({"CM", 2}, 1);
         },
         "You already have the maximum number of options selected."},
        {"a row the catalog lacks", communicators([](auto& editor) {
             return editor.Install({"CM", 77}, 1);
         }),
         "The catalog has no row CM 77."},
        {"a free entry", communicators([](auto& editor) { return editor.SetNumber(2, 5); }),
         "Entry 2 of Communicators is not installed."},
        {"entry 0", communicators([](auto& editor) { return editor.Remove(0); }),
         "Entry 0 of Communicators is not installed."},
        {"an entry past the table", communicators([](auto& editor) { return editor.Remove(99); }),
         "Entry 99 of Communicators is not installed."},
        {"a number that is no number",
         communicators([nan](auto& editor) { return editor.SetNumber(1, nan); }),
         "The number of Radio, Short Range is out of range; it stays 2."},
        {"a factor the turret lacks",
         [](Session& session, ui::DesignDocument& document, Prompter& prompter) {
             ui::TurretsEditor editor{session, document, prompter};
             return editor.SetMaxFactor(1, 10);
         },
         "This turret has no factor A to form batteries for; its batteries stay as they are."},
        {"no default sensors",
         [](Session& session, ui::DesignDocument& document, Prompter& prompter) {
             ui::SensorsEditor editor{session, document, prompter};
             return editor.InstallDefaults(0);
         },
         "The number of each default sensor must be above 0."},
        {"a custom feature of infinite volume",
         [infinity](Session& session, ui::DesignDocument& document, Prompter& prompter) {
             ui::CustomFeaturesEditor editor{session, document, prompter};
             ComponentRecord bar = CustomBar();
             bar.KL = infinity;
             return editor.Edit(1, bar);
         },
         "A figure of Bar is not a number within range; nothing was changed."},
        {"launch tubes of no number",
         [nan](Session& session, ui::DesignDocument& document, Prompter& prompter) {
             ui::CraftEditor editor{session, document, prompter};
             return editor.SetLaunchTubes(nan, 100);
         },
         "The launch tubes and their tonnage must be numbers within range; they stay as they "
         "are."},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        design() = start_;
        ui::DesignDocument document{session_};
        ScriptedPrompter prompter;
        const Design before = design();
        const Status done = refusal.operate(session_, document, prompter);
        ASSERT_FALSE(done.ok());
        EXPECT_EQ(done.message(), refusal.message);
        EXPECT_FALSE(document.UndoStep());
        EXPECT_FALSE(design().DesignChanged);
        EXPECT_TRUE(prompter.questions().empty());
    }
}

TEST_F(ListOperationsTest, TheModifyOptionsAndTheEntriesOfInstalledRowsAreOffered) {
    ScriptedPrompter prompter;
    ui::TurretsEditor turrets{session_, document_, prompter};
    ui::CraftEditor craft{session_, document_, prompter};
    ui::CommunicatorsEditor communicators{session_, document_, prompter};
    EXPECT_EQ(turrets.ModifyOptions(), (std::vector<std::string>{"Remove", "Change number",
                                                                 "Change batteries", "MaxFactor"}));
    EXPECT_EQ(craft.ModifyOptions(), (std::vector<std::string>{"Remove", "Change number", "Edit"}));
    EXPECT_EQ(communicators.ModifyOptions(), (std::vector<std::string>{"Remove", "Change number"}));
    EXPECT_EQ(turrets.MaxFactorChoices(1), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}))
        << "a Triple Beam Laser lacks factor A";
    EXPECT_TRUE(turrets.MaxFactorChoices(2).empty()) << "a free entry offers nothing";

    design().Communicators[4] = design().Communicators[1];
    communicators.Activate();
    ASSERT_EQ(communicators.installed.Count(), 2);
    EXPECT_EQ(communicators.EntryOfInstalledRow(1), 4);
    EXPECT_EQ(communicators.EntryOfInstalledRow(2), std::nullopt);
    EXPECT_EQ(communicators.EntryOfInstalledRow(-1), std::nullopt);
}

}  // namespace
}  // namespace korvane::ui_test
