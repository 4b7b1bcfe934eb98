#!/usr/bin/env bash
# Shows that the corrected-ampacity text is the same as at an earlier commit for every
# value the calculator can show: every row of the twelve ampacity lists, and every whole
# ampere from 0 to 2000, under every pair of an ambient factor (any rating's) and a
# conductor-count factor, and every factor alone, each with a decimal point and a comma.
# Usage: scripts/number-text-equivalence.sh COMMIT   (a commit whose rules library has
# correctedAmpacityText() and numberText(), as from 96ac2ea on)
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/old/rules"
for file in corrected_ampacity.h corrected_ampacity.cpp readback.h readback.cpp; do
  git show "$commit:src/rules/$file" |
    sed 's/namespace rules/namespace old_rules/; s|"rules/|"old/rules/|' >"$work/old/rules/$file"
done
cat >"$work/compare.cpp" <<'CPP'
#include "old/rules/corrected_ampacity.h"
#include "rules/corrected_ampacity.h"
#include "rules/selection.h"
#include "rules/tables.h"

#include <cstdio>
#include <string>
#include <vector>

int main() {
    std::vector<std::string> rows;
    for (const auto installation : {rules::Installation::Raceway, rules::Installation::FreeAir})
        for (const auto material : {rules::Material::Copper, rules::Material::Aluminum})
            for (const auto insulation :
                 {rules::Insulation::Rated60, rules::Insulation::Rated75, rules::Insulation::Rated90}) {
                const auto list = rules::ampacityList(installation, material, insulation);
                rows.insert(rows.end(), list.rows.begin(), list.rows.end());
            }
    for (int amps = 0; amps <= 2000; ++amps)
        rows.push_back(std::to_string(amps) + " A");
    std::vector<float> ambient, count;
    for (const auto insulation :
         {rules::Insulation::Rated60, rules::Insulation::Rated75, rules::Insulation::Rated90})
        for (const auto& entry : rules::ambientCycle(insulation))
            ambient.push_back(entry.factor);
    for (const auto& entry : rules::conductorCountCycle())
        count.push_back(entry.factor);
    long compared = 0, differ = 0;
    const auto same = [&](const std::string& was, const std::string& is) {
        ++compared;
        if (was != is && ++differ <= 10)
            std::printf("differs: was \"%s\", is \"%s\"\n", was.c_str(), is.c_str());
    };
    for (const char* separator : {".", ","}) {
        for (const std::string& row : rows)
            for (const float a : ambient)
                for (const float c : count)
                    same(old_rules::correctedAmpacityText(row, a, c, separator),
                         rules::correctedAmpacityText(row, a, c, separator));
        for (const float factor : ambient)
            same(old_rules::numberText(factor, separator), rules::numberText(factor, separator));
        for (const float factor : count)
            same(old_rules::numberText(factor, separator), rules::numberText(factor, separator));
    }
    std::printf("%zu rows (%ld of them table rows), %zu ambient and %zu count factors: %ld texts "
                "compared, %ld differ\n",
                rows.size(), long(rows.size()) - 2001, ambient.size(), count.size(), compared, differ);
    return differ == 0 ? 0 : 1;
}
CPP
g++ -std=c++20 -O1 -I src -I "$work" -o "$work/compare" "$work/compare.cpp" \
  src/rules/corrected_ampacity.cpp src/rules/readback.cpp src/rules/tables.cpp src/rules/selection.cpp \
  "$work/old/rules/corrected_ampacity.cpp" "$work/old/rules/readback.cpp"
"$work/compare"
