#include "model/record_fields.h"

#include <cstdint>

namespace korvane {

namespace {

constexpr std::size_t kMiscNum0 = 10;
constexpr std::size_t kMiscStr0 = 21;
constexpr std::size_t kCustom = 32;

constexpr std::array<FieldInfo, kRecordFieldCount> kFields = {{
    {"TABLE", FieldKind::Text, 2},     {"IDNUM", FieldKind::Integer},
    {"LABEL", FieldKind::Text, 20},    {"NUMBER", FieldKind::Number},
    {"KL", FieldKind::Number},         {"TONS", FieldKind::Number},
    {"CR", FieldKind::Number},         {"MW", FieldKind::Number},
    {"USP", FieldKind::Text, 1},       {"TL", FieldKind::Integer},
    {"MISCNUM0", FieldKind::Number},   {"MISCNUM1", FieldKind::Number},
    {"MISCNUM2", FieldKind::Number},   {"MISCNUM3", FieldKind::Number},
    {"MISCNUM4", FieldKind::Number},   {"MISCNUM5", FieldKind::Number},
    {"MISCNUM6", FieldKind::Number},   {"MISCNUM7", FieldKind::Number},
    {"MISCNUM8", FieldKind::Number},   {"MISCNUM9", FieldKind::Number},
    {"MISCNUM10", FieldKind::Number},  {"MISCSTR0", FieldKind::Text, 10},
    {"MISCSTR1", FieldKind::Text, 10}, {"MISCSTR2", FieldKind::Text, 10},
    {"MISCSTR3", FieldKind::Text, 10}, {"MISCSTR4", FieldKind::Text, 10},
    {"MISCSTR5", FieldKind::Text, 10}, {"MISCSTR6", FieldKind::Text, 10},
    {"MISCSTR7", FieldKind::Text, 10}, {"MISCSTR8", FieldKind::Text, 10},
    {"MISCSTR9", FieldKind::Text, 10}, {"MISCSTR10", FieldKind::Text, 10},
    {"custom", FieldKind::Integer},
}};

}  // namespace

const std::array<FieldInfo, kRecordFieldCount>& RecordFields() {
    return kFields;
}

std::size_t FieldIndex(std::string_view name) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i].name == name) {
            return i;
        }
    }
    return kRecordFieldCount;
}

std::string TextField(const ComponentRecord& record, std::size_t field) {
    switch (field) {
        case 0:
            return record.TABLE.str();
        case 2:
            return record.LABEL.str();
        case 8:
            return record.USP.str();
        default:
            return record.MISCSTR[field - kMiscStr0].str();
    }
}

void SetTextField(ComponentRecord& record, std::size_t field, std::string_view text) {
    switch (field) {
        case 0:
            record.TABLE = text;
            break;
        case 2:
            record.LABEL = text;
            break;
        case 8:
            record.USP = text;
            break;
        default:
            record.MISCSTR[field - kMiscStr0] = text;
            break;
    }
}

double NumberField(const ComponentRecord& record, std::size_t field) {
    switch (field) {
        case 1:
            return record.IDNUM;
        case 3:
            return record.NUMBER;
        case 4:
            return record.KL;
        case 5:
            return record.TONS;
        case 6:
            return record.CR;
        case 7:
            return record.MW;
        case 9:
            return record.TL;
        case kCustom:
            return record.custom;
        default:
            return record.MISCNUM[field - kMiscNum0];
    }
}

void SetNumberField(ComponentRecord& record, std::size_t field, double value) {
    switch (field) {
        case 1:
            record.IDNUM = static_cast<std::int16_t>(value);
            break;
        case 3:
            record.NUMBER = value;
            break;
        case 4:
            record.KL = value;
            break;
        case 5:
            record.TONS = value;
            break;
        case 6:
            record.CR = value;
            break;
        case 7:
            record.MW = value;
            break;
        case 9:
            record.TL = static_cast<std::int16_t>(value);
            break;
        case kCustom:
            record.custom = static_cast<std::int16_t>(value);
            break;
        default:
            record.MISCNUM[field - kMiscNum0] = value;
            break;
    }
}

}  // namespace korvane
