#include "indicator_table.h"

#include <cstring>

namespace settings {

namespace {

using density::UnitKind;
constexpr UnitKind T = UnitKind::Temperature;
constexpr UnitKind V = UnitKind::Volume;
constexpr UnitKind P = UnitKind::Pressure;

}  // namespace

const std::vector<IndicatorEntry>& indicatorTable()
{
    static const std::vector<IndicatorEntry> table = {
        {"Panel3", "PopupMenu2", T, {"N14", "N15"}, "N11", "N12", "Edit2", nullptr},
        {"Panel4", "PopupMenu3", T, {"N9", "N10"}, "N16", "N17", "Edit5", nullptr},
        {"Panel5", "PopupMenu4", T, {"N18", "N19"}, "N20", "N22", "Edit10", nullptr},
        {"Panel6", "PopupMenu5", T, {"N23", "N24"}, "N25", "N26", "Edit14", nullptr},
        {"Panel7", "PopupMenu1", T, {"N13", "N21"}, "N27", "N28", "Edit16", nullptr},
        {"Panel8", "PopupMenu6", T, {"N29", "N30"}, "N31", "N32", "Edit19", nullptr},
        {"Panel9", "PopupMenu7", T, {"N33", "N34"}, "N35", "N36", "Edit24", nullptr},
        {"Panel10", "PopupMenu8", T, {"N37", "N38"}, "N39", "N40", "Edit28", nullptr},
        {"Panel1", "PopupMenu9", V, {"N41", "N42", "N43"}, "N44", "N45", "Edit7", nullptr},
        {"Panel11", "PopupMenu10", V, {"N46", "N47", "N48"}, "N49", "N50", "Edit21", nullptr},
        {"Panel12", "PopupMenu11", P, {"N51", "N52", "N53", "N54"}, "N55", "N56", "Edit29", "Label33"},
        {"Panel13", "PopupMenu12", P, {"N57", "N58", "N59", "N60"}, "N61", "N62", "Edit30", "Label34"},
        {"Panel14", "PopupMenu13", P, {"N63", "N64", "N65", "N66"}, "N67", "N68", "Edit31", "Label35"},
        {"Panel15", "PopupMenu14", V, {"N69", "N70", "N71"}, "N72", "N73", "Edit12", nullptr},
        {"Panel2", "PopupMenu15", V, {"N74", "N75", "N76"}, "N77", "N78", "Edit26", nullptr},
        {"Panel16",
         "PopupMenu16",
         T,
         {"N92", "N93"},
         "MenuItem3",
         "N94",
         "Edit33",
         nullptr,
         DoubleClick::CelsiusOrFahrenheit},
        {"Panel17", "PopupMenu17", T, {"N95", "N96"}, "MenuItem4", "N97", "Edit36", nullptr},
        {"Panel18", "PopupMenu18", T, {"N98", "N99"}, "MenuItem5", "N100", "Edit39", nullptr},
        {"Panel19", "PopupMenu19", T, {"N101", "N102"}, "MenuItem6", "N103", "Edit42", nullptr},
    };
    return table;
}

const IndicatorEntry* findIndicator(const char* panel)
{
    for (const IndicatorEntry& entry : indicatorTable())
        if (std::strcmp(entry.panel, panel) == 0)
            return &entry;
    return nullptr;
}

}  // namespace settings
