// Feeds arbitrary bytes to the design file reader. Beyond not crashing, it
// checks that a refused file says where (source and line), that a design that
// was read writes a file which reads back to the same design, and that a design
// loaded as the program loads it recalculates to finite figures and makes a
// profile text, a page and totals without "nan" or "inf" in them, and that a
// resave is a fixed point: the design loaded from its own saved file saves
// the same bytes again.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "app/load_design.h"
#include "app/new_design.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "files/design_file.h"
#include "model/record_fields.h"
#include "model/standard_catalog.h"
#include "reports/feature_list.h"
#include "reports/html_page.h"
#include "reports/profile_text.h"
#include "reports/report_context.h"
#include "reports/status_captions.h"
#include "reports/utilization.h"

namespace {

using korvane::ComponentRecord;
using korvane::Design;

[[noreturn]] void Fail(std::string_view what) {
    std::fprintf(stderr, "design reader fuzz: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

std::string Written(const Design& design) {
    std::ostringstream out;
    korvane::WriteDesign(out, design);
    return out.str();
}

korvane::Catalog& StandardCatalog() {
    static korvane::Catalog catalog(korvane::StandardCatalogRows());
    return catalog;
}

// The design a load starts from: the program's new design.
const Design& NewDesign() {
    static const Design design = [] {
        Design fresh;
        korvane::NewDesign(fresh, StandardCatalog());
        return fresh;
    }();
    return design;
}

void ExpectFinite(double value, std::string_view where) {
    if (!std::isfinite(value)) {
        Fail("a recalculated design holds " + std::to_string(value) + " in " + std::string(where));
    }
}

void ExpectFiniteRecord(const ComponentRecord& record, std::string_view where) {
    const auto& fields = korvane::RecordFields();
    for (std::size_t field = 0; field < fields.size(); ++field) {
        if (fields[field].kind == korvane::FieldKind::Number) {
            ExpectFinite(korvane::NumberField(record, field),
                         std::string(where) + " " + std::string(fields[field].name));
        }
    }
}

// Every number of the design: the records of its tables and its working values.
void ExpectFiniteDesign(const Design& design) {
    for (std::size_t t = 0; t < Design::kTableCount; ++t) {
        for (const ComponentRecord& record : design.Table(t)) {
            ExpectFiniteRecord(record, "table " + std::to_string(t));
        }
    }
    ExpectFiniteRecord(design.DesignRecord, "the design record");
    ExpectFiniteRecord(design.CapacityRecord, "the capacity record");
    for (double points : design.ControlPoints) {
        ExpectFinite(points, "the control points");
    }
    ExpectFinite(design.ControlTotal, "the control total");
    ExpectFinite(design.ControlRemaining, "the control remaining");
    for (const auto& row : design.WeaponFactors) {
        std::for_each(row.begin(), row.end(), [](double v) { ExpectFinite(v, "weapon factors"); });
    }
    for (const auto& row : design.WeaponCounts) {
        std::for_each(row.begin(), row.end(), [](double v) { ExpectFinite(v, "weapon counts"); });
    }
}

// A number the program failed to keep finite is written "nan" or "inf" in
// lower case. The design's own texts are printed as they stand, so their lower
// case "n" is raised first: what remains of "nan" and "inf" is the program's.
void RaiseLowerCaseN(Design& design) {
    auto raise = [](auto& text) {
        for (std::size_t i = 0; i < text.view().size(); ++i) {
            if (text[i] == 'n') {
                text[i] = 'N';
            }
        }
    };
    auto raise_record = [&](ComponentRecord& record) {
        raise(record.TABLE);
        raise(record.LABEL);
        raise(record.USP);
        std::for_each(record.MISCSTR.begin(), record.MISCSTR.end(), raise);
    };
    for (std::size_t t = 0; t < Design::kTableCount; ++t) {
        for (ComponentRecord& record : design.Table(t)) {
            raise_record(record);
        }
    }
    raise_record(design.DesignRecord);
    raise_record(design.CapacityRecord);
}

void ExpectNoNonFiniteText(std::string_view text, std::string_view what) {
    for (std::string_view word : {"nan", "inf"}) {
        const auto found = text.find(word);
        if (found != std::string_view::npos) {
            const std::size_t from = found < 40 ? 0 : found - 40;
            Fail(std::string(what) + " shows \"" + std::string(word) + "\": ..." +
                 std::string(text.substr(from, 80)) + "...");
        }
    }
}

// The bytes loaded as the program loads a design file.
Design Loaded(const std::string& bytes) {
    std::istringstream in(bytes);
    Design design = NewDesign();
    if (!korvane::ReadDesign(in, "fuzz.k2d", design)) {
        Fail("a design that was read once is refused the second time");
    }
    korvane::Recalculate(design, StandardCatalog());
    korvane::SettleAsWritten(design, StandardCatalog());
    return design;
}

// Loads the bytes as the program loads a design file, resaves it twice, and
// makes what the program shows and writes of it.
void LoadAndReport(const std::string& bytes) {
    Design design = Loaded(bytes);
    ExpectFiniteDesign(design);
    const std::string resaved = Written(design);
    if (Written(Loaded(resaved)) != resaved) {
        Fail("a resaved design changes when it is resaved again");
    }

    RaiseLowerCaseN(design);
    const korvane::StatusCaptions summary = korvane::CaptionsOf(korvane::ShowStatusSummary(design));
    for (const std::string* caption :
         {&summary.ship_name, &summary.volume, &summary.power, &summary.hardpoints,
          &summary.displacement, &summary.tech_level, &summary.mass, &summary.cost,
          &summary.agility, &summary.cargo}) {
        ExpectNoNonFiniteText(*caption, "the totals");
    }
    for (const std::string& problem : design.Problems) {
        ExpectNoNonFiniteText(problem, "the problem list");
    }
    ExpectNoNonFiniteText(korvane::UtilizationMessage(design), "the utilization");
    ExpectNoNonFiniteText(korvane::FeatureList(design), "the feature list");
    const korvane::ReportContext context{std::chrono::sys_days{}, std::nullopt, {}};
    ExpectNoNonFiniteText(korvane::ProfileText(design, context), "the profile text");
    ExpectNoNonFiniteText(korvane::HtmlPageText(design, context), "the page");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    Design design;
    const korvane::Status status = korvane::ReadDesign(in, "fuzz.k2d", design);
    if (!status) {
        if (status.message().rfind("fuzz.k2d, line ", 0) != 0) {
            Fail("message without source and line: " + status.message());
        }
        return 0;
    }

    const std::string first = Written(design);
    std::istringstream again_in(first);
    Design again;
    const korvane::Status again_status = korvane::ReadDesign(again_in, "rewritten.k2d", again);
    if (!again_status) {
        Fail("a design that was read does not read back once written: " + again_status.message());
    }
    if (Written(again) != first) {
        Fail("a design that was read changes when written and read again");
    }

    LoadAndReport(bytes);
    return 0;
}
