#include "rules/cycles.h"

namespace rules {
namespace {

// Between "°C" and "(" stands a no-break space, except in the 31-35 °C text of the 60 °C
// cycle, which has an ordinary one.
constexpr CycleEntry kAmbient60[] = {
    {1.0f, 0.91f, "31-35\u00B0C (87-95\u00B0F)"},
    {0.91f, 0.82f, "36-40\u00B0C\u00A0(96-104\u00B0F)"},
    {0.82f, 0.71f, "41-45\u00B0C\u00A0(105-113\u00B0F)"},
    {0.71f, 0.58f, "46-50\u00B0C\u00A0(114-122\u00B0F)"},
    {0.58f, 0.41f, "51-55\u00B0C\u00A0(123-131\u00B0F)"},
    {0.41f, 1.29f, "10\u00B0C\u00A0(50\u00B0F) or less"},
    {1.29f, 1.22f, "11-15\u00B0C\u00A0(51-59\u00B0F)"},
    {1.22f, 1.15f, "16-20\u00B0C\u00A0(60-68\u00B0F)"},
    {1.15f, 1.08f, "21-25\u00B0C\u00A0(69-77\u00B0F)"},
    {1.08f, 1.0f, kAmbientReferenceRange},
};

constexpr CycleEntry kAmbient75[] = {
    {1.0f, 0.94f, "31-35\u00B0C\u00A0(87-95\u00B0F)"},
    {0.94f, 0.88f, "36-40\u00B0C\u00A0(96-104\u00B0F)"},
    {0.88f, 0.82f, "41-45\u00B0C\u00A0(105-113\u00B0F)"},
    {0.82f, 0.75f, "46-50\u00B0C\u00A0(114-122\u00B0F)"},
    {0.75f, 0.67f, "51-55\u00B0C\u00A0(123-131\u00B0F)"},
    {0.67f, 0.58f, "56-60\u00B0C\u00A0(132-140\u00B0F)"},
    {0.58f, 0.47f, "61-65\u00B0C\u00A0(141-149\u00B0F)"},
    {0.47f, 0.33f, "66-70\u00B0C\u00A0(150-158\u00B0F)"},
    {0.33f, 1.2f, "10\u00B0C\u00A0(50\u00B0F) or less"},
    {1.2f, 1.15f, "11-15\u00B0C\u00A0(51-59\u00B0F)"},
    {1.15f, 1.11f, "16-20\u00B0C\u00A0(60-68\u00B0F)"},
    {1.11f, 1.05f, "21-25\u00B0C\u00A0(69-77\u00B0F)"},
    {1.05f, 1.0f, kAmbientReferenceRange},
};

constexpr CycleEntry kAmbient90[] = {
    {1.0f, 0.96f, "31-35\u00B0C\u00A0(87-95\u00B0F)"},
    {0.96f, 0.91f, "36-40\u00B0C\u00A0(96-104\u00B0F)"},
    {0.91f, 0.87f, "41-45\u00B0C\u00A0(105-113\u00B0F)"},
    {0.87f, 0.82f, "46-50\u00B0C\u00A0(114-122\u00B0F)"},
    {0.82f, 0.76f, "51-55\u00B0C\u00A0(123-131\u00B0F)"},
    {0.76f, 0.71f, "56-60\u00B0C\u00A0(132-140\u00B0F)"},
    {0.71f, 0.65f, "61-65\u00B0C\u00A0(141-149\u00B0F)"},
    {0.65f, 0.58f, "66-70\u00B0C\u00A0(150-158\u00B0F)"},
    {0.58f, 0.5f, "71-75\u00B0C\u00A0(159-167\u00B0F)"},
    {0.5f, 0.41f, "76-80\u00B0C\u00A0(168-176\u00B0F)"},
    {0.41f, 0.29f, "81-85\u00B0C\u00A0(177-185\u00B0F)"},
    {0.29f, 1.15f, "10\u00B0C\u00A0(50\u00B0F) or less"},
    {1.15f, 1.12f, "11-15\u00B0C\u00A0(51-59\u00B0F)"},
    {1.12f, 1.08f, "16-20\u00B0C\u00A0(60-68\u00B0F)"},
    {1.08f, 1.04f, "21-25\u00B0C\u00A0(69-77\u00B0F)"},
    {1.04f, 1.0f, kAmbientReferenceRange},
};

constexpr CycleEntry kConductorCount[] = {
    {1.0f, 0.8f, "4-6"},
    {0.8f, 0.7f, "7-9"},
    {0.7f, 0.5f, "10-20"},
    {0.5f, 0.45f, "21-30"},
    {0.45f, 0.4f, "31-40"},
    {0.4f, 0.35f, "41 and above"},
    {0.35f, 1.0f, kConductorCountReferenceRange},
};

std::string joinLines(std::string_view first, std::string_view second) {
    std::string caption(first);
    caption += "\r\n";
    caption += second;
    return caption;
}

} // namespace

std::span<const CycleEntry> ambientCycle(Insulation insulation) {
    switch (insulation) {
    case Insulation::Rated60:
        return kAmbient60;
    case Insulation::Rated75:
        return kAmbient75;
    case Insulation::Rated90:
        break;
    }
    return kAmbient90;
}

std::span<const CycleEntry> conductorCountCycle() {
    return kConductorCount;
}

std::string ambientCaption(std::string_view range) {
    return joinLines("Ambient", range);
}

std::string conductorCountCaption(std::string_view range) {
    return joinLines("Number of conductors", range);
}

CycleStep nextAmbient(Insulation insulation, float ambientFactor) {
    const std::span<const CycleEntry> cycle = ambientCycle(insulation);
    // The last entry is also the fall-back for a factor this cycle does not know.
    const CycleEntry* entry = &cycle.back();
    for (const CycleEntry& candidate : cycle.first(cycle.size() - 1))
        if (candidate.current == ambientFactor) {
            entry = &candidate;
            break;
        }
    return {entry->next, ambientCaption(entry->range)};
}

std::optional<CycleStep> nextConductorCount(float conductorCountFactor) {
    for (const CycleEntry& entry : kConductorCount)
        if (entry.current == conductorCountFactor)
            return CycleStep{entry.next, conductorCountCaption(entry.range)};
    return std::nullopt;
}

} // namespace rules
