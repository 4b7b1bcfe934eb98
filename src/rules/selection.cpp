#include "rules/selection.h"

namespace rules {
namespace {

constexpr std::string_view kReference = "26-30\u00B0C\u00A0(78-86\u00B0F)";

// Between "°C" and "(" stands a no-break space, except in the 31-35 °C text of the 60 °C
// cycle, which has an ordinary one.
constexpr Range kAmbient60[] = {
    {1.0f, kReference},
    {0.91f, "31-35\u00B0C (87-95\u00B0F)"},
    {0.82f, "36-40\u00B0C\u00A0(96-104\u00B0F)"},
    {0.71f, "41-45\u00B0C\u00A0(105-113\u00B0F)"},
    {0.58f, "46-50\u00B0C\u00A0(114-122\u00B0F)"},
    {0.41f, "51-55\u00B0C\u00A0(123-131\u00B0F)"},
    {1.29f, "10\u00B0C\u00A0(50\u00B0F) or less"},
    {1.22f, "11-15\u00B0C\u00A0(51-59\u00B0F)"},
    {1.15f, "16-20\u00B0C\u00A0(60-68\u00B0F)"},
    {1.08f, "21-25\u00B0C\u00A0(69-77\u00B0F)"},
};

constexpr Range kAmbient75[] = {
    {1.0f, kReference},
    {0.94f, "31-35\u00B0C\u00A0(87-95\u00B0F)"},
    {0.88f, "36-40\u00B0C\u00A0(96-104\u00B0F)"},
    {0.82f, "41-45\u00B0C\u00A0(105-113\u00B0F)"},
    {0.75f, "46-50\u00B0C\u00A0(114-122\u00B0F)"},
    {0.67f, "51-55\u00B0C\u00A0(123-131\u00B0F)"},
    {0.58f, "56-60\u00B0C\u00A0(132-140\u00B0F)"},
    {0.47f, "61-65\u00B0C\u00A0(141-149\u00B0F)"},
    {0.33f, "66-70\u00B0C\u00A0(150-158\u00B0F)"},
    {1.2f, "10\u00B0C\u00A0(50\u00B0F) or less"},
    {1.15f, "11-15\u00B0C\u00A0(51-59\u00B0F)"},
    {1.11f, "16-20\u00B0C\u00A0(60-68\u00B0F)"},
    {1.05f, "21-25\u00B0C\u00A0(69-77\u00B0F)"},
};

constexpr Range kAmbient90[] = {
    {1.0f, kReference},
    {0.96f, "31-35\u00B0C\u00A0(87-95\u00B0F)"},
    {0.91f, "36-40\u00B0C\u00A0(96-104\u00B0F)"},
    {0.87f, "41-45\u00B0C\u00A0(105-113\u00B0F)"},
    {0.82f, "46-50\u00B0C\u00A0(114-122\u00B0F)"},
    {0.76f, "51-55\u00B0C\u00A0(123-131\u00B0F)"},
    {0.71f, "56-60\u00B0C\u00A0(132-140\u00B0F)"},
    {0.65f, "61-65\u00B0C\u00A0(141-149\u00B0F)"},
    {0.58f, "66-70\u00B0C\u00A0(150-158\u00B0F)"},
    {0.5f, "71-75\u00B0C\u00A0(159-167\u00B0F)"},
    {0.41f, "76-80\u00B0C\u00A0(168-176\u00B0F)"},
    {0.29f, "81-85\u00B0C\u00A0(177-185\u00B0F)"},
    {1.15f, "10\u00B0C\u00A0(50\u00B0F) or less"},
    {1.12f, "11-15\u00B0C\u00A0(51-59\u00B0F)"},
    {1.08f, "16-20\u00B0C\u00A0(60-68\u00B0F)"},
    {1.04f, "21-25\u00B0C\u00A0(69-77\u00B0F)"},
};

constexpr Range kConductorCount[] = {
    {1.0f, "1-3"},    {0.8f, "4-6"},   {0.7f, "7-9"},           {0.5f, "10-20"},
    {0.45f, "21-30"}, {0.4f, "31-40"}, {0.35f, "41 and above"},
};

std::string joinLines(std::string_view first, std::string_view second) {
    std::string caption(first);
    caption += "\r\n";
    caption += second;
    return caption;
}

} // namespace

std::span<const Range> ambientCycle(Insulation insulation) {
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

std::span<const Range> conductorCountCycle() {
    return kConductorCount;
}

Selection nextMaterial(Selection selection) {
    selection.material =
        selection.material == Material::Copper ? Material::Aluminum : Material::Copper;
    return selection;
}

Selection nextInstallation(Selection selection) {
    selection.installation = selection.installation == Installation::Raceway
                                 ? Installation::FreeAir
                                 : Installation::Raceway;
    selection.conductorCount = 0;
    return selection;
}

Selection nextInsulation(Selection selection) {
    selection.insulation = Insulation((static_cast<int>(selection.insulation) + 1) % 3);
    selection.ambient = 0;
    return selection;
}

Selection nextAmbient(Selection selection) {
    selection.ambient = (selection.ambient + 1) % ambientCycle(selection.insulation).size();
    return selection;
}

Selection nextConductorCount(Selection selection) {
    if (selection.installation == Installation::Raceway)
        selection.conductorCount = (selection.conductorCount + 1) % std::size(kConductorCount);
    return selection;
}

float ambientFactor(const Selection& selection) {
    return ambientCycle(selection.insulation)[selection.ambient].factor;
}

float conductorCountFactor(const Selection& selection) {
    return kConductorCount[selection.conductorCount].factor;
}

std::string_view materialCaption(const Selection& selection) {
    return selection.material == Material::Copper ? "CU" : "AL";
}

std::string_view installationCaption(const Selection& selection) {
    return selection.installation == Installation::Raceway ? "Raceway or\u00A0Cable" : "Free Air";
}

std::string_view insulationCaption(const Selection& selection) {
    switch (selection.insulation) {
    case Insulation::Rated60:
        return "Insulation 60\u00B0C\u00A0(140\u00B0F)";
    case Insulation::Rated75:
        return "Insulation 75\u00B0C\u00A0(167\u00B0F)";
    case Insulation::Rated90:
        break;
    }
    return "Insulation 90\u00B0C\u00A0(194\u00B0F)";
}

std::string ambientCaption(const Selection& selection) {
    return joinLines("Ambient", ambientCycle(selection.insulation)[selection.ambient].text);
}

std::string conductorCountCaption(const Selection& selection) {
    if (selection.installation == Installation::FreeAir)
        return {};
    return joinLines("Number of conductors", kConductorCount[selection.conductorCount].text);
}

} // namespace rules
